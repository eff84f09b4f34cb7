#pragma once

#include "worksheets/ModelloScheda.h"
#include "worksheets/ModuloScheda.h"

#include <QPointer>
#include <QPushButton>
#include <QString>

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

class CasellaFigura;
class Contesto;
class DialogoStampante;
class FrmStampante;
class GeneratoreFinto;
class QComboBox;
class QLabel;

// The three worksheet kinds as a user meets them, and the ways a test drives them: opening a
// form, pressing its buttons by caption, its printer menu entry, the printer dialog's list.
// Handlers are never called directly.
namespace Schede {

enum class Tipo { Disegno, Aggiungi, Togli };
inline constexpr std::array<Tipo, 3> tutti = {Tipo::Disegno, Tipo::Aggiungi, Tipo::Togli};

// A kind's own texts, exactly as the user reads them.
struct Testi
{
    const char *nome;
    const char *pulsanteInsieme; // caption with %1 for the number
    const char *voceStampante;
    const char *istruzione;
    const char *messaggio;       // "STAMPA" before all four sets were made
    bool dueRiquadri;            // the page's right boxes hold the second sets
};

const Testi &testi(Tipo tipo);
const char *nome(Tipo tipo);
Tipo tipoDi(const ModuloScheda &modulo);
ModelloScheda::Tipo tipoModello(Tipo tipo);
void PrintTo(Tipo tipo, std::ostream *os);
std::string nomeCaso(const ::testing::TestParamInfo<Tipo> &info);

// A new worksheet form of this kind, shown; it deletes itself when closed.
ModuloScheda *apri(Contesto &contesto, DialogoStampante &dialogo, Tipo tipo);
// A worksheet form that goes when the test ends, however it ends.
struct Aperto
{
    Aperto(Contesto &contesto, DialogoStampante &dialogo, Tipo tipo)
        : modulo(apri(contesto, dialogo, tipo))
    {
    }
    ~Aperto() { delete modulo.data(); }
    Aperto(const Aperto &) = delete;
    Aperto &operator=(const Aperto &) = delete;
    ModuloScheda &operator*() const { return *modulo; }
    ModuloScheda *operator->() const { return modulo.data(); }
    ModuloScheda *get() const { return modulo.data(); }

    QPointer<ModuloScheda> modulo;
};

// The button with this caption, nullptr if the form has none.
QPushButton *pulsante(const QWidget *modulo, const QString &testo);
// Clicks the visible button with this caption.
void premi(QWidget *modulo, const QString &testo);
// Presses the button of set s (1..4).
void premiInsieme(ModuloScheda &modulo, int insieme);
// Presses the buttons of sets 2 to 4, turning to the second half of the preview as needed.
void generaTutti(ModuloScheda &modulo);
// Presses "STAMPA" and waits until the press has been dealt with (the page goes on a worker).
void premiStampa(ModuloScheda &modulo);
// A press of "STAMPA" on a worksheet form sends its page on a worker: this waits until it
// has been dealt with. Anything else returns at once.
void attendiStampa(QWidget *modulo);
void premiEsci(ModuloScheda &modulo);

// The preview slot that shows cell k (0..14) of a set of exercise e (1..4); nullptr for the
// second set of the draw kind, which the preview does not have.
CasellaFigura *casella(const ModuloScheda &modulo, int esercizio, ModelloScheda::Insieme insieme,
                       int cella);

// The fifteen preview slots from `base`, as `slot(i)` gives slot i, form a grid in their frame:
// slot base + k in column k mod 5 and row k div 5, left to right and top to bottom.
::testing::AssertionResult grigliaCinquePerTre(const std::function<const QWidget *(int)> &slot, int base);

// Clicks the entry with this caption on the form's menu bar with the mouse; false when the menu
// bar has no such entry.
bool premiVoce(ModuloScheda &modulo, const QString &testo);

// Clicks "Schede per la classe…" on the form's menu bar, asks its dialog for quante worksheets
// by typing the number, and presses the dialog's button with this caption. With attendi, waits
// until the set has been printed or saved. False when the entry or the dialog is missing.
bool serieDalMenu(ModuloScheda &modulo, int quante, const QString &pulsante, bool attendi = true);

// Clicks the form's printer entry (the kind's own caption) on its menu bar; while the dialog it
// opens is up, runs act() in it, then presses "C H I U D I". True when the dialog came up
// modal and went back hidden.
bool dialogoDalMenu(ModuloScheda &modulo, DialogoStampante &dialogo,
                    const std::function<void(FrmStampante &)> &act = {});
// Shows the dialog modally, lets act() run inside it, then presses "C H I U D I".
// Returns whether the dialog came back hidden.
bool apriEChiudi(FrmStampante &dialogo, const std::function<void()> &act = {});

// The printer dialog's list and labels, by their design names.
// Waits until the dialog has shown every answer of the printers it asked for.
void attendiRisposte(FrmStampante &dialogo);
// These wait for the dialog's answers first.
QComboBox *lista(FrmStampante &dialogo);
QLabel *etichetta(FrmStampante &dialogo, const char *nome);
// Opens the list and picks the entry with this index with the keyboard, as a user would.
void scegli(FrmStampante &dialogo, int indice);

// The draws of one draw-worksheet set: picture, count, then the slots (relative to the base).
void accodaInsieme(GeneratoreFinto &g, int figura, int base, const std::vector<int> &slot);
// The draws of one add/remove exercise: picture, n, the first set's slots, then d.
void accodaEsercizio(GeneratoreFinto &g, int figura, int base, const std::vector<int> &slot, int d);

} // namespace Schede
