#include "Partita.h"

#include "StampantiSoak.h"
#include "comune/Contesto.h"
#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "comune/Galleria.h"
#include "exercises/FrmOperativo.h"
#include "comune/StatoEsercizio.h"
#include "platform/StampantiSistema.h"
#include "platform/SuperficieRegistrata.h"
#include "support/AvvisiRegistrati.h"
#include "support/CupsPrivato.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampante.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <sstream>

volatile std::sig_atomic_t eventoSoakInCorso = -1;

namespace {

// ---- Words for what happened ----

std::string testo(const QString &s)
{
    return s.toStdString();
}

std::string nomeWidget(const QObject *o)
{
    if (!o)
        return "nessuno";
    QString nome = QString::fromLatin1(o->metaObject()->className());
    if (!o->objectName().isEmpty())
        nome += QLatin1Char('#') + o->objectName();
    if (const auto *b = qobject_cast<const QAbstractButton *>(o))
        nome += QStringLiteral(" \"%1\"").arg(b->text());
    else if (const auto *l = qobject_cast<const QLabel *>(o); l && !l->text().isEmpty())
        nome += QStringLiteral(" \"%1\"").arg(l->text().left(30));
    const auto *w = qobject_cast<const QWidget *>(o);
    if (w && !w->isWindow())
        return nomeWidget(w->window()) + " > " + testo(nome);
    if (w && !w->windowTitle().isEmpty())
        nome += QStringLiteral(" [%1]").arg(w->windowTitle().trimmed());
    return testo(nome);
}

std::string numero(int n)
{
    return std::to_string(n);
}

// ---- The keys a child may press ----

struct Tasto
{
    Qt::Key tasto;
    Qt::KeyboardModifiers modificatori;
    const char *testo;
    const char *nome;
};
const std::array<Tasto, 26> tasti = {{
    {Qt::Key_1, Qt::NoModifier, "1", "1"},
    {Qt::Key_2, Qt::NoModifier, "2", "2"},
    {Qt::Key_3, Qt::NoModifier, "3", "3"},
    {Qt::Key_4, Qt::NoModifier, "4", "4"},
    {Qt::Key_5, Qt::NoModifier, "5", "5"},
    {Qt::Key_1, Qt::KeypadModifier, "1", "tastierino 1"},
    {Qt::Key_2, Qt::KeypadModifier, "2", "tastierino 2"},
    {Qt::Key_3, Qt::KeypadModifier, "3", "tastierino 3"},
    {Qt::Key_4, Qt::KeypadModifier, "4", "tastierino 4"},
    {Qt::Key_5, Qt::KeypadModifier, "5", "tastierino 5"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Invio"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Invio"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Invio"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Invio del tastierino"},
    {Qt::Key_Space, Qt::NoModifier, " ", "Spazio"},
    {Qt::Key_Space, Qt::NoModifier, " ", "Spazio"},
    {Qt::Key_Tab, Qt::NoModifier, "\t", "Tab"},
    {Qt::Key_F2, Qt::NoModifier, "", "F2"},
    {Qt::Key_F3, Qt::NoModifier, "", "F3"},
    {Qt::Key_S, Qt::NoModifier, "s", "S"},
    {Qt::Key_N, Qt::NoModifier, "n", "N"},
    {Qt::Key_A, Qt::NoModifier, "a", "A"},
    {Qt::Key_Left, Qt::NoModifier, "", "freccia a sinistra"},
    {Qt::Key_Down, Qt::NoModifier, "", "freccia in giu"},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b", "Esc"},
    {Qt::Key_Backspace, Qt::NoModifier, "\b", "Backspace"},
}};

constexpr std::array<Qt::MouseButton, 3> pulsantiMouse = {Qt::LeftButton, Qt::RightButton,
                                                          Qt::MiddleButton};
const char *nomePulsante(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return "sinistro";
    case Qt::RightButton: return "destro";
    case Qt::MiddleButton: return "centrale";
    default: return "?";
    }
}

const QString testoEsatto = QStringLiteral("E s a t t o");
const QString testoErrato = QStringLiteral("E r r a t o");
const QString problemaStampa = QStringLiteral("Problema di stampa nella stampante utilizzata.");
const QString secondaParte = QStringLiteral("Visualizza la seconda parte");
const std::array<QString, 3> istruzioni = {
    QStringLiteral("Secondo  insieme vuoto - Devi inserire elementi"),
    QStringLiteral("Secondo  insieme suvvalente - Devi aggiungere elementi"),
    QStringLiteral("Secondo  insieme prevalente - Devi togliere elementi"),
};
// The print gate's message of each worksheet kind: draw, add, remove.
const std::array<QString, 3> messaggiIncompleta = {
    QStringLiteral("Completa la scheda "),
    QStringLiteral("Completa la scheda"),
    QStringLiteral(" Completa la scheda"),
};

// Input timestamps only grow, across runs too, so no two runs' clicks make a double click.
int g_istante = 0;

void avanzaIstante(int ms)
{
    if (g_istante > 1'500'000'000)
        g_istante = 0;
    g_istante += ms;
}

// Lets through every event of an object except its timer ticks: the curtain runs only when
// a soak event says that time passes, so a run plays the same however fast the machine is.
class FermaTimer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Timer)
            return true;
        return QObject::eventFilter(o, e);
    }
};

// What the invariants compare a step with: the state after the step before.
struct Memoria
{
    int esatte = 0;
    int errate = 0;
    TipoEsercizio tipo = TipoEsercizio::InsiemeVuoto;
    int numeroEsercizio = 0;
    int elementiD = 0;
    int rifiuti = 0;
    int figura = 0;
    QPointer<QWidget> operativo;
    bool tastoGiuOperativo = false;
    bool tastoGiuInizio = false;
    bool interventoInVista = false;
    qsizetype messaggi = 0;
    int aperture = 0;
    struct Scheda
    {
        QPointer<ModuloScheda> modulo;
        std::array<bool, 4> mostrati{};
    };
    std::array<Scheda, 3> schede;
};

class Partita : public QObject
{
public:
    Partita(const std::vector<Evento> &eventi, const std::vector<int> &scelti,
            const OpzioniPartita &opzioni);
    ~Partita() override;

    EsitoPartita gioca();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    struct Ricevuto
    {
        QEvent::Type tipo;
        QPointer<QObject> chi;
        bool ripetuto;
    };

    void creaInizio();
    void svuota();
    void avanza(QPointer<QWidget> modale);
    void passo(int numeroEvento);
    // The checks after one input (a press, a release, a menu entry...), inside an event too.
    void controllaOra();
    std::string esegui(const Evento &e);
    void chiudiPopup();
    void chiudiTutto();

