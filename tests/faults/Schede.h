#pragma once

#include "worksheets/ModuloScheda.h"

#include <QPointer>
#include <QString>

#include <functional>

class Contesto;
class DialogoStampante;
class FrmStampante;
class QComboBox;
class QLabel;

// Drives the three worksheet forms as a user would: by their captions, their menu entry and
// their buttons, never by calling their handlers.
namespace Schede {

enum class Tipo { Disegno, Aggiungi, Togli };

const char *nome(Tipo tipo);

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

    QPointer<ModuloScheda> modulo;
};

// Presses the buttons of sets 2 to 4, turning to the second half of the preview as needed.
void generaTutti(ModuloScheda &modulo);
// Presses "STAMPA".
void premiStampa(ModuloScheda &modulo);
// Presses "ESCI".
void premiEsci(ModuloScheda &modulo);
// Opens the printer dialog from the form's menu entry, runs act() inside it while it is shown,
// then presses "C H I U D I". False when the dialog did not come back hidden.
bool dialogoDalMenu(ModuloScheda &modulo, DialogoStampante &dialogo,
                    const std::function<void(FrmStampante &)> &act = {});

// The printer dialog's list and labels, by their design names.
QComboBox *lista(FrmStampante &dialogo);
QLabel *etichetta(FrmStampante &dialogo, const char *nome);
// Opens the list and picks the entry with this index with the keyboard, as a user would.
void scegli(FrmStampante &dialogo, int indice);

// How many pages a PDF file holds, as poppler reads it; 0 when it cannot be read.
int pagine(const QString &pdf);

} // namespace Schede
