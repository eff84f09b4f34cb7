#pragma once

#include "Eventi.h"

#include "comune/StatoEsercizio.h"
#include "support/AvvisiRegistrati.h"
#include "support/GeneratoreFinto.h"
#include "support/OrologioFinto.h"
#include "support/SceltaFileFinta.h"

#include <QEvent>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <csignal>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Contesto;
class CupsPrivato;
class DialogoStampante;
class FrmInizio;
class FrmOperativo;
class ModuloScheda;
class StampantiSistema;
class StampantiSoak;

// One soak run: a fresh program (the shared context with a fake clock, a generator seeded from
// the run's seed, recorded message boxes and the soak printers, and a real start screen) played
// the chosen events, with every invariant checked after each of them.
struct OpzioniPartita
{
    std::uint64_t seme = 1;
    // Documents that may go to the cups-pdf queue of `cups` (none without it).
    CupsPrivato *cups = nullptr;
    int stampeRealiMassime = 0;
    // Keep a line for every event played, telling what it did.
    bool descrivi = false;
};

struct EsitoPartita
{
    bool fallita = false;
    int eventoFallito = -1;   // the number of the event after which a check failed
    std::string motivo;
    std::vector<std::string> descrizioni; // event by event, when asked for

    // What the run went through, to see that the events reached every form.
    struct Conti
    {
        int eventi = 0;
        int esercizi = 0;
        int verdettiEsatti = 0;
        int verdettiErrati = 0;
        int aiuti = 0;
        int interventi = 0;
        int schedeAperte = 0;
        int insiemiSchede = 0;
        int stampe = 0;
        int stampeRifiutate = 0;
        int stampeReali = 0;
        int stampeRealiRiuscite = 0;
        int sceltaStampante = 0;
        int dialoghiStampante = 0;
        int dialoghiAutore = 0;
        int fineProgramma = 0;
        int ridimensionamenti = 0;
        int ripetizioniTasto = 0;
    } conti;
};

// Plays `scelti` (numbers into `eventi`) in order; stops at the first failed check.
EsitoPartita giocaPartita(const std::vector<Evento> &eventi, const std::vector<int> &scelti,
                          const OpzioniPartita &opzioni);

// The number of the event being played, -1 outside a run: what a crash report can still tell.
extern volatile std::sig_atomic_t eventoSoakInCorso;

// The run itself: it owns the program under test, plays the events into it and checks it.
// Its run loop is in Partita.cpp, the events it plays in AzioniPartita.cpp and the checks
// after each of them in InvariantiPartita.cpp.
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
    // Plays on a form whose page is on its way, then lets the print end.
    std::string attendiStampe();
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
    bool stampaInVolo() const;
    // What went wrong while a page was on its way, if anything.
    std::string m_guastoInVolo;
    // The run has pressed something on the window of a page on its way.
    bool m_forseAnnullata = false;
    // A class-set dialog has sent its set on its way: what prints is a set of sheets, made
    // whatever the sheet on screen holds.
    bool m_forseSerie = false;
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
    SceltaFileFinta m_sceltaFile; // the file dialog is always cancelled
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