    // Input.
    std::vector<QWidget *> finestre(bool perInput) const;
    bool bloccata(const QWidget *finestra) const;
    QWidget *scegliFinestra(std::uint32_t r, bool perInput) const;
    std::string mouse(QWidget *finestra, QPoint punto, QEvent::Type tipo, Qt::MouseButton pulsante,
                      int ms);
    std::string tasto(QEvent::Type tipo, int indice, bool ripetuto);
    bool puntoSu(QWidget *finestra, std::uint32_t b, std::uint32_t c, std::uint32_t d, QPoint &punto,
                 std::string &bersaglio) const;
    std::string eventoMouse(const Evento &e);
    std::string eventoTasto(const Evento &e);
    std::string eventoFuoco(const Evento &e);
    std::string eventoRidimensiona(const Evento &e);
    std::string eventoStatoFinestra(const Evento &e);
    std::string eventoMenu(const Evento &e);
    std::string eventoChiudi(const Evento &e);
    std::string eventoAttesa(const Evento &e);
    std::string eventoStampante(const Evento &e);
    std::string eventoStampa(const Evento &e);
    std::string cliccaAlCentro(QWidget *controllo);

    // Invariants.
    std::string controlla();
    std::string controllaFinestre() const;
    std::string controllaOperativo(FrmOperativo &op) const;
    std::string controllaConti(FrmOperativo *op) const;
    std::string controllaRilasci(FrmOperativo *op) const;
    std::string controllaSchede();
    std::string controllaScheda(int tipo, ModuloScheda &modulo) const;
    std::string controllaStampe() const;
    std::string controllaFine() const;
    void ricorda();
    std::array<ModuloScheda *, 3> schede() const;
    bool vuota(const QImage &figura) const;

    const std::vector<Evento> &m_eventi;
    const std::vector<int> &m_scelti;
    OpzioniPartita m_opzioni;

    std::unique_ptr<StampantiSistema> m_sistema;
    OrologioFinto m_orologio;
    GeneratoreFinto m_casuale;
    AvvisiRegistrati m_avvisi;
    std::unique_ptr<StampantiSoak> m_stampanti;
    StatoEsercizio m_stato;
    std::unique_ptr<Contesto> m_contesto;
    std::unique_ptr<DialogoStampante> m_dialogo;
    std::unique_ptr<FrmInizio> m_inizio;
    std::unique_ptr<QWidget> m_altra; // another application's window
    FermaTimer m_fermaTendine;
    bool m_finito = false;
    bool m_fineInQuestoPasso = false;

    std::size_t m_prossimo = 0;
    EsitoPartita m_esito;
    Memoria m_memoria;

    Qt::MouseButtons m_pulsanti;
    QPointer<QWidget> m_finestraPremuta;
    std::vector<int> m_tastiGiu;
    std::vector<Ricevuto> m_ricevuti;
    bool m_ripetizione = false;
    int m_eventoCorrente = -1;
    std::vector<QPointer<QWidget>> m_pila; // the windows whose event loops the events run in
    QTimer m_sorveglianza;
    std::size_t m_ultimoVisto = 0;
};

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

// ---- Windows and controls ----

int rango(const QWidget *w)
{
    if (qobject_cast<const FrmInizio *>(w))
        return 0;
    if (qobject_cast<const FrmOperativo *>(w))
        return 1;
    if (qobject_cast<const FrmStampaSchede *>(w))
        return 2;
    if (const auto *s = qobject_cast<const FrmStampaSchedeElementi *>(w))
        return s->tipo() == FrmStampaSchedeElementi::Tipo::Aggiungi ? 3 : 4;
    if (qobject_cast<const FrmStampante *>(w))
        return 5;
    if (qobject_cast<const FrmAutore *>(w))
        return 6;
    if (qobject_cast<const QMenu *>(w))
        return 7;
    return 8;
}

bool Partita::bloccata(const QWidget *finestra) const
{
    const QWidget *modale = QApplication::activeModalWidget();
    if (!modale)
        return false;
    for (const QWidget *w = finestra; w; w = w->parentWidget())
        if (w == modale)
            return false;
    return true;
}

// The program's windows on screen, in a fixed order; for input only those a user can reach.
std::vector<QWidget *> Partita::finestre(bool perInput) const
{
    std::vector<QWidget *> elenco;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == m_altra.get() || w->windowType() == Qt::ToolTip)
            continue;
        if (perInput && (bloccata(w) || w->isMinimized()))
            continue;
        elenco.push_back(w);
    }
    std::sort(elenco.begin(), elenco.end(), [](const QWidget *x, const QWidget *y) {
        if (rango(x) != rango(y))
            return rango(x) < rango(y);
        return std::string(x->metaObject()->className()) < y->metaObject()->className();
    });
    return elenco;
}

QWidget *Partita::scegliFinestra(std::uint32_t r, bool perInput) const
{
    const std::vector<QWidget *> elenco = finestre(perInput);
    if (elenco.empty())
        return nullptr;
    // Half the time the window in front, as a user mostly works there.
    if (perInput && r % 2 == 0) {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        QWidget *attiva = QApplication::activeWindow();
        if (attiva && std::find(elenco.begin(), elenco.end(), attiva) != elenco.end())
            return attiva;
    }
    return elenco[(r / 2) % elenco.size()];
}

bool interattivo(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QMenuBar *>(w) || qobject_cast<const CorniceInsieme *>(w)
        || qobject_cast<const CasellaFigura *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QMenu *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

bool esce(const QWidget *w)
{
    const auto *b = qobject_cast<const QAbstractButton *>(w);
    return b && (b->text() == QLatin1String("ESCI") || b->text() == QLatin1String("E S C I"));
}

// A point of the window on one of its controls, mostly one a user would aim at.
bool Partita::puntoSu(QWidget *finestra, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                      QPoint &punto, std::string &bersaglio) const
{
    if (finestra->width() <= 0 || finestra->height() <= 0)
        return false;
    std::vector<QWidget *> pulsanti;
    std::vector<QWidget *> mirati;
    std::vector<QWidget *> tutti{finestra};
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        if (w->window() != finestra || !w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        // The menu bar's overflow button runs a menu of its own event loop; its entries are
        // reached as menu events instead.
        if (w->objectName() == QLatin1String("qt_menubar_ext_button"))
            continue;
        tutti.push_back(w);
        const bool creditLine = m_inizio && w == m_inizio->Label5();
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QMenuBar *>(w))
            pulsanti.push_back(w);
        else if (interattivo(w) || creditLine)
            mirati.push_back(w);
    }
    // Mostly the buttons, then the other controls that react to the mouse, then anything.
    QWidget *scelto = nullptr;
    if (b % 100 < 65 && !pulsanti.empty()) {
        scelto = pulsanti[c % pulsanti.size()];
        // The buttons that leave a form are pressed less often than the others, so that the
        // forms live long enough to be worked.
        if (esce(scelto) && (d / 7) % 4 != 0 && pulsanti.size() > 1)
            scelto = pulsanti[(c + 1 + (d / 29) % (pulsanti.size() - 1)) % pulsanti.size()];
    }
    else if (b % 100 < 85 && !mirati.empty())
        scelto = mirati[c % mirati.size()];
    else
        scelto = tutti[c % tutti.size()];
    const QPoint dentro(static_cast<int>(d % 65536u) % scelto->width(),
                        static_cast<int>(d / 65536u) % scelto->height());
    punto = scelto->mapTo(finestra, dentro);
    punto.setX(std::clamp(punto.x(), 0, finestra->width() - 1));
    punto.setY(std::clamp(punto.y(), 0, finestra->height() - 1));
    bersaglio = nomeWidget(scelto);
    return true;
}

