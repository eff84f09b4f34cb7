#include "platform/StampantiSistema.h"

#include "platform/SuperficieStampaQt.h"

#include <QPageLayout>
#include <QPageSize>

#include <cups/cups.h>

namespace {

// CUPS calls take and return UTF-8 C strings.
QString daCups(const char *testo)
{
    return testo ? QString::fromUtf8(testo) : QString();
}

struct Destinazioni
{
    Destinazioni() { numero = cupsGetDests2(CUPS_HTTP_DEFAULT, &elenco); }
    ~Destinazioni() { cupsFreeDests(numero, elenco); }
    Destinazioni(const Destinazioni &) = delete;
    Destinazioni &operator=(const Destinazioni &) = delete;

    cups_dest_t *elenco = nullptr;
    int numero = 0;
};

// The job's state as the server reports it right after the submission, 0 when unknown.
int statoLavoro(int lavoro)
{
    ipp_t *richiesta = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/jobs/%d", lavoro);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "job-state");
    ipp_t *risposta = cupsDoRequest(CUPS_HTTP_DEFAULT, richiesta, "/");
    int stato = 0;
    if (risposta) {
        if (ipp_attribute_t *a = ippFindAttribute(risposta, "job-state", IPP_TAG_ENUM))
            stato = ippGetInteger(a, 0);
        ippDelete(risposta);
    }
    return stato;
}

// Sends a finished PDF to the printer as one job; true only when the server took all of it.
bool inviaLavoro(const QByteArray &codaUtf8, const QByteArray &titoloUtf8, const QByteArray &pdf)
{
    const int lavoro = cupsCreateJob(CUPS_HTTP_DEFAULT, codaUtf8.constData(),
                                     titoloUtf8.constData(), 0, nullptr);
    if (lavoro <= 0)
        return false;
    bool riuscito = cupsStartDocument(CUPS_HTTP_DEFAULT, codaUtf8.constData(), lavoro,
                                      titoloUtf8.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    if (riuscito)
        riuscito = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                        static_cast<size_t>(pdf.size()))
            == HTTP_STATUS_CONTINUE;
    // The document has to be closed in any case, or the connection stays in the middle of it.
    const ipp_status_t esito = cupsFinishDocument(CUPS_HTTP_DEFAULT, codaUtf8.constData());
    riuscito = riuscito && esito <= IPP_STATUS_OK_CONFLICTING;
    if (riuscito) {
        const int stato = statoLavoro(lavoro);
        riuscito = stato != IPP_JSTATE_ABORTED && stato != IPP_JSTATE_CANCELED;
    }
    if (!riuscito)
        cupsCancelJob2(CUPS_HTTP_DEFAULT, codaUtf8.constData(), lavoro, 0);
    return riuscito;
}

// The paper, its printable area and the resolution the printer uses when a job asks for
// nothing else. CUPS is asked directly: Qt's printer description invents margins and a
// resolution of its own for some drivers.
struct Foglio
{
    QPageLayout pagina{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()};
    int dpi = 300;
};

Foglio foglioPredefinito(cups_dest_t *destinazione)
{
    Foglio foglio;
    cups_dinfo_t *informazioni = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destinazione);
    if (!informazioni)
        return foglio;
    // The printer's default media as it states it: size and margins in hundredths of a
    // millimetre. (cupsGetDestMediaDefault() falls back to Letter when the PPD's A4 is a
    // hundredth off the standard size, so the collection is read directly.)
    if (ipp_attribute_t *supporto = cupsFindDestDefault(CUPS_HTTP_DEFAULT, destinazione,
                                                        informazioni, "media-col")) {
        ipp_t *collezione = ippGetCollection(supporto, 0);
        ipp_attribute_t *dimensioni = ippFindAttribute(collezione, "media-size",
                                                       IPP_TAG_BEGIN_COLLECTION);
        ipp_t *misura = dimensioni ? ippGetCollection(dimensioni, 0) : nullptr;
        auto intero = [](ipp_t *c, const char *nome) {
            ipp_attribute_t *a = c ? ippFindAttribute(c, nome, IPP_TAG_INTEGER) : nullptr;
            return a ? ippGetInteger(a, 0) : 0;
        };
        const int larghezza = intero(misura, "x-dimension");
        const int altezza = intero(misura, "y-dimension");
        if (larghezza > 0 && altezza > 0) {
            const QPageSize carta(QSizeF(larghezza / 100.0, altezza / 100.0), QPageSize::Millimeter,
                                  QString(), QPageSize::FuzzyMatch);
            const QMarginsF margini(intero(collezione, "media-left-margin") / 100.0,
                                    intero(collezione, "media-top-margin") / 100.0,
                                    intero(collezione, "media-right-margin") / 100.0,
                                    intero(collezione, "media-bottom-margin") / 100.0);
            QPageLayout pagina(carta, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
            pagina.setMargins(margini);
            if (pagina.isValid() && pagina.margins() == margini)
                foglio.pagina = pagina;
        }
    }
    if (ipp_attribute_t *risoluzione = cupsFindDestDefault(CUPS_HTTP_DEFAULT, destinazione,
                                                           informazioni, "printer-resolution")) {
        ipp_res_t unita;
        int verticale = 0;
        const int orizzontale = ippGetResolution(risoluzione, 0, &verticale, &unita);
        const int dpi = unita == IPP_RES_PER_CM ? qRound(orizzontale * 2.54) : orizzontale;
        if (dpi >= 72 && dpi <= 4800)
            foglio.dpi = dpi;
    }
    cupsFreeDestInfo(informazioni);
    return foglio;
}

} // namespace

