#include "support/Schede.h"
#include "support/ContestoDiProva.h"
#include "worksheets/FrmStampante.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using Schede::apriEChiudi;
using Schede::etichetta;
using Schede::lista;
using Schede::scegli;

namespace {

using righe::PrintTo;

const QString predefinitaE = QStringLiteral("La stampante predefinita è \n");
const QString sceltaE = QStringLiteral("La stampante scelta è \n");

QStringList voci(QComboBox *c)
{
    QStringList v;
    for (int i = 0; i < c->count(); ++i)
        v.append(c->itemText(i));
    return v;
}

struct TreStampanti : ::testing::Test
{
    ContestoDiProva c{{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")},
                      QStringLiteral("B")};
    FrmStampante &dialogo = c.dialogoStampante();
};

} // namespace

TEST_F(TreStampanti, PrimaAperturaMostraElencoEPredefinita)
{
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(voci(lista(dialogo)), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(lista(dialogo)->currentText(), QStringLiteral("A"));
    EXPECT_EQ(etichetta(dialogo, "Label1")->text(), predefinitaE + "B");
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), QString());
    EXPECT_EQ((*c).stampanteCorrente(), QStringLiteral("B"));
}

TEST_F(TreStampanti, SceltaDaElencoCambiaLaStampanteCorrente)
{
    EXPECT_TRUE(apriEChiudi(dialogo, [this] { scegli(dialogo, 2); }));
    EXPECT_EQ((*c).stampanteCorrente(), QStringLiteral("C"));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), sceltaE + "C");
}

TEST_F(TreStampanti, RiapertoSiPresentaComeLoSiELasciato)
{
    ASSERT_TRUE(apriEChiudi(dialogo, [this] { scegli(dialogo, 2); }));
    EXPECT_EQ(&c.dialogoStampante(), &dialogo);
    bool visto = false;
    EXPECT_TRUE(apriEChiudi(dialogo, [this, &visto] {
        visto = dialogo.isVisible();
        EXPECT_EQ(lista(dialogo)->currentText(), QStringLiteral("C"));
        EXPECT_EQ(etichetta(dialogo, "Label2")->text(), sceltaE + "C");
        EXPECT_EQ(etichetta(dialogo, "Label1")->text(), predefinitaE + "B");
    }));
    EXPECT_TRUE(visto);
    EXPECT_EQ(voci(lista(dialogo)), (QStringList{"A", "B", "C"}));
}

TEST_F(TreStampanti, SceltaDellaStampanteGiaCorrenteLaNominaSoltanto)
{
    scegli(dialogo, 1);
    EXPECT_EQ((*c).stampanteCorrente(), QStringLiteral("B"));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), sceltaE + "B");
}

TEST_F(TreStampanti, LaPrimaSceltaVeraNonVieneScartata)
{
    // The event discarded is the one the filling raised, not the user's first.
    scegli(dialogo, 0);
    EXPECT_EQ((*c).stampanteCorrente(), QStringLiteral("A"));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), sceltaE + "A");
}

TEST_F(TreStampanti, ScrivereNelCampoNonSceglie)
{
    QLineEdit *campo = lista(dialogo)->lineEdit();
    campo->selectAll();
    QTest::keyClicks(campo, QStringLiteral("C"));
    QTest::keyClick(campo, Qt::Key_Return);
    QTest::keyClick(campo, Qt::Key_Enter);
    EXPECT_EQ(lista(dialogo)->currentText(), QStringLiteral("C"));
    EXPECT_EQ((*c).stampanteCorrente(), QStringLiteral("B"));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), QString());
    EXPECT_EQ(lista(dialogo)->count(), 3);
}

TEST_F(TreStampanti, StampanteToltaDopoLElencoLasciaLaCorrente)
{
    Schede::attendiRisposte(dialogo);
    c.stampanti.elenco.removeAll(QStringLiteral("C"));
    scegli(dialogo, 2);
    EXPECT_EQ((*c).stampanteCorrente(), QStringLiteral("B"));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), sceltaE + "B");
}

TEST(SenzaStampanti, SiApreEDiceCheNonCeNeSono)
{
    ContestoDiProva c;
    FrmStampante &dialogo = c.dialogoStampante();
    EXPECT_TRUE(apriEChiudi(dialogo));
    EXPECT_EQ(lista(dialogo)->count(), 0);
    EXPECT_FALSE(lista(dialogo)->isEnabled());
    EXPECT_EQ(etichetta(dialogo, "Label1")->text(), QStringLiteral("Nessuna stampante installata."));
    EXPECT_EQ(etichetta(dialogo, "Label2")->text(), QString());
    EXPECT_TRUE((*c).stampanteCorrente().isEmpty());
}