std::string Partita::mouse(QWidget *finestra, QPoint punto, QEvent::Type tipo,
                           Qt::MouseButton pulsante, int ms)
{
    QWindow *w = finestra->windowHandle();
    if (!w)
        return " (finestra senza superficie)";
    if (m_esito.fallita)
        return " (non inviato: un controllo e' gia fallito)";
    if (tipo == QEvent::MouseButtonPress) {
        m_pulsanti |= pulsante;
        m_finestraPremuta = finestra;
    } else {
        m_pulsanti &= ~Qt::MouseButtons(pulsante);
    }
    avanzaIstante(ms);
    qt_handleMouseEvent(w, punto, w->mapToGlobal(QPointF(punto)), m_pulsanti, pulsante, tipo,
                        Qt::NoModifier, g_istante);
    QCoreApplication::processEvents();
    controllaOra();
    return {};
}

std::string Partita::eventoMouse(const Evento &e)
{
    const Qt::MouseButton pulsante = pulsantiMouse[e.a % pulsantiMouse.size()];
    std::string quale = std::string("pulsante ") + nomePulsante(pulsante);

    if (e.tipo == TipoEvento::MouseSu) {
        if (!m_pulsanti)
            return "nessun pulsante premuto";
        std::vector<Qt::MouseButton> premuti;
        for (Qt::MouseButton b : pulsantiMouse)
            if (m_pulsanti.testFlag(b))
                premuti.push_back(b);
        const Qt::MouseButton rilasciato = premuti[e.a % premuti.size()];
        // The button comes up where the pointer is now; the press's window keeps the grab.
        QWidget *finestra = m_finestraPremuta && m_finestraPremuta->isVisible()
            ? m_finestraPremuta.data()
            : scegliFinestra(e.b, true);
        if (!finestra || finestra->width() <= 0 || finestra->height() <= 0) {
            m_pulsanti &= ~Qt::MouseButtons(rilasciato);
            return std::string("rilascio del pulsante ") + nomePulsante(rilasciato) + " fuori dal programma";
        }
        const QPoint punto(static_cast<int>(e.c % static_cast<std::uint32_t>(finestra->width())),
                           static_cast<int>(e.d % static_cast<std::uint32_t>(finestra->height())));
        const std::string descrizione = std::string("rilascio del pulsante ") + nomePulsante(rilasciato)
            + " su " + nomeWidget(finestra) + " (" + numero(punto.x()) + "," + numero(punto.y()) + ")";
        return descrizione
            + mouse(finestra, punto, QEvent::MouseButtonRelease, rilasciato, 30 + static_cast<int>(e.d % 900));
    }

    QWidget *finestra = scegliFinestra(e.b, true);
    if (!finestra)
        return "nessuna finestra raggiungibile";
    QPoint punto;
    std::string bersaglio;
    if (!puntoSu(finestra, e.b, e.c, e.d, punto, bersaglio))
        return "finestra " + nomeWidget(finestra) + " senza area";
    const std::string dove = " su " + bersaglio + " (" + numero(punto.x()) + "," + numero(punto.y()) + ")";
    QPointer<QWidget> guardia = finestra;

    if (e.tipo == TipoEvento::MouseGiu) {
        if (m_pulsanti.testFlag(pulsante))
            return quale + " gia premuto";
        const std::string descrizione = "pressione del " + quale + dove;
        return descrizione + mouse(finestra, punto, QEvent::MouseButtonPress, pulsante, 700);
    }
    if (m_pulsanti.testFlag(pulsante)) {
        // The button is still down from an earlier press: this click first lets it go.
        QWidget *dove = m_finestraPremuta && m_finestraPremuta->isVisible() ? m_finestraPremuta.data() : finestra;
        const std::string descrizione = "rilascio del " + quale + " su " + nomeWidget(dove);
        return descrizione + mouse(dove, dove == finestra ? punto : QPoint(0, 0), QEvent::MouseButtonRelease,
                                   pulsante, 60);
    }
    std::string esito = mouse(finestra, punto, QEvent::MouseButtonPress, pulsante, 700);
    if (guardia && guardia->isVisible())
        esito += mouse(guardia, punto, QEvent::MouseButtonRelease, pulsante, 60);
    else
        m_pulsanti &= ~Qt::MouseButtons(pulsante);
    if (e.tipo == TipoEvento::DoppioClick) {
        if (guardia && guardia->isVisible() && !m_pulsanti.testFlag(pulsante)) {
            esito += mouse(guardia, punto, QEvent::MouseButtonPress, pulsante, 40);
            if (guardia && guardia->isVisible())
                esito += mouse(guardia, punto, QEvent::MouseButtonRelease, pulsante, 40);
            else
                m_pulsanti &= ~Qt::MouseButtons(pulsante);
        }
        return "doppio click del " + quale + dove + esito;
    }
    return "click del " + quale + dove + esito;
}

std::string Partita::tasto(QEvent::Type tipo, int indice, bool ripetuto)
{
    const Tasto &t = tasti[static_cast<std::size_t>(indice)];
    QWindow *finestra = QGuiApplication::focusWindow();
    std::string descrizione = std::string(tipo == QEvent::KeyPress ? "giu " : "su ") + t.nome
        + (ripetuto ? " (ripetizione automatica)" : "");
    if (!finestra)
        return descrizione + ": nessuna finestra ha il fuoco";
    if (m_esito.fallita)
        return descrizione + " (non inviato: un controllo e' gia fallito)";
    descrizione += " verso " + nomeWidget(QApplication::focusWidget() ? QApplication::focusWidget()
                                                                       : QApplication::activeWindow());
    avanzaIstante(tipo == QEvent::KeyPress ? 150 : 80);
    qt_handleKeyEvent(finestra, tipo, t.tasto, t.modificatori, QString::fromLatin1(t.testo), ripetuto);
    QCoreApplication::processEvents();
    controllaOra();
    return descrizione;
}