StampantiSistema::StampantiSistema(QString titoloLavoro)
    : m_titoloLavoro(std::move(titoloLavoro))
{
}

QStringList StampantiSistema::nomi() const
{
    // One entry per queue: instances (saved option sets of a queue) are not separate printers.
    const Destinazioni destinazioni;
    QStringList risultato;
    for (int i = 0; i < destinazioni.numero; ++i) {
        const QString nome = daCups(destinazioni.elenco[i].name);
        if (!nome.isEmpty() && !risultato.contains(nome))
            risultato.append(nome);
    }
    return risultato;
}

QString StampantiSistema::predefinita() const
{
    cups_dest_t *predefinita = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!predefinita)
        return {};
    const QString nome = daCups(predefinita->name);
    cupsFreeDests(1, predefinita);
    return nome;
}

namespace {

// The named printer as the server describes it now, or nullptr.
cups_dest_t *destinazione(const QString &nome)
{
    if (nome.isEmpty())
        return nullptr;
    return cupsGetNamedDest(CUPS_HTTP_DEFAULT, nome.toUtf8().constData(), nullptr);
}

bool prontaPerUnLavoro(const cups_dest_t *d)
{
    const char *stato = cupsGetOption("printer-state", d->num_options, d->options);
    const char *accetta = cupsGetOption("printer-is-accepting-jobs", d->num_options, d->options);
    const bool fermata = stato && QByteArray(stato).toInt() == IPP_PSTATE_STOPPED;
    const bool rifiuta = accetta && qstrcmp(accetta, "true") != 0;
    return !fermata && !rifiuta;
}

} // namespace

bool StampantiSistema::pronta(const QString &nome)
{
    cups_dest_t *d = destinazione(nome);
    const bool risultato = d && prontaPerUnLavoro(d);
    if (d)
        cupsFreeDests(1, d);
    return risultato;
}

std::unique_ptr<SuperficieStampa> StampantiSistema::apriDocumento(const QString &nome)
{
    // A stopped printer would keep the job waiting and one refusing jobs would drop it: neither
    // prints the page now, so neither opens a document.
    cups_dest_t *d = destinazione(nome);
    if (!d)
        return nullptr;
    if (!prontaPerUnLavoro(d)) {
        cupsFreeDests(1, d);
        return nullptr;
    }
    const Foglio foglio = foglioPredefinito(d);
    cupsFreeDests(1, d);

    const QByteArray coda = nome.toUtf8();
    const QByteArray titolo = m_titoloLavoro.toUtf8();
    return std::make_unique<SuperficieStampaQt>(
        foglio.pagina, foglio.dpi, m_titoloLavoro,
        [coda, titolo](const QByteArray &pdf) { return inviaLavoro(coda, titolo, pdf); });
}
