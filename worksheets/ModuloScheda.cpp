#include "worksheets/ModuloScheda.h"

#include "comune/Contesto.h"
#include "comune/Galleria.h"
#include "comune/ScalaturaModulo.h"
#include "platform/PulsanteGrande.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/DialogoSerie.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/SerieSchede.h"
#include "worksheets/StampaInCorso.h"
#include "worksheets/SalvaScheda.h"
#include "worksheets/StampaScheda.h"
#include "platform/Aspetto.h"
#include "platform/Avvisi.h"
#include "platform/FineModulo.h"
#include "platform/InSottofondo.h"
#include "platform/Interruzione.h"
#include "platform/Voce.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <chrono>

namespace {
const QString problemaStampa = QStringLiteral("Problema di stampa nella stampante utilizzata.");
const QString testoSecondaParte = QStringLiteral("Visualizza la seconda parte");
const QString testoPrimaParte = QStringLiteral("Visualizza la prima parte");
// A server that takes seconds over a driverless printer's first job still prints; one that
// never answers is given up after this.
constexpr std::chrono::seconds tempoMassimoStampa{60};
// Writing a file has no server to wait for; this only bounds a disk that stops answering.
constexpr std::chrono::seconds tempoMassimoSalvataggio{600};
const QString salvataggioInCorso = QStringLiteral("Salvataggio in corso…");
const QColor coloreTitolo(192, 0, 0);
}

ModuloScheda::ModuloScheda(Contesto &contesto, DialogoStampante &dialogo,
                           ModelloScheda::Tipo tipo, const QString &titolo,
                           QSizeF clientProgettoTwips, QWidget *parent)
    : QMainWindow(parent)
    , m_contesto(contesto)
    , m_dialogoStampante(dialogo)
    , m_client(new QWidget(this))
    , m_scalatura(new ScalaturaModulo(m_client, clientProgettoTwips, this))
    , m_modello(tipo, contesto.casuale(), contesto.orologio())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titolo);

    Aspetto::coloraSfondo(m_client, Aspetto::rosaChiaro);
    setCentralWidget(m_client);
}

ContenutoPagina ModuloScheda::contenutoPagina() const
{
    return m_modello.contenutoPagina(m_contesto.galleria());
}

QLabel *ModuloScheda::creaTitolo(QWidget *genitore, const Didascalia &titolo, const QRectF &progetto)
{
    auto *etichetta = new QLabel(titolo.testo, genitore);
    etichetta->setFont(Aspetto::arial(20.25));
    etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Aspetto::coloraTesto(etichetta, coloreTitolo);
    m_scalatura->aggiungi(etichetta, progetto);
    m_titoli.append(titolo.detta);
    return etichetta;
}

QPushButton *ModuloScheda::creaPulsante(QWidget *genitore, const QString &testo,
                                        const QRectF &progetto, bool rosa)
{
    QPushButton *pulsante = nullptr;
    if (rosa) {
        auto *grafico = new PulsanteGrande(testo, genitore);
        grafico->setColore(Aspetto::rosa);
        grafico->setCorniceFuoco(true);
        pulsante = grafico;
    } else {
        pulsante = new QPushButton(testo, genitore);
    }
    pulsante->setFont(Aspetto::arial(8.25, false));
    m_scalatura->aggiungi(pulsante, progetto);
    return pulsante;
}

CasellaFigura *ModuloScheda::creaCasella(QWidget *genitore, const QRectF &progetto)
{
    auto *casella = new CasellaFigura(genitore);
    m_scalatura->aggiungi(casella, progetto);
    return casella;
}

void ModuloScheda::mostraFigure(CasellaFigura *const *caselle, const std::vector<int> &figure,
                                const QString &quale)
{
    const Galleria &galleria = m_contesto.galleria();
    int soggetto = 0;
    int copie = 0;
    for (std::size_t k = 0; k < figure.size(); ++k) {
        const QString nome = Galleria::soggetto(figure[k]);
        caselle[k]->impostaFigura(galleria.figura(figure[k]), nome);
        if (!nome.isEmpty()) {
            soggetto = figure[k];
            ++copie;
        }
    }
    if (!figure.empty())
        caselle[0]->parentWidget()->setAccessibleName(
            QStringLiteral("%1: %2").arg(quale, Galleria::quantita(soggetto, copie)));
}