std::string Partita::eventoTasto(const Evento &e)
{
    const int numeroTasti = static_cast<int>(tasti.size());
    if (e.tipo == TipoEvento::Tasto) {
        const int i = static_cast<int>(e.a % static_cast<std::uint32_t>(numeroTasti));
        if (std::find(m_tastiGiu.begin(), m_tastiGiu.end(), i) != m_tastiGiu.end())
            return std::string(tasti[i].nome) + " gia giu";
        std::string d = tasto(QEvent::KeyPress, i, false);
        return d + "; " + tasto(QEvent::KeyRelease, i, false);
    }
    if (e.tipo == TipoEvento::TastoGiu) {
        if (e.b % 3 == 0 && !m_tastiGiu.empty()) {
            // A held key repeats: on X11 as a release and a press, elsewhere as a press.
            const int i = m_tastiGiu[e.a % m_tastiGiu.size()];
            m_ripetizione = true;
            std::string d;
            if (e.c % 2 == 0)
                d = tasto(QEvent::KeyRelease, i, true) + "; ";
            return d + tasto(QEvent::KeyPress, i, true);
        }
        const int i = static_cast<int>(e.a % static_cast<std::uint32_t>(numeroTasti));
        if (std::find(m_tastiGiu.begin(), m_tastiGiu.end(), i) != m_tastiGiu.end())
            return std::string(tasti[i].nome) + " gia giu";
        m_tastiGiu.push_back(i);
        return tasto(QEvent::KeyPress, i, false);
    }
    // A held key comes up; now and then one that went down in another application.
    int i;
    if (!m_tastiGiu.empty() && e.b % 5 != 0) {
        const auto pos = m_tastiGiu.begin() + static_cast<long>(e.a % m_tastiGiu.size());
        i = *pos;
        m_tastiGiu.erase(pos);
    } else {
        i = static_cast<int>(e.a % static_cast<std::uint32_t>(numeroTasti));
        if (std::find(m_tastiGiu.begin(), m_tastiGiu.end(), i) != m_tastiGiu.end())
            return std::string(tasti[i].nome) + " e' tenuto giu";
    }
    return tasto(QEvent::KeyRelease, i, false);
}

std::string Partita::eventoFuoco(const Evento &e)
{
    switch (e.a % 4) {
    case 0: {
        QWidget *finestra = scegliFinestra(e.b | 1u, true);
        if (!finestra)
            return "nessuna finestra da attivare";
        finestra->raise();
        finestra->activateWindow();
        return "attiva " + nomeWidget(finestra);
    }
    case 1:
    case 3: {
        QWidget *finestra = e.a % 4 == 1 ? QApplication::activeWindow() : scegliFinestra(e.b | 1u, true);
        if (!finestra || bloccata(finestra))
            return "nessuna finestra attiva";
        if (e.a % 4 == 3) {
            finestra->raise();
            finestra->activateWindow();
        }
        std::vector<QWidget *> candidati;
        for (QWidget *w : finestra->findChildren<QWidget *>())
            if (w->window() == finestra && w->isVisible() && w->isEnabled()
                && w->focusPolicy() != Qt::NoFocus)
                candidati.push_back(w);
        if (candidati.empty())
            return "nessun controllo da mettere a fuoco in " + nomeWidget(finestra);
        QWidget *w = candidati[e.c % candidati.size()];
        w->setFocus(Qt::OtherFocusReason);
        return "fuoco a " + nomeWidget(w);
    }
    default:
        m_altra->show();
        m_altra->raise();
        m_altra->activateWindow();
        return "il fuoco va a un'altra applicazione";
    }
}

std::string Partita::eventoRidimensiona(const Evento &e)
{
    QWidget *finestra = scegliFinestra(e.b | 1u, false);
    if (!finestra || qobject_cast<QMenu *>(finestra) || finestra->windowType() == Qt::Popup)
        return "nessuna finestra da ridimensionare";
    int larghezza = 0;
    int altezza = 0;
    switch (e.a % 10) {
    case 0: break; // zero by zero
    case 1: larghezza = altezza = 1; break;
    case 2: larghezza = static_cast<int>(e.c % 200); altezza = static_cast<int>(e.d % 150); break;
    case 3: larghezza = 0; altezza = 100 + static_cast<int>(e.d % 900); break;
    case 4: larghezza = 100 + static_cast<int>(e.c % 1200); altezza = 0; break;
    default:
        larghezza = 100 + static_cast<int>(e.c % 1900);
        altezza = 80 + static_cast<int>(e.d % 1400);
        break;
    }
    ++m_esito.conti.ridimensionamenti;
    finestra->setWindowState(Qt::WindowNoState);
    finestra->resize(larghezza, altezza);
    return nomeWidget(finestra) + " a " + numero(larghezza) + "x" + numero(altezza);
}

std::string Partita::eventoStatoFinestra(const Evento &e)
{
    QWidget *finestra = scegliFinestra(e.b | 1u, false);
    if (!finestra || qobject_cast<QMenu *>(finestra) || finestra->windowType() == Qt::Popup)
        return "nessuna finestra";
    const char *come = "";
    switch (e.a % 6) {
    case 0:
        finestra->setWindowState(finestra->windowState() | Qt::WindowMinimized);
        come = "ridotta a icona";
        break;
    case 1:
        finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
        come = "ripristinata dall'icona";
        break;
    case 2:
        finestra->setWindowState(Qt::WindowNoState);
        come = "dimensione normale";
        break;
    case 3:
    case 4:
        finestra->setWindowState(Qt::WindowMaximized);
        come = "ingrandita";
        break;
    default:
        finestra->setWindowState(Qt::WindowFullScreen);
        come = "a tutto schermo";
        break;
    }
    return nomeWidget(finestra) + " " + come;
}

std::string Partita::eventoMenu(const Evento &e)
{
    std::vector<std::pair<QAction *, QWidget *>> voci;
    for (QWidget *finestra : finestre(true)) {
        if (auto *inizio = qobject_cast<FrmInizio *>(finestra)) {
            for (QAction *a : {inizio->MnuVuoto(), inizio->mnuAggiungi(), inizio->mnuTogli(), inizio->mnuInfo()})
                voci.emplace_back(a, finestra);
        } else if (auto *scheda = qobject_cast<ModuloScheda *>(finestra)) {
            for (QAction *a : scheda->menuBar()->actions())
                voci.emplace_back(a, finestra);
        }
    }
    if (voci.empty())
        return "nessun menu raggiungibile";
    const auto &[voce, finestra] = voci[e.a % voci.size()];
    // Built step by step: GCC 12 sees a false overlap in the chained concatenation.
    std::string descrizione = "\"";
    descrizione += testo(voce->text());
    descrizione += "\" di ";
    descrizione += nomeWidget(finestra);
    voce->trigger();
    return descrizione;
}

std::string Partita::eventoChiudi(const Evento &e)
{
    std::vector<QWidget *> elenco;
    for (QWidget *w : finestre(false))
        if (!bloccata(w) && !qobject_cast<QMenu *>(w) && w->windowType() != Qt::Popup)
            elenco.push_back(w);
    if (elenco.empty())
        return "nessuna finestra da chiudere";
    // The start screen ends the program: it is closed less often than the other windows.
    QWidget *finestra = elenco[e.a % elenco.size()];
    if (qobject_cast<FrmInizio *>(finestra) && e.b % 4 != 0 && elenco.size() > 1)
        finestra = elenco[1 + e.c % (elenco.size() - 1)];
    const std::string nome = nomeWidget(finestra);
    finestra->close();
    return "chiude " + nome;
}

std::string Partita::eventoAttesa(const Evento &e)
{
    double secondi = e.a % 200;
    if (e.b % 40 == 0)
        secondi = 20000 + e.c % 70000; // a long pause, maybe across midnight
    m_orologio.secondi = std::fmod(m_orologio.secondi + secondi, 86400.0);
    int scatti = 0;
    const int voluti = static_cast<int>(e.d % 120);
    for (int i = 0; i < voluti && m_inizio && m_inizio->timerTendine()->isActive(); ++i, ++scatti)
        m_inizio->timerTendine_Timer();
    return "passano " + numero(static_cast<int>(secondi)) + " s (ora " + numero(static_cast<int>(m_orologio.secondi))
        + "), " + numero(scatti) + " scatti della tendina";
}

