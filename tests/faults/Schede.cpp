#include "Schede.h"

#include "comune/Contesto.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampante.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace Schede {

namespace {

QPushButton *pulsante(const QWidget &modulo, const QString &testo)
{
    const auto pulsanti = modulo.findChildren<QPushButton *>();
    for (QPushButton *p : pulsanti)
        if (p->text() == testo)
            return p;
    return nullptr;
}

void premi(ModuloScheda &modulo, const QString &testo)
{
    QPushButton *p = pulsante(modulo, testo);
    ASSERT_NE(p, nullptr) << testo.toStdString();
    ASSERT_TRUE(p->isVisible()) << testo.toStdString();
    QTest::mouseClick(p, Qt::LeftButton);
}

} // namespace

const char *nome(Tipo tipo)
{
    switch (tipo) {
    case Tipo::Disegno:
        return "Disegno";
    case Tipo::Aggiungi:
        return "Aggiungi";
    case Tipo::Togli:
        return "Togli";
    }
    return "?";
}

ModuloScheda *apri(Contesto &contesto, DialogoStampante &dialogo, Tipo tipo)
{
    ModuloScheda *modulo = nullptr;
    switch (tipo) {
    case Tipo::Disegno:
        modulo = new FrmStampaSchede(contesto, dialogo);
        break;
    case Tipo::Aggiungi:
        modulo = new FrmStampaSchedeElementi(contesto, dialogo, FrmStampaSchedeElementi::Tipo::Aggiungi);
        break;
    case Tipo::Togli:
        modulo = new FrmStampaSchedeElementi(contesto, dialogo, FrmStampaSchedeElementi::Tipo::Togli);
        break;
    }
    modulo->show();
    return modulo;
}

void generaTutti(ModuloScheda &modulo)
{
    const bool disegno = qobject_cast<FrmStampaSchede *>(&modulo) != nullptr;
    for (int s = 2; s <= 4; ++s) {
        const QString testo = (disegno ? QStringLiteral("VISUALIZZA %1° INSIEME")
                                       : QStringLiteral("VISUALIZZA %1° ESERCIZIO"))
                                  .arg(s);
        QPushButton *p = pulsante(modulo, testo);
        ASSERT_NE(p, nullptr) << testo.toStdString();
        if (!p->isVisible())
            premi(modulo, QStringLiteral("Visualizza la seconda parte"));
        premi(modulo, testo);
    }
    for (int s = 1; s <= 4; ++s)
        ASSERT_TRUE(modulo.mostrato(s)) << "set " << s;
}

void premiStampa(ModuloScheda &modulo)
{
    premi(modulo, QStringLiteral("STAMPA"));
}

void premiEsci(ModuloScheda &modulo)
{
    premi(modulo, QStringLiteral("ESCI"));
}

bool dialogoDalMenu(ModuloScheda &modulo, DialogoStampante &dialogoStampante,
                    const std::function<void(FrmStampante &)> &act)
{
    const QList<QAction *> voci = modulo.menuBar()->actions();
    QAction *voce = nullptr;
    for (QAction *v : voci)
        if (v->text().contains(QStringLiteral("stampante"), Qt::CaseInsensitive))
            voce = v;
    if (!voce)
        return false;
    bool mostrato = false;
    // A timer of this call only: if the dialog never opens, it never fires later on.
    QTimer dentro;
    dentro.setSingleShot(true);
    QObject::connect(&dentro, &QTimer::timeout, &dentro, [&dialogoStampante, &mostrato, act] {
        FrmStampante &dialogo = dialogoStampante.modulo();
        mostrato = dialogo.isVisible();
        if (act)
            act(dialogo);
        QTest::mouseClick(dialogo.findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
    });
    dentro.start(0);
    voce->trigger();
    return mostrato && !dialogoStampante.modulo().isVisible();
}

QComboBox *lista(FrmStampante &dialogo)
{
    return dialogo.findChild<QComboBox *>(QStringLiteral("Combo1"));
}

QLabel *etichetta(FrmStampante &dialogo, const char *nome)
{
    return dialogo.findChild<QLabel *>(QString::fromLatin1(nome));
}

void scegli(FrmStampante &dialogo, int indice)
{
    QComboBox *c = lista(dialogo);
    c->showPopup();
    QAbstractItemView *vista = c->view();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(vista->window()));
    vista->setCurrentIndex(vista->model()->index(indice, 0));
    QTest::keyClick(vista, Qt::Key_Return);
}

int pagine(const QString &pdf)
{
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {pdf});
    if (!pdfinfo.waitForFinished(30000) || pdfinfo.exitCode() != 0)
        return 0;
    static const QRegularExpression riga(QStringLiteral("^Pages:\\s+(\\d+)"),
                                         QRegularExpression::MultilineOption);
    return riga.match(QString::fromUtf8(pdfinfo.readAllStandardOutput())).captured(1).toInt();
}

} // namespace Schede
