#include "Partita.h"

#include "AiutiPartita.h"
#include "StampantiSoak.h"
#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "comune/Contesto.h"
#include "platform/InSottofondo.h"
#include "platform/StampantiSistema.h"
#include "support/CupsPrivato.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/DialogoSerie.h"
#include "worksheets/FrmStampante.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace soak;

volatile std::sig_atomic_t eventoSoakInCorso = -1;
Partita::Partita(const std::vector<Evento> &eventi, const std::vector<int> &scelti,
                 const OpzioniPartita &opzioni)
    : m_eventi(eventi)
    , m_scelti(scelti)
    , m_opzioni(opzioni)
    , m_casuale(opzioni.seme)
{
    if (opzioni.cups && opzioni.cups->avviato()) {
        m_sistema = std::make_unique<StampantiSistema>(CupsPrivato::titoloUnico());
        m_stampanti = std::make_unique<StampantiSoak>(m_sistema.get(), opzioni.stampeRealiMassime);
    } else {
        m_stampanti = std::make_unique<StampantiSoak>(nullptr, 0);
    }
    m_contesto = std::make_unique<Contesto>(m_orologio, m_casuale, m_avvisi, *m_stampanti, m_stato);
    m_contesto->stampantePredefinitaLetta(m_stampanti->predefinita());
    m_contesto->impostaSceltaFile(m_sceltaFile);
    m_dialogo = std::make_unique<DialogoStampante>(*m_contesto);
    m_altra = std::make_unique<QWidget>();
    m_altra->setWindowTitle(QStringLiteral("altra applicazione"));
    m_altra->resize(200, 100);
    avanzaIstante(10'000'000);
    qApp->installEventFilter(this);
    // An event loop that no event of the run can end would wait for ever: after half a minute
    // without progress the run fails and the open dialogs and menus are closed.
    m_sorveglianza.setInterval(30'000);
    connect(&m_sorveglianza, &QTimer::timeout, this, [this] {
        if (m_prossimo != m_ultimoVisto) {
            m_ultimoVisto = m_prossimo;
            return;
        }
        if (!m_esito.fallita) {
            m_esito.fallita = true;
            m_esito.eventoFallito = m_eventoCorrente;
            m_esito.motivo = "nessun progresso per 30 s: un ciclo di eventi aspetta";
        }
        chiudiPopup();
        if (auto *dialogo = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialogo->reject();
    });
    m_sorveglianza.start();
    creaInizio();
    ricorda();
}

Partita::~Partita()
{
    qApp->removeEventFilter(this);
    chiudiTutto();
    InSottofondo::attendiTutti();
}

void Partita::svuota()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void Partita::creaInizio()
{
    m_inizio = std::make_unique<FrmInizio>(*m_contesto, *m_dialogo);
    m_inizio->timerTendine()->installEventFilter(&m_fermaTendine);
    connect(m_inizio.get(), &FrmInizio::programmaFinito, this, [this] { m_finito = true; });
    m_inizio->showMaximized();
    m_finito = false;
    svuota();
}

void Partita::chiudiPopup()
{
    for (int i = 0; i < 10 && QApplication::activePopupWidget(); ++i) {
        QApplication::activePopupWidget()->close();
        QCoreApplication::processEvents();
    }
}

void Partita::chiudiTutto()
{
    chiudiPopup();
    if (m_inizio) {
        m_inizio->close();
        svuota();
        m_inizio.reset();
    }
    m_altra.reset();
    svuota();
}

EsitoPartita Partita::gioca()
{
    avanza(nullptr);
    m_esito.conti.stampeReali = m_stampanti->stampeReali();
    m_esito.conti.stampeRealiRiuscite = m_stampanti->realiRiuscite();
    return m_esito;
}

bool Partita::eventFilter(QObject *o, QEvent *e)
{
    // Input that reaches the window of a page on its way may withdraw it ("Annulla", Escape).
    if (auto *w = qobject_cast<QWidget *>(o); w && w->window()->objectName() == QStringLiteral("StampaInCorso")
        && (e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::KeyPress))
        m_forseAnnullata = true;
    // A class-set dialog answered with "Stampa" or "Salva come PDF…": what follows may be a set.
    if (auto *dialogo = qobject_cast<DialogoSerie *>(o); dialogo && e->type() == QEvent::Show)
        connect(dialogo, &QDialog::finished, this, [this, dialogo] {
            m_forseSerie = m_forseSerie || dialogo->scelta() != DialogoSerie::Scelta::Annulla;
        });
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        m_ricevuti.push_back({e->type(), o, static_cast<QKeyEvent *>(e)->isAutoRepeat()});
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        m_ricevuti.push_back({e->type(), o, false});
        break;
    case QEvent::Show: {
        auto *w = qobject_cast<QWidget *>(o);
        // A modal dialog, and a menu that may run as exec(), each run their own event loop:
        // the next events are played from inside it, until one of them closes the window.
        if (w && w->isWindow() && (w->isModal() || qobject_cast<QMenu *>(w))) {
            if (qobject_cast<FrmStampante *>(w))
                ++m_esito.conti.dialoghiStampante;
            else if (qobject_cast<FrmAutore *>(w))
                ++m_esito.conti.dialoghiAutore;
            QPointer<QWidget> modale = w;
            QTimer::singleShot(0, this, [this, modale] {
                if (modale && modale->isVisible())
                    avanza(modale);
            });
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(o, e);
}

void Partita::avanza(QPointer<QWidget> modale)
{
    const bool annidato = !modale.isNull();
    const std::size_t livello = m_pila.size();
    if (annidato)
        m_pila.push_back(modale);
    // This loop ends when its window closes, or when a dialog whose loop it runs inside does:
    // that dialog's exec() can only return once this loop is over. A menu around it does
    // not count: opening a dialog closes the menus, and the dialog's loop runs on.
    auto finito = [this, &modale, annidato, livello] {
        if (!annidato)
            return false;
        if (!modale || !modale->isVisible())
            return true;
        for (std::size_t i = 0; i < livello; ++i)
            if (qobject_cast<QDialog *>(m_pila[i].data()) && !m_pila[i]->isVisible())
                return true;
        return false;
    };
    while (!m_esito.fallita && m_prossimo < m_scelti.size() && !finito())
        passo(m_scelti[m_prossimo++]);
    // A window whose loop this is and that is still open has to go, or its loop never ends.
    if (annidato && modale && modale->isVisible()) {
        chiudiPopup();
        // Closing a page's wait window withdraws the page, as its "Annulla" does.
        if (modale && modale->objectName() == QStringLiteral("StampaInCorso"))
            m_forseAnnullata = true;
        if (auto *dialogo = qobject_cast<QDialog *>(modale.data()); dialogo && dialogo->isVisible())
            dialogo->reject();
        else if (modale && modale->isVisible())
            modale->close();
    }
    if (annidato)
        m_pila.pop_back();
}

void Partita::passo(int numeroEvento)
{
    const Evento &e = m_eventi.at(static_cast<std::size_t>(numeroEvento));
    std::vector<Ricevuto> esterni;
    std::swap(esterni, m_ricevuti);
    const int eventoEsterno = m_eventoCorrente;
    const bool ripetizioneEsterna = m_ripetizione;
    const std::size_t posto = m_esito.descrizioni.size();
    if (m_opzioni.descrivi)
        m_esito.descrizioni.emplace_back();
    m_ripetizione = false;
    m_fineInQuestoPasso = false;
    m_eventoCorrente = numeroEvento;
    ++m_esito.conti.eventi;

    eventoSoakInCorso = numeroEvento;
    std::string fatto = esegui(e);
    fatto += attendiStampe();
    m_eventoCorrente = numeroEvento;
    svuota();
    if (m_finito) {
        m_fineInQuestoPasso = true;
        ++m_esito.conti.fineProgramma;
        fatto += "  => il programma finisce; nuova schermata iniziale";
        const std::string errore = controllaFine();
        if (!errore.empty() && !m_esito.fallita) {
            m_esito.fallita = true;
            m_esito.eventoFallito = numeroEvento;
            m_esito.motivo = errore;
        }
        m_inizio.reset();
        svuota();
        creaInizio();
    }
    controllaOra();

    if (m_opzioni.descrivi)
        m_esito.descrizioni[posto] = "#" + numero(numeroEvento) + " " + nomeTipo(e.tipo) + ": " + fatto;
    m_ricevuti = std::move(esterni);
    m_eventoCorrente = eventoEsterno;
    m_ripetizione = ripetizioneEsterna;
}

void Partita::controllaOra()
{
    // A program ended by this event is checked, and started again, when the event is over.
    if (m_esito.fallita || m_finito)
        return;
    svuota();
    const std::string errore = controlla();
    if (!errore.empty()) {
        m_esito.fallita = true;
        m_esito.eventoFallito = m_eventoCorrente;
        m_esito.motivo = errore;
    }
    ricorda();
    m_ricevuti.clear();
}

std::string Partita::esegui(const Evento &e)
{
    switch (e.tipo) {
    case TipoEvento::TastoGiu:
    case TipoEvento::TastoSu:
    case TipoEvento::Tasto:
        return eventoTasto(e);
    case TipoEvento::MouseGiu:
    case TipoEvento::MouseSu:
    case TipoEvento::Click:
    case TipoEvento::DoppioClick:
        return eventoMouse(e);
    case TipoEvento::Fuoco:
        return eventoFuoco(e);
    case TipoEvento::Ridimensiona:
        return eventoRidimensiona(e);
    case TipoEvento::StatoFinestra:
        return eventoStatoFinestra(e);
    case TipoEvento::Menu:
        return eventoMenu(e);
    case TipoEvento::Chiudi:
        return eventoChiudi(e);
    case TipoEvento::Attesa:
        return eventoAttesa(e);
    case TipoEvento::Stampante:
        return eventoStampante(e);
    case TipoEvento::Stampa:
        return eventoStampa(e);
    }
    return "?";
}

EsitoPartita giocaPartita(const std::vector<Evento> &eventi, const std::vector<int> &scelti,
                          const OpzioniPartita &opzioni)
{
    EsitoPartita esito;
    {
        Partita partita(eventi, scelti, opzioni);
        esito = partita.gioca();
    }
    eventoSoakInCorso = -1;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return esito;
}

std::string Partita::attendiStampe()
{
    std::string fatto;
    for (ModuloScheda *scheda : schede()) {
        QPointer<ModuloScheda> modulo = scheda;
        if (!modulo || !modulo->stampaInCorso())
            continue;
        // The page is on its way: every button of the busy form is pressed, and none may act.
        const ContenutoPagina prima = modulo->contenutoPagina();
        const auto pulsanti = modulo->findChildren<QPushButton *>();
        int premuti = 0;
        for (QPushButton *p : pulsanti) {
            if (modulo && modulo->stampaInCorso() && p->isVisible()) {
                QTest::mouseClick(p, Qt::LeftButton);
                ++premuti;
            }
        }
        fatto += "; durante la stampa " + std::to_string(premuti) + " pulsanti premuti";
        if (!modulo) {
            m_guastoInVolo = "la scheda si e' chiusa durante la stampa";
            continue;
        }
        const ContenutoPagina dopo = modulo->contenutoPagina();
        if (dopo.sinistra != prima.sinistra || dopo.destra != prima.destra)
            m_guastoInVolo = "la scheda e' cambiata durante la stampa";
        if (!QTest::qWaitFor([&modulo] { return !modulo || !modulo->stampaInCorso(); }, 70000))
            m_guastoInVolo = "la stampa non finisce";
    }
    return fatto;
}