std::string Partita::cliccaAlCentro(QWidget *controllo)
{
    QWidget *finestra = controllo->window();
    if (!controllo->isVisible() || controllo->width() <= 0 || controllo->height() <= 0
        || finestra->isMinimized() || bloccata(finestra))
        return "non si vede";
    if (m_pulsanti.testFlag(Qt::LeftButton))
        return "pulsante sinistro gia premuto";
    const QPoint punto = controllo->mapTo(finestra, controllo->rect().center());
    const std::string descrizione = "click su " + nomeWidget(controllo);
    QPointer<QWidget> guardia = finestra;
    std::string esito = mouse(finestra, punto, QEvent::MouseButtonPress, Qt::LeftButton, 700);
    if (guardia && guardia->isVisible())
        esito += mouse(guardia, punto, QEvent::MouseButtonRelease, Qt::LeftButton, 60);
    else
        m_pulsanti &= ~Qt::MouseButtons(Qt::LeftButton);
    return descrizione + esito;
}

std::string Partita::eventoStampante(const Evento &e)
{
    auto *dialogo = qobject_cast<FrmStampante *>(QApplication::activeModalWidget());
    if (dialogo) {
        if (e.a % 4 == 0)
            return cliccaAlCentro(dialogo->findChild<QPushButton *>(QStringLiteral("Command2")));
        auto *combo = dialogo->findChild<QComboBox *>(QStringLiteral("Combo1"));
        if (!combo || combo->count() == 0 || !combo->isEnabled())
            return "nessuna stampante da scegliere";
        const int indice = static_cast<int>(e.b % static_cast<std::uint32_t>(combo->count()));
        combo->showPopup();
        QCoreApplication::processEvents();
        QAbstractItemView *vista = combo->view();
        vista->setCurrentIndex(vista->model()->index(indice, 0));
        QTest::keyClick(vista, Qt::Key_Return);
        ++m_esito.conti.sceltaStampante;
        return "sceglie la stampante \"" + testo(combo->itemText(indice)) + "\"";
    }
    std::vector<ModuloScheda *> aperte;
    for (QWidget *w : finestre(true))
        if (auto *s = qobject_cast<ModuloScheda *>(w))
            aperte.push_back(s);
    if (aperte.empty())
        return "nessuna scheda da cui scegliere la stampante";
    ModuloScheda *scheda = aperte[e.c % aperte.size()];
    const QList<QAction *> voci = scheda->menuBar()->actions();
    if (voci.isEmpty())
        return "scheda senza menu";
    const std::string descrizione = "apre il dialogo della stampante da " + nomeWidget(scheda);
    voci.first()->trigger();
    return descrizione;
}

std::string Partita::eventoStampa(const Evento &e)
{
    std::vector<ModuloScheda *> aperte;
    for (QWidget *w : finestre(true))
        if (auto *s = qobject_cast<ModuloScheda *>(w))
            aperte.push_back(s);
    if (aperte.empty())
        return "nessuna scheda da stampare";
    QPointer<ModuloScheda> scheda = aperte[e.a % aperte.size()];
    QPushButton *stampa = nullptr;
    std::array<QPushButton *, 4> insiemi{};
    if (auto *d = qobject_cast<FrmStampaSchede *>(scheda.data())) {
        stampa = d->Command1();
        for (int s = 1; s <= 4; ++s)
            insiemi[static_cast<std::size_t>(s - 1)] = d->CmdInsieme(s);
    } else if (auto *el = qobject_cast<FrmStampaSchedeElementi *>(scheda.data())) {
        stampa = el->Command1();
        for (int s = 1; s <= 4; ++s)
            insiemi[static_cast<std::size_t>(s - 1)] = el->CmdInsieme(s);
    }
    if (!stampa)
        return "scheda senza STAMPA";
    std::string fatto;
    // Half the time the user first prepares the sets still missing, as the message asks.
    if (e.b % 2 == 0) {
        for (int s = 1; s <= 4 && scheda; ++s)
            if (!scheda->mostrato(s))
                fatto += cliccaAlCentro(insiemi[static_cast<std::size_t>(s - 1)]) + "; ";
    }
    if (!scheda)
        return fatto;
    return fatto + cliccaAlCentro(stampa);
}

// ---- Invariants ----

std::array<ModuloScheda *, 3> Partita::schede() const
{
    if (!m_inizio)
        return {};
    return {m_inizio->schedaVuoto(), m_inizio->schedaAggiungi(), m_inizio->schedaTogli()};
}

bool Partita::vuota(const QImage &figura) const
{
    const QImage &bianca = m_contesto->galleria().Image3(Galleria::figuraVuota);
    return figura.cacheKey() == bianca.cacheKey() || figura == bianca;
}

void Partita::ricorda()
{
    Memoria &m = m_memoria;
    m.esatte = m_stato.RisposteEsatte;
    m.errate = m_stato.RisposteErrate;
    m.tipo = m_stato.TipoEsercizio;
    m.numeroEsercizio = m_stato.NumeroEsercizio;
    m.elementiD = m_stato.ElementiD;
    m.rifiuti = m_stato.RifiutiAiuto;
    m.figura = m_stato.Figura;
    FrmOperativo *op = m_inizio ? m_inizio->operativo() : nullptr;
    m.operativo = op;
    m.tastoGiuOperativo = op && (op->tastierino().tastoGiu() || op->tastierino().tastoGiuAiuto());
    m.tastoGiuInizio = m_inizio && m_inizio->pulsantiModo().tastoGiu();
    m.interventoInVista = op && op->fraIntervento()->isEnabledTo(op);
    m.messaggi = m_avvisi.messaggi.size();
    m.aperture = m_stampanti->aperture();
    const auto aperte = schede();
    for (std::size_t t = 0; t < 3; ++t) {
        m.schede[t].modulo = aperte[t];
        if (aperte[t])
            for (int s = 1; s <= 4; ++s)
                m.schede[t].mostrati[static_cast<std::size_t>(s - 1)] = aperte[t]->mostrato(s);
    }
}

std::string Partita::controllaFine() const
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != m_altra.get() && w->windowType() != Qt::ToolTip)
            return "il programma e' finito ma " + nomeWidget(w) + " e' ancora aperta";
    if (m_inizio && (m_inizio->operativo() || m_inizio->schedaVuoto() || m_inizio->schedaAggiungi()
                     || m_inizio->schedaTogli()))
        return "il programma e' finito ma un modulo e' ancora caricato";
    if (m_stato.TipoEsercizio != TipoEsercizio::Finito && m_inizio && m_inizio->isVisible())
        return "fine programma senza chiusura della schermata iniziale";
    return {};
}