QAction *ModuloScheda::creaVoceStampante(const QString &testo)
{
    QAction *voce = menuBar()->addAction(testo);
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    connect(voce, &QAction::triggered, this,
            [this] { m_dialogoStampante.mostra(); });
    return voce;
}

QAction *ModuloScheda::creaVoceSalvaPdf(const QString &messaggioIncompleta)
{
    QAction *voce = menuBar()->addAction(QStringLiteral("Salva come PDF…"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    connect(voce, &QAction::triggered, this, [this, messaggioIncompleta] {
        SalvaScheda(m_contesto).salva(this, m_modello, messaggioIncompleta);
    });
    return voce;
}

QAction *ModuloScheda::creaVoceSerie()
{
    QAction *voce = menuBar()->addAction(QStringLiteral("Schede per la classe…"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    connect(voce, &QAction::triggered, this, &ModuloScheda::apriDialogoSerie);
    return voce;
}

void ModuloScheda::apriDialogoSerie()
{
    if (m_stampaInCorso)
        return;
    auto *dialogo = new DialogoSerie(this);
    dialogo->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialogo, &QDialog::finished, this, [this, dialogo] {
        switch (dialogo->scelta()) {
        case DialogoSerie::Scelta::Stampa:
            stampaSerie(dialogo->quante());
            break;
        case DialogoSerie::Scelta::SalvaPdf:
            salvaSerie(dialogo->quante());
            break;
        case DialogoSerie::Scelta::Annulla:
            break;
        }
    });
    dialogo->open();
}

std::vector<ContenutoPagina> ModuloScheda::pagineSerie(int quante) const
{
    // The pages share the gallery's pictures: a set of sixty holds no more images than one.
    std::vector<ContenutoPagina> pagine;
    for (const ModelloScheda &scheda :
         SerieSchede::genera(m_modello.tipo(), quante, m_contesto.casuale(), m_contesto.orologio()))
        pagine.push_back(scheda.contenutoPagina(m_contesto.galleria()));
    return pagine;
}

void ModuloScheda::stampaSerie(int quante)
{
    if (m_stampaInCorso)
        return;
    inSottofondo(
        StampaInCorso::testoStampa, tempoMassimoStampa,
        [&stampanti = m_contesto.stampanti(), stampante = m_contesto.stampanteCorrente(),
         pagine = pagineSerie(quante)] {
            return StampaScheda::stampaSerie(stampanti, stampante, pagine)
                    == StampaScheda::Esito::Stampata
                ? QString()
                : problemaStampa;
        },
        problemaStampa);
}

void ModuloScheda::salvaSerie(int quante)
{
    if (m_stampaInCorso)
        return;
    const QString percorso = SalvaScheda(m_contesto).percorsoSerie(this, m_modello.tipo());
    if (percorso.isEmpty())
        return;
    // Cancelling a save is the teacher's own choice: nothing is written and nothing is said.
    inSottofondo(
        salvataggioInCorso, tempoMassimoSalvataggio,
        [percorso, pagine = pagineSerie(quante)] {
            return SalvaScheda::scriviSerie(percorso, pagine).messaggio;
        },
        QString());
}

void ModuloScheda::impostaMeta(QWidget *prima, QWidget *seconda, QPushButton *scambio,
                               const QString &primaDopoScambio)
{
    m_metaPrima = prima;
    m_metaSeconda = seconda;
    m_scambioMeta = scambio;
    m_primaDopoScambio = primaDopoScambio;
    connect(scambio, &QPushButton::clicked, this, [this] {
        m_modello.scambiaMeta();
        mostraMeta(true);
    });
    mostraMeta(false);
}

void ModuloScheda::generaNelModello(int esercizio)
{
    m_modello.genera(esercizio);
    mostraMeta(false);
}

void ModuloScheda::mostraMeta(bool dopoScambio)
{
    const bool prima = m_modello.meta() == ModelloScheda::Meta::Prima;
    m_scambioMeta->setText(prima ? testoSecondaParte : dopoScambio ? m_primaDopoScambio : testoPrimaParte);
    m_metaPrima->setVisible(prima);
    m_metaSeconda->setVisible(!prima);
}

void ModuloScheda::catturaProporzioni()
{
    m_scalatura->cattura();
    m_modello.ricomincia();
}

void ModuloScheda::preparaApertura()
{
    const QSize clientPixel = m_scalatura->dimensioneProgettoPixel();
    resize(clientPixel.width(), clientPixel.height() + menuBar()->sizeHint().height());
    setWindowState(windowState() | Qt::WindowMaximized);
    // The title and the initial situation, for a child who cannot read them yet.
    m_contesto.voce().dici(m_titoli.join(QLatin1Char(' ')));
}

ModuloScheda::~ModuloScheda()
{
    // The worksheet forms derived from this one add no destructor of their own: this runs
    // before any of their children goes.
    FineModulo::staccaGestori(*this);
    // A print still under way gives up, so that its worker lets go of the printers soon.
    if (m_interruzione)
        m_interruzione->annulla();
}

void ModuloScheda::stampaPagina(const QString &messaggioIncompleta)
{
    if (m_stampaInCorso)
        return;
    if (!m_modello.completa()) {
        m_contesto.avvisi().mostra(this, messaggioIncompleta);
        Q_EMIT stampaConclusa();
        return;
    }

    inSottofondo(
        StampaInCorso::testoStampa, tempoMassimoStampa,
        [&stampanti = m_contesto.stampanti(), stampante = m_contesto.stampanteCorrente(),
         pagina = contenutoPagina()] {
            return StampaScheda::stampa(stampanti, stampante, pagina) == StampaScheda::Esito::Stampata
                ? QString()
                : problemaStampa;
        },
        problemaStampa);
}

void ModuloScheda::inSottofondo(const QString &attesa, std::chrono::seconds limite, Lavoro lavoro,
                                const QString &seAnnullata)
{
    // Every exchange with the printers, and every page drawn, happens on a worker; the form
    // only waits, painted.
    m_interruzione = std::make_shared<Interruzione>(limite, m_contesto.orologio());
    m_stampaInCorso = new StampaInCorso(this, m_interruzione, attesa);
    StampaInCorso *corsa = m_stampaInCorso;
    connect(corsa, &StampaInCorso::annullata, this,
            [this, seAnnullata] { concludiStampa(seAnnullata); });
    InSottofondo::esegui(
        corsa,
        [interruzione = m_interruzione, lavoro = std::move(lavoro)] {
            const Interruzione::Ambito ambito(*interruzione);
            return lavoro();
        },
        [this, corsa](const QString &messaggio) {
            // Work given up with "Annulla" has been dealt with already.
            if (m_stampaInCorso == corsa)
                concludiStampa(messaggio);
        });
}

void ModuloScheda::concludiStampa(const QString &messaggio)
{
    StampaInCorso *corsa = m_stampaInCorso;
    m_stampaInCorso = nullptr;
    corsa->termina();
    corsa->deleteLater();
    m_interruzione.reset();
    if (!messaggio.isEmpty())
        m_contesto.avvisi().mostra(this, messaggio);
    Q_EMIT stampaConclusa();
}

bool ModuloScheda::stampaInCorso() const
{
    return m_stampaInCorso != nullptr;
}

QWidget *ModuloScheda::finestraStampaInCorso() const
{
    return m_stampaInCorso ? m_stampaInCorso->finestra() : nullptr;
}

void ModuloScheda::closeEvent(QCloseEvent *event)
{
    // "ESCI" and every other way of closing end here; a second request while the form is
    // already going away must not call the start screen again.
    if (!m_inChiusura) {
        m_inChiusura = true;
        Q_EMIT tornaInizio();
    }
    event->accept();
}
