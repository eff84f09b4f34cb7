#pragma once

#include "worksheets/ModelloScheda.h"

#include <QDate>
#include <QString>

class Contesto;
class QWidget;

// Saves one worksheet page as a PDF file the teacher can share: the same check as "STAMPA"
// that all four sets were prepared, the system's file dialog, then the very page the printer
// gets, drawn by the same routine and written to the chosen file. The worksheet itself is
// only read.
class SalvaScheda
{
public:
    enum class Esito { Incompleta, Annullata, Salvata, Fallita };

    explicit SalvaScheda(Contesto &contesto);

    Esito salva(QWidget *genitore, const ModelloScheda &modello, const QString &messaggioIncompleta);

    // The file name the dialog proposes, e.g. "scheda-disegna-2026-12-09.pdf".
    static QString nomeProposto(ModelloScheda::Tipo tipo, QDate giorno);

private:
    Contesto &m_contesto;
};
