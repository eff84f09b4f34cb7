#include "support/ProgrammaVero.h"
#include "support/Schede.h"
#include "support/ServerDiProva.h"
#include "support/StrumentiPdf.h"
#include "support/ContestoDiProva.h"
#include "worksheets/FrmStampante.h"
#include "support/Righe.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using Schede::Tipo;

namespace {

const QString scelta = QStringLiteral("La stampante scelta è \n");

// A printer name, the worksheet it is chosen from, and whether a real CUPS queue can carry
// it: CUPS refuses "/" and blanks in a queue name and cuts it at 127 bytes, so those names
// exist only as fake printers.
struct CasoNome
{
    const char *nome;
    QString stampante;
    Tipo tipo;
    bool codaVera;
};

using righe::PrintTo;

QString milleCaratteri()
{
    return QStringLiteral("Stampante_del_laboratorio_di_informatica_").repeated(25).left(1000);
}

// Either the program over the private CUPS server with the name as a real queue, or a test
// context whose fake printers carry it.
struct Ambiente
{
    Contesto &contesto() { return vero ? vero->contesto : *finto->contesto; }
    DialogoStampante &dialogo() { return vero ? vero->dialogo : *finto->dialogo; }
    QStringList &messaggi() { return vero ? vero->avvisi.messaggi : finto->avvisi.messaggi; }

    std::unique_ptr<ProgrammaVero> vero;
    std::unique_ptr<ContestoDiProva> finto;
};

class NomiDiStampante : public ::testing::TestWithParam<CasoNome>
{
protected:
    void SetUp() override
    {
        const CasoNome &caso = GetParam();
        if (caso.codaVera) {
            SENZA_SERVER_DI_PROVA_SALTA_O_FALLISCI();
            CupsPrivato *cups = serverDiProva();
            ASSERT_TRUE(cups->riavviaDemone());
            ASSERT_TRUE(cups->rimuoviTutte());
            ASSERT_TRUE(cups->aggiungiCoda(QStringLiteral("A")));
            ASSERT_TRUE(cups->aggiungiCoda(caso.stampante)) << "CUPS rifiuta il nome";
            ASSERT_TRUE(cups->impostaPredefinita(QStringLiteral("A")));
            ambiente.vero = std::make_unique<ProgrammaVero>();
            ASSERT_TRUE(ambiente.vero->stampanti.nomi().contains(caso.stampante));
        } else {
            ambiente.finto = std::make_unique<ContestoDiProva>(
                QStringList{QStringLiteral("A"), caso.stampante}, QStringLiteral("A"));
        }
    }

    Ambiente ambiente;
};

// Whether r lies wholly on the screen the widget is on.
bool sulloSchermo(const QWidget &w, const QRect &r)
{
    const QScreen *schermo = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return schermo->availableGeometry().contains(r);
}

} // namespace

TEST_P(NomiDiStampante, SiSceglieSiLeggeTaleEQualeESiStampa)
{
    const QString nome = GetParam().stampante;
    Contesto &contesto = ambiente.contesto();
    Schede::Aperto modulo(contesto, ambiente.dialogo(), GetParam().tipo);
    Schede::generaTutti(*modulo);

    EXPECT_TRUE(Schede::dialogoDalMenu(*modulo, ambiente.dialogo(), [&nome](FrmStampante &d) {
        auto *combo = d.findChild<QComboBox *>(QStringLiteral("Combo1"));
        auto *etichetta = d.findChild<QLabel *>(QStringLiteral("Label2"));
        auto *chiudi = d.findChild<QPushButton *>(QStringLiteral("Command2"));
        const int indice = combo->findText(nome);
        ASSERT_GE(indice, 0);

        // The list opens on the screen, however long the name.
        combo->showPopup();
        QAbstractItemView *vista = combo->view();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(vista->window()));
        EXPECT_TRUE(sulloSchermo(d, vista->window()->geometry()));
        vista->setCurrentIndex(vista->model()->index(indice, 0));
        QTest::keyClick(vista, Qt::Key_Return);
        Schede::attendiRisposte(d);

        // The name is shown as the characters it is made of, shortened if it has to be.
        EXPECT_EQ(combo->currentText(), nome);
        const QString mostrato = etichetta->text();
        ASSERT_TRUE(mostrato.startsWith(scelta));
        QString parteDelNome = mostrato.mid(scelta.size()).remove(QLatin1Char('\n'));
        if (parteDelNome.endsWith(QChar(0x2026)))
            parteDelNome.chop(1);
        EXPECT_FALSE(parteDelNome.isEmpty());
        const QString senzaSpazi = QString(nome).remove(QLatin1Char(' '));
        EXPECT_TRUE(senzaSpazi.startsWith(parteDelNome.remove(QLatin1Char(' '))))
            << mostrato.toStdString();
        EXPECT_LE(etichetta->heightForWidth(etichetta->width()), etichetta->height());

        // The dialog keeps its size on the screen, and its button is there to be pressed.
        EXPECT_TRUE(sulloSchermo(d, d.frameGeometry()));
        EXPECT_TRUE(d.rect().contains(chiudi->geometry()));
        EXPECT_EQ(d.childAt(chiudi->geometry().center()), chiudi);
    }));
    EXPECT_EQ(contesto.stampanteCorrente(), nome);

    Schede::premiStampa(*modulo);
    EXPECT_TRUE(ambiente.messaggi().isEmpty());
    if (ambiente.vero) {
        CupsPrivato *cups = serverDiProva();
        const QString pdf = cups->attendiPdf(ambiente.vero->titolo());
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(StrumentiPdf::pagine(pdf), 1);
        EXPECT_EQ(cups->codeDeiLavori(ambiente.vero->titolo()), QStringList{nome});
    } else {
        ASSERT_EQ(ambiente.finto->stampanti.documenti.size(), 1U);
        EXPECT_EQ(ambiente.finto->stampanti.documenti[0].stampante, nome);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Nomi, NomiDiStampante,
    ::testing::Values(
        CasoNome{"Grassetto", QStringLiteral("<b>x</b>"), Tipo::Disegno, false},
        CasoNome{"Immagine", QStringLiteral("<img src=x>"), Tipo::Aggiungi, false},
        CasoNome{"MilleCaratteri", milleCaratteri(), Tipo::Togli, false},
        CasoNome{"MilleCaratteriConSpazi", QStringLiteral("Stampante ").repeated(100),
                 Tipo::Disegno, false},
        CasoNome{"DaDestraASinistra", QString::fromUtf8("מדפסת_הכיתה_השלישית"), Tipo::Aggiungi,
                 true},
        CasoNome{"ArabaConMarcatori", QString::fromUtf8("<i>طابعة_المختبر</i>"), Tipo::Togli,
                 false},
        CasoNome{"Emoji", QString::fromUtf8("Stampante_🖨️_🦄🌈"), Tipo::Disegno, true}),
    righe::perNome);