namespace {

struct CasoNome
{
    const char *nome;
    QString stampante;
};

using NomiStrani = ::testing::TestWithParam<CasoNome>;

// The label wraps at blanks: no word may be wider than the label, and all the lines it then
// makes have to fit its height.
void verificaCheStaNellEtichetta(QLabel *l)
{
    const QFontMetrics m(l->font());
    for (const QString &parola : l->text().split(QRegularExpression(QStringLiteral("\\s+")),
                                                 Qt::SkipEmptyParts))
        EXPECT_LE(m.horizontalAdvance(parola), l->width()) << parola.toStdString();
    EXPECT_LE(l->heightForWidth(l->width()), l->height());
}

// The label's text alone, drawn with the label's own format or with another one.
QImage testoDisegnato(QLabel *l, Qt::TextFormat formato)
{
    QLabel copia;
    copia.setFont(l->font());
    copia.setWordWrap(l->wordWrap());
    copia.setAlignment(l->alignment());
    copia.setTextFormat(formato);
    copia.setText(l->text());
    copia.resize(l->size());
    QImage immagine(l->size(), QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    (formato == l->textFormat() ? l : &copia)->render(&immagine, QPoint(), QRegion(),
                                                      QWidget::DrawChildren);
    return immagine;
}

} // namespace

TEST_P(NomiStrani, SiLeggonoComeTestoEStannoNelleEtichette)
{
    const QString nome = GetParam().stampante;
    ContestoDiProva c({QStringLiteral("A"), nome}, nome);
    FrmStampante &dialogo = c.dialogoStampante();
    scegli(dialogo, 1);
    EXPECT_EQ((*c).stampanteCorrente(), nome);
    EXPECT_EQ(lista(dialogo)->itemText(1), nome);
    for (const char *n : {"Label1", "Label2"}) {
        QLabel *l = etichetta(dialogo, n);
        verificaCheStaNellEtichetta(l);
        // The label looks exactly like the same characters shown as plain text: no markup was
        // interpreted (bold, pictures).
        EXPECT_TRUE(testoDisegnato(l, l->textFormat()) == testoDisegnato(l, Qt::PlainText)) << n;
    }
    const QString mostrato = etichetta(dialogo, "Label2")->text();
    EXPECT_TRUE(mostrato.startsWith(QStringLiteral("La stampante scelta è \n")));
    EXPECT_TRUE(QString(mostrato).remove(QLatin1Char('\n')).contains(nome.left(8)));
    // The list keeps its size whatever the names.
    EXPECT_LE(lista(dialogo)->minimumSizeHint().width(), dialogo.width());
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, NomiStrani,
    ::testing::Values(
        CasoNome{"Grassetto", QStringLiteral("<b>x</b>")},
        CasoNome{"Immagine", QStringLiteral("<img src=\"x.png\" width=300 height=300>")},
        CasoNome{"LunghissimoSenzaSpazi", QString(300, QLatin1Char('W'))},
        CasoNome{"LunghissimoConSpazi", QStringLiteral("Stampante del laboratorio ").repeated(12)},
        CasoNome{"Ebraico", QString::fromUtf8("מדפסת_המעבדה_של_בית_הספר_היסודי_בקומה_השנייה_ליד_הספרייה")},
        CasoNome{"Arabo", QString::fromUtf8("طابعة المختبر في المدرسة الابتدائية ").repeated(4)},
        CasoNome{"Misto", QString::fromUtf8("HP-LaserJet_שלום_Ünïcödé_打印机_🖨️")}),
    righe::perNome);

TEST(AspettoDelDialogo, ColoriECaratteriDelProgetto)
{
    ContestoDiProva c({QStringLiteral("A")}, QStringLiteral("A"));
    FrmStampante &dialogo = c.dialogoStampante();
    EXPECT_EQ(dialogo.palette().color(QPalette::Window), QColor(255, 255, 192));
    auto *chiudi = dialogo.findChild<QPushButton *>(QStringLiteral("Command2"));
    ASSERT_NE(chiudi, nullptr);
    EXPECT_EQ(chiudi->text(), QStringLiteral("C H I U D I"));
    EXPECT_TRUE(chiudi->font().bold());
    EXPECT_DOUBLE_EQ(chiudi->font().pointSizeF(), 13.5);
    // What the button shows in its middle is the design's yellow.
    const QImage aspetto = chiudi->grab().toImage();
    EXPECT_EQ(QColor(aspetto.pixel(aspetto.width() / 2, aspetto.height() / 4)), QColor(255, 255, 128));
    EXPECT_DOUBLE_EQ(lista(dialogo)->font().pointSizeF(), 9.75);
    EXPECT_TRUE(etichetta(dialogo, "Label1")->font().bold());
}
