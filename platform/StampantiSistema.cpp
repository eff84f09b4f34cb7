#include "platform/StampantiSistema.h"

#include "platform/Interruzione.h"
#include "platform/SuperficieStampaQt.h"

#include <QPageLayout>
#include <QPageSize>

#include <cups/cups.h>

#include <utility>
#include <vector>

namespace {

// CUPS calls take and return UTF-8 C strings.
QString daCups(const char *testo)
{
    return testo ? QString::fromUtf8(testo) : QString();
}

// A destination as the user names it to lp: the queue, or "queue/instance" for one of the
// option sets saved for that queue.
QString nomeDestinazione(const cups_dest_t &destinazione)
{
    const QString coda = daCups(destinazione.name);
    return destinazione.instance ? coda + QLatin1Char('/') + daCups(destinazione.instance) : coda;
}

// A job option by name and value, as the destination keeps it.
using Opzione = std::pair<QByteArray, QByteArray>;

// How long the server may stay silent within one exchange before the program gives up on it,
// when no interruption governs the calling thread. It normally answers at once; one that has
// stopped answering (hung, swamped, a network server gone quiet) would otherwise hold the
// caller for minutes, the CUPS client's own patience.
constexpr double silenzioMassimoSecondi = 2.0;
constexpr int collegamentoMassimoMs = 3000;
// Under an interruption a silent server is waited for in short steps, each time asking the
// interruption whether to go on: a driverless printer that takes seconds to answer its first job
// still prints, and "Annulla" or the end of the time allowed is obeyed within a step.
constexpr double passoAttesaSecondi = 0.2;

int continuaAttesa(http_t *, void *dati)
{
    return static_cast<const Interruzione *>(dati)->continua() ? 1 : 0;
}

// A connection of our own to the server the environment names, with that limit on every wait
// (the library's shared connection cannot be given one). It exists only if the server answered
// a first small question, so a silent server costs one wait, not one per request. Without a
// server there is no connection and every question asked through it fails at once.
class Connessione
{
public:
    Connessione()
        : m_http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              collegamentoMassimoMs, nullptr))
    {
        if (!m_http)
            return;
        if (const Interruzione *interruzione = Interruzione::attiva())
            httpSetTimeout(m_http, passoAttesaSecondi, continuaAttesa,
                           const_cast<Interruzione *>(interruzione));
        else
            httpSetTimeout(m_http, silenzioMassimoSecondi, nullptr, nullptr);
        ipp_t *risposta = cupsDoRequest(m_http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
        if (risposta) {
            ippDelete(risposta);
        } else if (httpError(m_http) != 0) {
            httpClose(m_http);
            m_http = nullptr;
        }
    }
    ~Connessione() { httpClose(m_http); }
    Connessione(const Connessione &) = delete;
    Connessione &operator=(const Connessione &) = delete;

    http_t *http() const { return m_http; }
    explicit operator bool() const { return m_http != nullptr; }

private:
    http_t *m_http;
};

// The destinations as the server lists them now, the default one marked.
struct Destinazioni
{
    explicit Destinazioni(const Connessione &connessione)
    {
        if (connessione)
            numero = cupsGetDests2(connessione.http(), &elenco);
    }
    ~Destinazioni() { cupsFreeDests(numero, elenco); }
    Destinazioni(const Destinazioni &) = delete;
    Destinazioni &operator=(const Destinazioni &) = delete;

    // A queue by its name, or one of its instances as "queue/instance" (a queue name never
    // holds a "/"); nullptr when there is none by that name.
    cups_dest_t *cerca(const QString &nome) const
    {
        if (nome.isEmpty())
            return nullptr;
        const qsizetype barra = nome.indexOf(QLatin1Char('/'));
        const QByteArray coda = nome.left(barra).toUtf8();
        const QByteArray istanza = barra < 0 ? QByteArray() : nome.mid(barra + 1).toUtf8();
        if (barra >= 0 && istanza.isEmpty())
            return nullptr;
        return cupsGetDest(coda.constData(), barra < 0 ? nullptr : istanza.constData(), numero,
                           elenco);
    }

    cups_dest_t *elenco = nullptr;
    int numero = 0;
};

// The job's state as the server reports it right after the submission, 0 when unknown.
int statoLavoro(http_t *http, int lavoro)
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
    ipp_t *risposta = cupsDoRequest(http, richiesta, "/");
    int stato = 0;
    if (risposta) {
        if (ipp_attribute_t *a = ippFindAttribute(risposta, "job-state", IPP_TAG_ENUM))
            stato = ippGetInteger(a, 0);
        ippDelete(risposta);
    }
    return stato;
}