std::string Partita::controlla()
{
    if (std::string e = controllaFinestre(); !e.empty())
        return e;
    FrmOperativo *op = m_inizio->operativo();
    if (op) {
        if (std::string e = controllaOperativo(*op); !e.empty())
            return e;
    }
    if (std::string e = controllaConti(op); !e.empty())
        return e;
    if (std::string e = controllaRilasci(op); !e.empty())
        return e;
    if (std::string e = controllaSchede(); !e.empty())
        return e;
    if (std::string e = controllaStampe(); !e.empty())
        return e;

    // Tallies, to show how far the run went.
    auto &c = m_esito.conti;
    if (op && (static_cast<QWidget *>(op) != m_memoria.operativo.data() || m_stato.NumeroEsercizio != m_memoria.numeroEsercizio))
        ++c.esercizi;
    c.verdettiEsatti += m_stato.RisposteEsatte - m_memoria.esatte;
    c.verdettiErrati += m_stato.RisposteErrate - m_memoria.errate;
    if (op && op->fraIntervento()->isEnabledTo(op) && !m_memoria.interventoInVista)
        ++c.interventi;
    const auto aperte = schede();
    for (std::size_t t = 0; t < 3; ++t) {
        if (!aperte[t])
            continue;
        if (aperte[t] != m_memoria.schede[t].modulo.data())
            ++c.schedeAperte;
    }
    for (qsizetype i = m_memoria.messaggi; i < m_avvisi.messaggi.size(); ++i)
        if (m_avvisi.messaggi[i] != problemaStampa)
            ++c.stampeRifiutate;
    c.stampe += m_stampanti->aperture() - m_memoria.aperture;
    if (m_ripetizione)
        ++c.ripetizioniTasto;
    return {};
}

std::string Partita::controllaFinestre() const
{
    if (!m_inizio || !m_inizio->isVisible())
        return "la schermata iniziale non e' piu' aperta";
    if (const int tipo = static_cast<int>(m_stato.TipoEsercizio); tipo < 0 || tipo > 3)
        return "TipoEsercizio fuori campo: " + numero(tipo);
    std::map<int, int> perTipo;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == m_altra.get() || w->windowType() == Qt::ToolTip)
            continue;
        const int r = rango(w);
        if (r == 8 && w->windowType() != Qt::Popup)
            return "finestra inattesa aperta: " + nomeWidget(w);
        if (r <= 6 && ++perTipo[r] > 1)
            return "due finestre dello stesso modulo aperte: " + nomeWidget(w);
    }
    if (!m_stampanti->nomi().contains(m_contesto->stampanteCorrente()))
        return "stampante corrente non installata: " + testo(m_contesto->stampanteCorrente());
    if (m_inizio->Picture1()->width() < 0 || m_inizio->Picture2()->width() < 0)
        return "tendina con larghezza negativa";
    return {};
}

std::string Partita::controllaOperativo(FrmOperativo &op) const
{
    const StatoEsercizio &s = m_stato;
    if (!op.isVisible())
        return "il modulo degli esercizi e' chiuso ma ancora caricato";
    if (std::find(istruzioni.begin(), istruzioni.end(), op.Label2()->text()) == istruzioni.end())
        return "istruzione inattesa: \"" + testo(op.Label2()->text()) + "\"";

    // Exactly one panel in use, and it lies in front of the other two.
    const std::array<QFrame *, 3> pannelli = {op.fraTastierino(), op.fraAiuto(), op.fraIntervento()};
    int abilitati = 0;
    QFrame *inUso = nullptr;
    for (QFrame *p : pannelli)
        if (p->isEnabledTo(&op)) {
            ++abilitati;
            inUso = p;
        }
    if (abilitati != 1)
        return numero(abilitati) + " pannelli abilitati invece di uno";
    const QObjectList &figli = op.children();
    for (QFrame *p : pannelli)
        if (p != inUso && figli.indexOf(p) > figli.indexOf(inUso))
            return "il pannello in uso " + nomeWidget(inUso) + " non e' davanti a " + nomeWidget(p);

    std::array<bool, 5> tasti{};
    for (int i = 0; i < 5; ++i)
        tasti[static_cast<std::size_t>(i)] = op.Option1(i)->isEnabledTo(op.fraTastierino());
    const bool modifica = tasti[0] && tasti[1] && !tasti[3] && !tasti[4];
    const bool avanti = !tasti[0] && !tasti[1] && !tasti[2] && tasti[3] && tasti[4];
    if (!modifica && !avanti)
        return "tastierino in uno stato impossibile";
    if (modifica && tasti[2] && s.ElementiD < 1)
        return "VERIFICA abilitato con il secondo insieme vuoto";
    if (inUso != op.fraTastierino() && !modifica)
        return "aiuto o intervento in vista con il tastierino in stato AVANTI";
    if (inUso == op.fraAiuto() && op.LblEsito()->text() != testoErrato)
        return "aiuto offerto senza \"E r r a t o\"";
    const QString esito = op.LblEsito()->text();
    if (!esito.isEmpty() && esito != testoEsatto && esito != testoErrato)
        return "esito inatteso: \"" + testo(esito) + "\"";
    if (avanti && esito == testoErrato)
        return "\"E r r a t o\" con il tastierino in stato AVANTI";

    if (s.ElementiS < 1 || s.ElementiS > 8)
        return "ElementiS fuori campo: " + numero(s.ElementiS);
    if (s.ElementiD < 0 || s.ElementiD > 10)
        return "ElementiD fuori campo: " + numero(s.ElementiD);
    if (s.RifiutiAiuto < 0 || s.RifiutiAiuto > 2)
        return "RifiutiAiuto fuori campo: " + numero(s.RifiutiAiuto);
    if (s.NumeroEsercizio < 1)
        return "modulo aperto senza esercizio";
    if (op.LblOperazione()->text() != QString::number(s.NumeroEsercizio))
        return "il pannello dei risultati mostra l'esercizio " + testo(op.LblOperazione()->text())
            + " invece di " + numero(s.NumeroEsercizio);
    const QString esatte = op.lblRisEsatte()->text();
    const QString errate = op.lblRisErrate()->text();
    if (!esatte.isEmpty() && esatte != QString::number(s.RisposteEsatte))
        return "risposte esatte mostrate " + testo(esatte) + ", contate " + numero(s.RisposteEsatte);
    if (!errate.isEmpty() && errate != QString::number(s.RisposteErrate))
        return "risposte errate mostrate " + testo(errate) + ", contate " + numero(s.RisposteErrate);

    // The second set shows exactly its first slots: ElementiD of them while the child works,
    // as many as the first set once the answer is right or the solution is shown.
    const QSize figura = m_contesto->galleria().Image3(s.Figura).size();
    const int attese = avanti ? s.ElementiS : s.ElementiD;
    for (int c = 1; c <= 15; ++c) {
        const QLabel *casella = op.Image2(c);
        const bool mostra = casella->isVisibleTo(&op) && !casella->pixmap().isNull();
        if (mostra != (c <= attese))
            return "il secondo insieme " + std::string(mostra ? "mostra" : "non mostra")
                + " la casella " + numero(c) + " con " + numero(attese) + " elementi attesi (ElementiD "
                + numero(s.ElementiD) + ", ElementiS " + numero(s.ElementiS) + ")";
        if (mostra && casella->pixmap().size() != figura)
            return "la casella " + numero(c) + " del secondo insieme non mostra la figura dell'esercizio";
    }
    std::set<int> posizioni;
    for (int i = 1; i <= s.ElementiS; ++i)
        posizioni.insert(s.PosizioniS[static_cast<std::size_t>(i)]);
    if (static_cast<int>(posizioni.size()) != s.ElementiS)
        return "posizioni del primo insieme ripetute";
    for (int c = 1; c <= 15; ++c) {
        const QLabel *casella = op.Image1(c);
        const bool mostra = casella->isVisibleTo(&op) && !casella->pixmap().isNull();
        if (mostra != (posizioni.count(c) == 1))
            return "il primo insieme " + std::string(mostra ? "mostra" : "non mostra") + " la casella "
                + numero(c);
    }
    return {};
}

