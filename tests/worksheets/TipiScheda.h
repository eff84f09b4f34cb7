#pragma once

#include "comune/Contesto.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "worksheets/FrmStampante.h"
#include "support/SceltaStampante.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QMenuBar>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// The three worksheet kinds as a user meets them: how the form is opened, the captions of its
// buttons and menu entry, the texts of its page, and which slot each cell of the page shows.
namespace TipiScheda {

struct Tipo
{
    const char *nome;
    std::function<ModuloScheda *(Contesto &, DialogoStampante &)> apri;
    const char *pulsanteInsieme; // caption with %1 for the number
    const char *voceStampante;
    const char *istruzione;
    const char *messaggio;
    bool dueRiquadri; // the page's right boxes hold the second sets
};

inline void PrintTo(const Tipo &tipo, std::ostream *os)
{
    *os << tipo.nome;
}

inline const Tipo disegna{
    "disegna", [](Contesto &c, DialogoStampante &d) -> ModuloScheda * { return new FrmStampaSchede(c, d); },
    "VISUALIZZA %1° INSIEME", "Seleziona stampante",
    "Nel riquadro accanto disegna l'insieme equipotente", "Completa la scheda ", false};
inline const Tipo aggiungi{
    "aggiungi",
    [](Contesto &c, DialogoStampante &d) -> ModuloScheda * {
        return new FrmStampaSchedeElementi(c, d, FrmStampaSchedeElementi::Tipo::Aggiungi);
    },
    "VISUALIZZA %1° ESERCIZIO", "Seleziona  stampante",
    "Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore",
    "Completa la scheda", true};
inline const Tipo togli{
    "togli",
    [](Contesto &c, DialogoStampante &d) -> ModuloScheda * {
        return new FrmStampaSchedeElementi(c, d, FrmStampaSchedeElementi::Tipo::Togli);
    },
    "VISUALIZZA %1° ESERCIZIO", "Selezione stampante",
    "Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore",
    " Completa la scheda", true};

inline std::string nomeCaso(const ::testing::TestParamInfo<Tipo> &info)
{
    return info.param.nome;
}

// The slot whose picture cell k (0..14) of row r (0..3) of the page shows; nullptr for the
// right boxes of the draw kind, which stay empty. Row r of the draw kind is the set whose slots
// start at 0, 15, 90, 105; the add and remove kinds keep exercise r + 1 at 15r in both arrays.
inline CasellaFigura *casellaDellaCella(const ModuloScheda &modulo, int riga, bool destra, int cella)
{
    if (const auto *d = qobject_cast<const FrmStampaSchede *>(&modulo)) {
        const int basi[] = {0, 15, 90, 105};
        return destra ? nullptr : d->Image1(basi[riga] + cella);
    }
    const auto &e = *qobject_cast<const FrmStampaSchedeElementi *>(&modulo);
    return destra ? e.Image2(15 * riga + cella) : e.Image1(15 * riga + cella);
}

// The gallery entry a picture is a copy of, -1 if none.
inline int indiceGalleria(Contesto &contesto, const QImage &figura)
{
    for (int i = 0; i < Galleria::numeroFigure; ++i)
        if (!contesto.galleria().Image3(i).isNull() && contesto.galleria().Image3(i) == figura)
            return i;
    return -1;
}

inline QAction *voceStampante(const ModuloScheda &modulo, const Tipo &tipo)
{
    const auto voci = modulo.menuBar()->actions();
    for (QAction *voce : voci)
        if (voce->text() == QString::fromUtf8(tipo.voceStampante))
            return voce;
    return nullptr;
}

// Clicks the form's printer entry on its menu bar. While the dialog it opens is up, checks that
// it is the program's printer dialog and modal, picks list entry `indice` (none if negative),
// then presses "C H I U D I". Returns whether the dialog came up modal over the form.
inline bool scegliDalMenu(ModuloScheda &modulo, const Tipo &tipo, FrmStampante &dialogo, int indice)
{
    QAction *voce = voceStampante(modulo, tipo);
    if (!voce)
        return false;
    bool modale = false;
    QTimer::singleShot(0, &dialogo, [&] {
        modale = dialogo.isVisible() && QApplication::activeModalWidget() == &dialogo;
        if (modale && indice >= 0)
            SceltaStampante::scegli(dialogo, indice);
        if (dialogo.isVisible())
            QTest::mouseClick(dialogo.findChild<QPushButton *>(QStringLiteral("Command2")),
                              Qt::LeftButton);
    });
    QMenuBar *barra = modulo.menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(voce).center());
    // If the click opened nothing, the check above has run by now and found no dialog.
    QCoreApplication::processEvents();
    return modale && !dialogo.isVisible();
}

} // namespace TipiScheda