// Sends a finished PDF to the printer as one job with these options; true only when the
// server took all of it.
bool inviaLavoro(const QByteArray &codaUtf8, const QByteArray &titoloUtf8, const QByteArray &pdf,
                 const std::vector<Opzione> &opzioni)
{
    // A print the user has cancelled, or that ran out of time, sends nothing more.
    const Interruzione *interruzione = Interruzione::attiva();
    const auto interrotta = [interruzione] { return interruzione && !interruzione->continua(); };
    if (interrotta())
        return false;
    const Connessione connessione;
    if (!connessione || interrotta())
        return false;
    http_t *http = connessione.http();
    cups_option_t *elenco = nullptr;
    int numero = 0;
    for (const auto &[nome, valore] : opzioni)
        numero = cupsAddOption(nome.constData(), valore.constData(), numero, &elenco);
    const int lavoro = cupsCreateJob(http, codaUtf8.constData(), titoloUtf8.constData(), numero,
                                     elenco);
    cupsFreeOptions(numero, elenco);
    if (lavoro <= 0)
        return false;
    bool riuscito = cupsStartDocument(http, codaUtf8.constData(), lavoro,
                                      titoloUtf8.constData(), CUPS_FORMAT_PDF, 1)
        == HTTP_STATUS_CONTINUE;
    if (riuscito)
        riuscito = cupsWriteRequestData(http, pdf.constData(),
                                        static_cast<size_t>(pdf.size()))
            == HTTP_STATUS_CONTINUE;
    // The document has to be closed in any case, or the connection stays in the middle of it.
    const ipp_status_t esito = cupsFinishDocument(http, codaUtf8.constData());
    riuscito = riuscito && esito <= IPP_STATUS_OK_CONFLICTING;
    if (riuscito) {
        const int stato = statoLavoro(http, lavoro);
        riuscito = stato != IPP_JSTATE_ABORTED && stato != IPP_JSTATE_CANCELED;
    }
    // "Annulla" withdraws the job even when the server has taken all of it.
    riuscito = riuscito && !interrotta();
    if (!riuscito)
        cupsCancelJob2(http, codaUtf8.constData(), lavoro, 0);
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

Foglio foglioPredefinito(http_t *http, cups_dest_t *destinazione)
{
    Foglio foglio;
    cups_dinfo_t *informazioni = cupsCopyDestInfo(http, destinazione);
    if (!informazioni)
        return foglio;
    // The printer's default media as it states it: size and margins in hundredths of a
    // millimetre. (cupsGetDestMediaDefault() falls back to Letter when the PPD's A4 is a
    // hundredth off the standard size, so the collection is read directly.)
    if (ipp_attribute_t *supporto = cupsFindDestDefault(http, destinazione,
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
    if (ipp_attribute_t *risoluzione = cupsFindDestDefault(http, destinazione,
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
    // Each queue, followed by the instances the user saved for it, as lp names them.
    const Connessione connessione;
    const Destinazioni destinazioni(connessione);
    QStringList risultato;
    for (int i = 0; i < destinazioni.numero; ++i) {
        const QString nome = nomeDestinazione(destinazioni.elenco[i]);
        if (!nome.isEmpty() && !risultato.contains(nome))
            risultato.append(nome);
    }
    return risultato;
}

QString StampantiSistema::predefinita() const
{
    // The list marks the default as the user's settings (lpoptions) and the server name it.
    // Printers without a default are common on a fresh machine: then the first one stands in,
    // so the program has a printer to print on from the start, as a choice in the list would.
    const Connessione connessione;
    const Destinazioni destinazioni(connessione);
    QString prima;
    for (int i = 0; i < destinazioni.numero; ++i) {
        const QString nome = nomeDestinazione(destinazioni.elenco[i]);
        if (destinazioni.elenco[i].is_default && !nome.isEmpty())
            return nome;
        if (prima.isEmpty())
            prima = nome;
    }
    return prima;
}

namespace {

// A paused queue (stopped, still accepting) keeps the job until it is started again, as it does
// for lp; only a queue that refuses jobs turns one away. A printer found on the network and not
// yet set up says nothing about either, and takes jobs.
bool prendeLavori(const cups_dest_t *d)
{
    const char *accetta = cupsGetOption("printer-is-accepting-jobs", d->num_options, d->options);
    return !accetta || qstrcmp(accetta, "true") == 0;
}

// A printer found on the network and not yet set up has no queue on the server until a
// program connects to it: the server then makes a temporary one, under the name the list gave
// it. Every other destination has its queue already.
bool codaSulServer(cups_dest_t *d)
{
    if (cupsGetOption("printer-uri-supported", d->num_options, d->options))
        return true;
    http_t *http = cupsConnectDest(d, CUPS_DEST_FLAGS_NONE, collegamentoMassimoMs, nullptr,
                                   nullptr, 0, nullptr, nullptr);
    httpClose(http);
    return http != nullptr && cupsGetOption("printer-uri-supported", d->num_options, d->options);
}

// What lp sends along with a job on this destination: every option the destination keeps (the
// printer's defaults, then the user's saved ones, an instance's own over its queue's), the job
// itself setting none.
std::vector<Opzione> opzioniDelLavoro(const cups_dest_t *d)
{
    std::vector<Opzione> opzioni;
    opzioni.reserve(static_cast<size_t>(d->num_options));
    for (int i = 0; i < d->num_options; ++i)
        opzioni.emplace_back(d->options[i].name, d->options[i].value);
    return opzioni;
}

} // namespace

std::unique_ptr<SuperficieStampa> StampantiSistema::apriDocumento(const QString &nome)
{
    // A printer refusing jobs would drop the page: it opens no document.
    Foglio foglio;
    QByteArray coda;
    std::vector<Opzione> opzioni;
    {
        const Connessione connessione;
        const Destinazioni destinazioni(connessione);
        cups_dest_t *d = destinazioni.cerca(nome);
        if (!d || !prendeLavori(d) || !codaSulServer(d))
            return nullptr;
        foglio = foglioPredefinito(connessione.http(), d);
        coda = QByteArray(d->name);
        opzioni = opzioniDelLavoro(d);
    }

    const QByteArray titolo = m_titoloLavoro.toUtf8();
    return std::make_unique<SuperficieStampaQt>(
        foglio.pagina, foglio.dpi, m_titoloLavoro,
        [coda, titolo, opzioni](const QByteArray &pdf) {
            return inviaLavoro(coda, titolo, pdf, opzioni);
        });
}
