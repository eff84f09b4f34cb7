#include "worksheets/StampaScheda.h"

#include "comune/Contesto.h"
#include "platform/Avvisi.h"
#include "platform/Stampanti.h"
#include "platform/SuperficieStampa.h"
#include "worksheets/PaginaScheda.h"

#include <algorithm>

namespace {
const QString problemaStampa = QStringLiteral("Problema di stampa nella stampante utilizzata.");
} // namespace

StampaScheda::StampaScheda(Contesto &contesto)
    : m_contesto(contesto)
{
}

StampaScheda::Esito StampaScheda::stampa(QWidget *genitore, const std::array<bool, 4> &mostrati,
                                         const QString &messaggioIncompleta,
                                         const ContenutoPagina &pagina)
{
    if (!std::all_of(mostrati.begin(), mostrati.end(), [](bool m) { return m; })) {
        m_contesto.avvisi().mostra(genitore, messaggioIncompleta);
        return Esito::Incompleta;
    }

    // The heading: a printer that cannot even open a document fails here.
    auto documento = m_contesto.stampanti().apriDocumento(m_contesto.stampanteCorrente());
    const bool intestazioneRiuscita
        = documento && PaginaScheda::intestazione(*documento, pagina.istruzione);
    if (!intestazioneRiuscita)
        m_contesto.avvisi().mostra(genitore, problemaStampa);
    // Without a document there is nothing the rest of the page could be drawn on.
    if (!documento)
        return Esito::Fallita;

    // The rest of the page still goes on after a failed heading; a failure there abandons the
    // document, and the user hears about the trouble only once per print.
    if (!PaginaScheda::corpo(*documento, pagina)) {
        documento->annulla();
        if (intestazioneRiuscita)
            m_contesto.avvisi().mostra(genitore, problemaStampa);
        return Esito::Fallita;
    }
    return intestazioneRiuscita ? Esito::Stampata : Esito::Fallita;
}
