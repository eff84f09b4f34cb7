#pragma once

#include <QString>

#include <functional>

class FrmStampante;
class QComboBox;
class QLabel;

// Drives the printer dialog as a user would: through the list's popup and the close button.
namespace SceltaStampante {

QComboBox *combo(FrmStampante &dialogo);
QLabel *etichetta(FrmStampante &dialogo, const char *nome);
// Opens the list and picks the entry with this index with the keyboard, as a user would.
void scegli(FrmStampante &dialogo, int indice);
// Shows the dialog modally, lets act() run inside it, then presses "C H I U D I".
// Returns whether mostraModale() came back.
bool apriEChiudi(FrmStampante &dialogo, const std::function<void()> &act = {});

} // namespace SceltaStampante
