#pragma once

#include "worksheets/ModelloScheda.h"

#include <QDate>
#include <QString>
#include <vector>

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

    // A class set in two steps. First the file dialog, on the interface thread: the chosen
    // path, empty when the teacher cancelled.
    QString percorsoSerie(QWidget *genitore, ModelloScheda::Tipo tipo);
    // Then the pages, written to that file whole or not at all, on any thread; when the
    // thread's interruption gives up the work the file is not touched. On failure, messaggio
    // says what and where, as for a single sheet.
    struct EsitoSerie
    {
        Esito esito;
        QString messaggio;
    };
    static EsitoSerie scriviSerie(const QString &percorso, const std::vector<ContenutoPagina> &pagine);
    // e.g. "schede-aggiungi-classe-2026-12-09.pdf".
    static QString nomePropostoSerie(ModelloScheda::Tipo tipo, QDate giorno);

private:
    Contesto &m_contesto;
};
