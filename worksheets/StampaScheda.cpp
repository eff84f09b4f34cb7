#include "worksheets/StampaScheda.h"

#include "app/Contesto.h"
#include "platform/Avvisi.h"

// Placeholder until the page frame lands: only the gate.
StampaScheda::StampaScheda(Contesto &contesto)
    : m_contesto(contesto)
{
}

StampaScheda::Esito StampaScheda::stampa(QWidget *genitore, const std::array<bool, 4> &mostrati,
                                         const QString &messaggioIncompleta,
                                         const ContenutoPagina &)
{
    for (bool m : mostrati) {
        if (!m) {
            m_contesto.avvisi().mostra(genitore, messaggioIncompleta);
            return Esito::Incompleta;
        }
    }
    return Esito::Fallita;
}
