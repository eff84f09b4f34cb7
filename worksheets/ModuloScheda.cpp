#include "worksheets/ModuloScheda.h"

#include "comune/Contesto.h"
#include "comune/Galleria.h"
#include "comune/ScalaturaModulo.h"
#include "platform/PulsanteGrande.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/DialogoStampante.h"
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

    // Every exchange with the printers happens on a worker; the form only waits, painted.
    m_interruzione = std::make_shared<Interruzione>(tempoMassimoStampa);
    m_stampaInCorso = new StampaInCorso(this, m_interruzione);
    StampaInCorso *corsa = m_stampaInCorso;
    connect(corsa, &StampaInCorso::annullata, this, [this] { concludiStampa(false); });
    InSottofondo::esegui(
        corsa,
        [&stampanti = m_contesto.stampanti(), interruzione = m_interruzione,
         stampante = m_contesto.stampanteCorrente(), pagina = contenutoPagina()] {
            const Interruzione::Ambito ambito(*interruzione);
            return StampaScheda::stampa(stampanti, stampante, pagina);
        },
        [this, corsa](StampaScheda::Esito esito) {
            // A print given up with "Annulla" has been dealt with already.
            if (m_stampaInCorso == corsa)
                concludiStampa(esito == StampaScheda::Esito::Stampata);
        });
}

void ModuloScheda::concludiStampa(bool riuscita)
{
    StampaInCorso *corsa = m_stampaInCorso;
    m_stampaInCorso = nullptr;
    corsa->termina();
    corsa->deleteLater();
    m_interruzione.reset();
    if (!riuscita)
        m_contesto.avvisi().mostra(this, problemaStampa);
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