std::string Partita::controllaConti(FrmOperativo *op) const
{
    const StatoEsercizio &s = m_stato;
    const int piuEsatte = s.RisposteEsatte - m_memoria.esatte;
    const int piuErrate = s.RisposteErrate - m_memoria.errate;
    if (piuEsatte < 0 || piuErrate < 0)
        return "i conti sono scesi: esatte " + numero(m_memoria.esatte) + " -> " + numero(s.RisposteEsatte)
            + ", errate " + numero(m_memoria.errate) + " -> " + numero(s.RisposteErrate);
    if (piuEsatte + piuErrate > 1)
        return "piu' di un verdetto per un solo comando";
    if (piuEsatte + piuErrate == 1) {
        if (!op)
            return "verdetto contato senza il modulo degli esercizi";
        if (piuEsatte == 1) {
            if (s.ElementiD != s.ElementiS)
                return "risposta contata esatta con " + numero(s.ElementiD) + " elementi contro "
                    + numero(s.ElementiS);
            if (op->LblEsito()->text() != testoEsatto)
                return "risposta esatta senza \"E s a t t o\"";
            if (op->lblRisEsatte()->text() != QString::number(s.RisposteEsatte))
                return "risposta esatta non mostrata nel pannello dei risultati";
        } else {
            if (s.ElementiD == s.ElementiS)
                return "risposta contata errata con " + numero(s.ElementiD) + " elementi in entrambi";
            if (op->LblEsito()->text() != testoErrato)
                return "risposta errata senza \"E r r a t o\" (l'esito mostra \"" + testo(op->LblEsito()->text())
                    + "\", ElementiD " + numero(s.ElementiD) + ", ElementiS " + numero(s.ElementiS) + ")";
            if (op->lblRisErrate()->text() != QString::number(s.RisposteErrate))
                return "risposta errata non mostrata nel pannello dei risultati";
            if (!op->fraAiuto()->isEnabledTo(op))
                return "risposta errata senza l'offerta di aiuto";
        }
    }
    // A key held down acts once: its repeats change nothing.
    if (m_ripetizione && op && static_cast<QWidget *>(op) == m_memoria.operativo.data()
        && m_memoria.tastoGiuOperativo) {
        bool arrivata = false;
        for (const Ricevuto &r : m_ricevuti)
            if (r.tipo == QEvent::KeyPress && r.ripetuto && r.chi
                && qobject_cast<QWidget *>(r.chi.data())
                && static_cast<QWidget *>(r.chi.data())->window() == op)
                arrivata = true;
        if (arrivata
            && (s.NumeroEsercizio != m_memoria.numeroEsercizio || s.ElementiD != m_memoria.elementiD
                || piuEsatte + piuErrate != 0 || s.RifiutiAiuto != m_memoria.rifiuti))
            return "la ripetizione di un tasto tenuto giu ha agito nel modulo degli esercizi";
    }
    if (m_ripetizione && m_memoria.tastoGiuInizio && !m_fineInQuestoPasso) {
        bool arrivata = false;
        for (const Ricevuto &r : m_ricevuti)
            for (int i = 0; i < 4; ++i)
                if (r.tipo == QEvent::KeyPress && r.ripetuto
                    && r.chi.data() == static_cast<QObject *>(m_inizio->Option1(i)))
                    arrivata = true;
        if (arrivata
            && (s.TipoEsercizio != m_memoria.tipo || static_cast<QWidget *>(op) != m_memoria.operativo.data()))
            return "la ripetizione di un tasto tenuto giu ha agito sulla schermata iniziale";
    }
    return {};
}

std::string Partita::controllaRilasci(FrmOperativo *op) const
{
    bool tastoAlModulo = false;
    bool mouseAlTastierino = false;
    bool tastoAiModi = false;
    bool mouseAiModi = false;
    for (const Ricevuto &r : m_ricevuti) {
        auto *w = qobject_cast<QWidget *>(r.chi.data());
        if (!w)
            continue;
        if (op && w->window() == op) {
            if (r.tipo == QEvent::KeyRelease && !r.ripetuto)
                tastoAlModulo = true;
            if (r.tipo == QEvent::MouseButtonRelease) {
                for (int i = 0; i < 5; ++i)
                    if (w == op->Option1(i))
                        mouseAlTastierino = true;
                if (w == op)
                    mouseAlTastierino = true;
            }
        }
        for (int i = 0; !m_fineInQuestoPasso && i < 4; ++i) {
            if (w != m_inizio->Option1(i))
                continue;
            if (r.tipo == QEvent::KeyRelease && !r.ripetuto)
                tastoAiModi = true;
            if (r.tipo == QEvent::MouseButtonRelease)
                mouseAiModi = true;
        }
    }
    if (tastoAlModulo
        && (op->tastierino().tastoGiu() || op->tastierino().tastoPremuto() || op->tastierino().mouseGiu()
            || op->tastierino().tastoGiuAiuto() || op->tastierino().tastoPremutoAiuto()))
        return "un tasto rilasciato sul modulo degli esercizi non ha sbloccato i suoi fermi";
    if (mouseAlTastierino && op->tastierino().mouseGiu())
        return "un pulsante del mouse rilasciato sul tastierino non ha sbloccato MouseGiu";
    if (tastoAiModi && (m_inizio->pulsantiModo().tastoGiu() || m_inizio->pulsantiModo().tastoPremuto()))
        return "un tasto rilasciato su un pulsante di modo non ha sbloccato TastoGiu e TastoPremuto";
    if (mouseAiModi && m_inizio->pulsantiModo().tastoGiu())
        return "un pulsante del mouse rilasciato su un pulsante di modo non ha sbloccato TastoGiu";
    return {};
}

