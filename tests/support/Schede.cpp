#include "support/Schede.h"

#include "support/GeneratoreFinto.h"
#include "worksheets/DialogoSerie.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "worksheets/FrmStampante.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

namespace Schede {

namespace {
// The printers are asked on a worker; a slow private server may take seconds.
constexpr int attesaStampantiMs = 70000;
} // namespace

void attendiRisposte(FrmStampante &dialogo)
{
    if (dialogo.inAttesa()) {
        EXPECT_TRUE(QTest::qWaitFor([&dialogo] { return !dialogo.inAttesa(); }, attesaStampantiMs))
            << "the printers never answered the dialog";
    }
}

namespace {

const Testi disegno{"disegna", "VISUALIZZA %1° INSIEME", "Seleziona stampante",
                    "Nel riquadro accanto disegna l'insieme equipotente", "Completa la scheda ",
                    false};
const Testi aggiungi{
    "aggiungi", "VISUALIZZA %1° ESERCIZIO", "Seleziona  stampante",
    "Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore",
    "Completa la scheda", true};
const Testi togli{"togli", "VISUALIZZA %1° ESERCIZIO", "Selezione stampante",
                  "Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore",
                  " Completa la scheda", true};

// Presses the close button of the dialog if it is up.
void chiudi(FrmStampante &dialogo)
{
    if (dialogo.isVisible())
        QTest::mouseClick(dialogo.findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
}

} // namespace

const Testi &testi(Tipo tipo)
{
    switch (tipo) {
    case Tipo::Disegno:
        return disegno;
    case Tipo::Aggiungi:
        return aggiungi;
    case Tipo::Togli:
        break;
    }
    return togli;
}

const char *nome(Tipo tipo)
{
    return testi(tipo).nome;
}

Tipo tipoDi(const ModuloScheda &modulo)
{
    switch (modulo.modello().tipo()) {
    case ModelloScheda::Tipo::Disegno:
        return Tipo::Disegno;
    case ModelloScheda::Tipo::Aggiungi:
        return Tipo::Aggiungi;
    case ModelloScheda::Tipo::Togli:
        break;
    }
    return Tipo::Togli;
}

ModelloScheda::Tipo tipoModello(Tipo tipo)
{
    switch (tipo) {
    case Tipo::Disegno:
        return ModelloScheda::Tipo::Disegno;
    case Tipo::Aggiungi:
        return ModelloScheda::Tipo::Aggiungi;
    case Tipo::Togli:
        break;
    }
    return ModelloScheda::Tipo::Togli;
}

void PrintTo(Tipo tipo, std::ostream *os)
{
    *os << nome(tipo);
}

std::string nomeCaso(const ::testing::TestParamInfo<Tipo> &info)
{
    return nome(info.param);
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

QPushButton *pulsante(const QWidget *modulo, const QString &testo)
{
    const auto pulsanti = modulo->findChildren<QPushButton *>();
    for (QPushButton *p : pulsanti)
        if (p->text() == testo)
            return p;
    return nullptr;
}

void premi(QWidget *modulo, const QString &testo)
{
    QPushButton *p = pulsante(modulo, testo);
    ASSERT_NE(p, nullptr) << testo.toStdString();
    ASSERT_TRUE(p->isVisible()) << testo.toStdString();
    QTest::mouseClick(p, Qt::LeftButton);
    attendiStampa(modulo);
}

void premiInsieme(ModuloScheda &modulo, int insieme)
{
    premi(&modulo, QString::fromUtf8(testi(tipoDi(modulo)).pulsanteInsieme).arg(insieme));
}

void generaTutti(ModuloScheda &modulo)
{
    for (int s = 2; s <= 4; ++s) {
        const QString testo = QString::fromUtf8(testi(tipoDi(modulo)).pulsanteInsieme).arg(s);
        QPushButton *p = pulsante(&modulo, testo);
        ASSERT_NE(p, nullptr) << testo.toStdString();
        if (!p->isVisible())
            premi(&modulo, QStringLiteral("Visualizza la seconda parte"));
        premi(&modulo, testo);
    }
    for (int s = 1; s <= 4; ++s)
        ASSERT_TRUE(modulo.mostrato(s)) << "set " << s;
}

void premiStampa(ModuloScheda &modulo)
{
    premi(&modulo, QStringLiteral("STAMPA"));
}

void attendiStampa(QWidget *widget)
{
    const QPointer<ModuloScheda> modulo = qobject_cast<ModuloScheda *>(widget);
    if (modulo && modulo->stampaInCorso()) {
        EXPECT_TRUE(QTest::qWaitFor([&modulo] { return !modulo || !modulo->stampaInCorso(); },
                                    attesaStampantiMs))
            << "the print never ended";
    }
}

void premiEsci(ModuloScheda &modulo)
{
    premi(&modulo, QStringLiteral("ESCI"));
}

CasellaFigura *casella(const ModuloScheda &modulo, int esercizio, ModelloScheda::Insieme insieme,
                       int cella)
{
    const bool secondo = insieme == ModelloScheda::Insieme::Secondo;
    if (const auto *d = qobject_cast<const FrmStampaSchede *>(&modulo))
        return secondo ? nullptr : d->Image1(FrmStampaSchede::basi.at(esercizio - 1) + cella);
    const auto &e = *qobject_cast<const FrmStampaSchedeElementi *>(&modulo);
    const int slot = ModelloScheda::celle * (esercizio - 1) + cella;
    return secondo ? e.Image2(slot) : e.Image1(slot);
}

bool premiVoce(ModuloScheda &modulo, const QString &testo)
{
    QMenuBar *barra = modulo.menuBar();
    for (QAction *voce : barra->actions()) {
        if (voce->text() == testo) {
            QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(voce).center());
            return true;
        }
    }
    return false;
}

bool serieDalMenu(ModuloScheda &modulo, int quante, const QString &testo, bool attendi)
{
    if (!premiVoce(modulo, QStringLiteral("Schede per la classe…")))
        return false;
    // A dialog answered before may still wait for its deletion, hidden.
    DialogoSerie *dialogo = nullptr;
    for (auto *d : modulo.findChildren<DialogoSerie *>())
        if (d->isVisible())
            dialogo = d;
    if (!dialogo)
        return false;
    QSpinBox *numero = dialogo->numero();
    numero->selectAll();
    QTest::keyClicks(numero, QString::number(quante));
    QPushButton *p = pulsante(dialogo, testo);
    if (!p)
        return false;
    QTest::mouseClick(p, Qt::LeftButton);
    if (attendi)
        attendiStampa(&modulo);
    return true;
}

bool dialogoDalMenu(ModuloScheda &modulo, DialogoStampante &dialogoStampante,
                    const std::function<void(FrmStampante &)> &act)
{
    bool modale = false;
    // A timer of this call only: if the dialog never opens, it never fires later on.
    QTimer dentro;
    dentro.setSingleShot(true);
    QObject::connect(&dentro, &QTimer::timeout, &dentro, [&dialogoStampante, &modale, &act] {
        FrmStampante &dialogo = dialogoStampante.modulo();
        modale = dialogo.isVisible() && QApplication::activeModalWidget() == &dialogo;
        attendiRisposte(dialogo);
        if (modale && act)
            act(dialogo);
        chiudi(dialogo);
    });
    dentro.start(0);
    if (!premiVoce(modulo, QString::fromUtf8(testi(tipoDi(modulo)).voceStampante)))
        return false;
    // If the click opened nothing, the check above runs now and finds no dialog.
    QCoreApplication::processEvents();
    return modale && !dialogoStampante.modulo().isVisible();
}

bool apriEChiudi(FrmStampante &dialogo, const std::function<void()> &act)
{
    QTimer dentro;
    dentro.setSingleShot(true);
    QObject::connect(&dentro, &QTimer::timeout, &dialogo, [&dialogo, &act] {
        attendiRisposte(dialogo);
        if (act)
            act();
        chiudi(dialogo);
    });
    dentro.start(0);
    dialogo.mostraModale();
    return !dialogo.isVisible();
}

QComboBox *lista(FrmStampante &dialogo)
{
    attendiRisposte(dialogo);
    return dialogo.findChild<QComboBox *>(QStringLiteral("Combo1"));
}

QLabel *etichetta(FrmStampante &dialogo, const char *nome)
{
    attendiRisposte(dialogo);
    return dialogo.findChild<QLabel *>(QString::fromLatin1(nome));
}

void scegli(FrmStampante &dialogo, int indice)
{
    QComboBox *c = lista(dialogo);
    c->showPopup();
    QAbstractItemView *vista = c->view();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(vista->window())) << "the printer list did not open";
    vista->setCurrentIndex(vista->model()->index(indice, 0));
    QTest::keyClick(vista, Qt::Key_Return);
    attendiRisposte(dialogo);
}

::testing::AssertionResult grigliaCinquePerTre(const std::function<const QWidget *(int)> &slot, int base)
{
    const QWidget *cornice = slot(base)->parentWidget();
    for (int k = 0; k < 15; ++k) {
        const QWidget *casella = slot(base + k);
        auto fuori = [&](const char *come) {
            return ::testing::AssertionFailure() << "slot " << base + k << " " << come;
        };
        if (casella->parentWidget() != cornice)
            return fuori("is in another frame");
        if (!cornice->rect().contains(casella->geometry()))
            return fuori("reaches out of its frame");
        if (casella->x() != slot(base + k % 5)->x())
            return fuori("is out of its column");
        if (casella->y() != slot(base + k / 5 * 5)->y())
            return fuori("is out of its row");
        if (k % 5 > 0 && casella->x() <= slot(base + k - 1)->x())
            return fuori("is not right of the one before");
        if (k >= 5 && casella->y() <= slot(base + k - 5)->y())
            return fuori("is not below the one above");
    }
    return ::testing::AssertionSuccess();
}

void accodaInsieme(GeneratoreFinto &g, int figura, int base, const std::vector<int> &slot)
{
    g.accodaIntero(figura, 12, 1);
    g.accodaIntero(static_cast<int>(slot.size()), 9, 2);
    for (int s : slot)
        g.accodaIntero(base + s, 15, base);
}

void accodaEsercizio(GeneratoreFinto &g, int figura, int base, const std::vector<int> &slot, int d)
{
    g.accodaIntero(figura, 12, 1);
    g.accodaIntero(static_cast<int>(slot.size()), 9, 1);
    for (int s : slot)
        g.accodaIntero(base + s, 15, base);
    g.accodaIntero(d, 9, 2);
}

} // namespace Schede
