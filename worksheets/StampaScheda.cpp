#include "worksheets/StampaScheda.h"

#include "platform/Stampanti.h"
#include "platform/SuperficieStampa.h"
#include "worksheets/PaginaScheda.h"

StampaScheda::Esito StampaScheda::stampa(Stampanti &stampanti, const QString &stampante,
                                         const ContenutoPagina &pagina)
{
    // The heading: a printer that cannot even open a document fails here, and without a
    // document there is nothing the rest of the page could be drawn on.
    auto documento = stampanti.apriDocumento(stampante);
    if (!documento)
        return Esito::Fallita;
    const bool intestazioneRiuscita = PaginaScheda::intestazione(*documento, pagina.istruzione);

    // The rest of the page still goes on after a failed heading; a failure there abandons the
    // document. Either way the user hears of the trouble once.
    if (!PaginaScheda::corpo(*documento, pagina)) {
        documento->annulla();
        return Esito::Fallita;
    }
    return intestazioneRiuscita ? Esito::Stampata : Esito::Fallita;
}

StampaScheda::Esito StampaScheda::stampaSerie(Stampanti &stampanti, const QString &stampante,
                                              const std::vector<ContenutoPagina> &pagine)
{
    auto documento = stampanti.apriDocumento(stampante);
    if (!documento)
        return Esito::Fallita;
    if (PaginaScheda::serie(*documento, pagine))
        return Esito::Stampata;
    documento->annulla();
    return Esito::Fallita;
}