std::string Partita::controllaSchede()
{
    const auto aperte = schede();
    for (int t = 0; t < 3; ++t) {
        ModuloScheda *modulo = aperte[static_cast<std::size_t>(t)];
        const Memoria::Scheda &prima = m_memoria.schede[static_cast<std::size_t>(t)];
        if (!modulo)
            continue;
        if (!modulo->isVisible())
            return nomeWidget(modulo) + " e' chiusa ma ancora caricata";
        const bool nuova = modulo != prima.modulo.data();
        for (int s = 1; s <= 4; ++s) {
            const bool ora = modulo->mostrato(s);
            if (nuova && ora != (s == 1))
                return nomeWidget(modulo) + " appena aperta con Mostrato" + numero(s) + (ora ? " vero" : " falso");
            if (!nuova && prima.mostrati[static_cast<std::size_t>(s - 1)] && !ora)
                return nomeWidget(modulo) + ": Mostrato" + numero(s) + " e' tornato falso";
            if (!nuova && !prima.mostrati[static_cast<std::size_t>(s - 1)] && ora)
                ++m_esito.conti.insiemiSchede;
        }
        if (std::string e = controllaScheda(t, *modulo); !e.empty())
            return e;
    }
    return {};
}

std::string Partita::controllaScheda(int tipo, ModuloScheda &modulo) const
{
    QWidget *frame3 = nullptr;
    QWidget *frame4 = nullptr;
    QPushButton *command2 = nullptr;
    auto *disegno = qobject_cast<FrmStampaSchede *>(&modulo);
    auto *elementi = qobject_cast<FrmStampaSchedeElementi *>(&modulo);
    if (disegno) {
        frame3 = disegno->Frame3();
        frame4 = disegno->Frame4();
        command2 = disegno->Command2();
    } else if (elementi) {
        frame3 = elementi->Frame3();
        frame4 = elementi->Frame4();
        command2 = elementi->Command2();
    } else {
        return "scheda di tipo sconosciuto";
    }
    const std::string nome = nomeWidget(&modulo);
    if (frame3->isHidden() == frame4->isHidden())
        return nome + ": " + (frame3->isHidden() ? "nessuna" : "entrambe") + " le meta' in vista";
    if ((command2->text() == secondaParte) != !frame3->isHidden())
        return nome + ": il pulsante \"" + testo(command2->text()) + "\" non nomina la meta' nascosta";

    auto contaElementi = [this](CasellaFigura *casella, int &elementi, int &nulle, qint64 &figura,
                                bool &mista) {
        const QImage &f = casella->figura();
        if (f.isNull()) {
            ++nulle;
            return;
        }
        if (vuota(f))
            return;
        ++elementi;
        if (figura != 0 && figura != f.cacheKey())
            mista = true;
        figura = f.cacheKey();
    };
    for (int s = 1; s <= 4; ++s) {
        const bool mostrato = modulo.mostrato(s);
        const std::string insieme = nome + ", insieme " + numero(s) + ": ";
        if (disegno) {
            int n = 0, nulle = 0;
            qint64 figura = 0;
            bool mista = false;
            for (int k = 0; k < 15; ++k)
                contaElementi(disegno->Image1(FrmStampaSchede::basi[static_cast<std::size_t>(s - 1)] + k), n,
                              nulle, figura, mista);
            if (!mostrato && (n > 0 || nulle != 15))
                return insieme + "figure in un insieme mai generato";
            if (mostrato && (nulle != 0 || n < 2 || n > 10 || mista))
                return insieme + numero(n) + " elementi, " + numero(nulle) + " caselle senza figura"
                    + (mista ? ", figure diverse" : "");
        } else {
            const int base = 15 * (s - 1);
            int n = 0, nulle1 = 0, m = 0, nulle2 = 0;
            qint64 figura1 = 0, figura2 = 0;
            bool mista = false;
            for (int k = 0; k < 15; ++k)
                contaElementi(elementi->Image1(base + k), n, nulle1, figura1, mista);
            int primaVuota = 15;
            for (int k = 0; k < 15; ++k) {
                const int prima = m;
                contaElementi(elementi->Image2(base + k), m, nulle2, figura2, mista);
                if (m == prima && primaVuota == 15)
                    primaVuota = k;
                if (m > prima && primaVuota < k)
                    return insieme + "il secondo insieme ha un buco alla casella " + numero(primaVuota);
            }
            if (!mostrato && (n + m > 0 || nulle1 != 15 || nulle2 != 15))
                return insieme + "figure in un esercizio mai generato";
            if (mostrato) {
                if (nulle1 + nulle2 != 0 || mista || figura1 != figura2)
                    return insieme + "caselle senza figura o figure diverse";
                if (n < 3 || n > 9 || m < 3 || m > n)
                    return insieme + "primo insieme di " + numero(n) + ", secondo di " + numero(m);
            }
        }
    }
    (void)tipo;
    return {};
}

std::string Partita::controllaStampe() const
{
    const QStringList nuovi = m_avvisi.messaggi.mid(m_memoria.messaggi);
    const int aperture = m_stampanti->aperture() - m_memoria.aperture;
    // One print per click at most: a double click may print twice.
    if (nuovi.size() > 1 || aperture > 1)
        return "piu' di una stampa o di un messaggio per un solo comando";
    const auto aperte = schede();
    auto tuttiMostrati = [](const ModuloScheda *m) {
        return m && m->mostrato(1) && m->mostrato(2) && m->mostrato(3) && m->mostrato(4);
    };
    int problemi = 0;
    for (const QString &messaggio : nuovi) {
        if (messaggio == problemaStampa) {
            ++problemi;
            continue;
        }
        const auto it = std::find(messaggiIncompleta.begin(), messaggiIncompleta.end(), messaggio);
        if (it == messaggiIncompleta.end())
            return "messaggio inatteso: \"" + testo(messaggio) + "\"";
        const ModuloScheda *modulo = aperte[static_cast<std::size_t>(it - messaggiIncompleta.begin())];
        if (!modulo || tuttiMostrati(modulo))
            return "\"" + testo(messaggio) + "\" senza una scheda incompleta di quel tipo";
        if (aperture != 0)
            return "stampa avviata nonostante la scheda incompleta";
    }
    if (aperture == 0) {
        if (problemi > 0)
            return "\"Problema di stampa\" senza nessuna stampa";
        return {};
    }
    if (std::none_of(aperte.begin(), aperte.end(), tuttiMostrati))
        return "stampa di una scheda incompleta";
    const QString stampante = m_contesto->stampanteCorrente();
    if (StampantiSoak::buona(stampante)) {
        if (problemi > 0)
            return "stampa riuscita su " + testo(stampante) + " ma segnalata come problema";
        if (const SuperficieRegistrata *foglio = m_stampanti->ultimaRegistrata()) {
            const auto &op = foglio->operazioni();
            const int figure = foglio->conta(SuperficieRegistrata::Tipo::Immagine);
            if (foglio->annullato() || op.empty() || op.back().tipo != SuperficieRegistrata::Tipo::Fine
                || foglio->conta(SuperficieRegistrata::Tipo::Linea) != 32 || (figure != 60 && figure != 120))
                return "pagina incompleta su " + testo(stampante);
        }
    } else if (problemi != aperture) {
        return numero(aperture) + " stampe su " + testo(stampante) + " fallite con " + numero(problemi)
            + " messaggi";
    }
    return {};
}

} // namespace

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
