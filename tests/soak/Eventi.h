#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The user events of a soak run. An event is drawn from the seed alone, never from the state
// of the program: its numbers choose a window, a control, a key or a size only when the event
// is played, among what is on screen then. So any subsequence of a run's events can be played
// again, which is what the reduction of a failing run needs.
enum class TipoEvento : std::uint8_t {
    TastoGiu,      // a key goes down; an auto-repeat of a held key when the draw says so
    TastoSu,       // a key comes up (mostly a held one), sometimes as an auto-repeat release
    Tasto,         // a key pressed and released
    MouseGiu,      // a mouse button goes down on a control
    MouseSu,       // a held mouse button comes up
    Click,         // press and release on a control
    DoppioClick,   // two quick clicks on a control
    Fuoco,         // another window or control gets the focus, or another application does
    Ridimensiona,  // a window gets a new size, zero included
    StatoFinestra, // minimise, restore, maximise, full screen
    Menu,          // a menu entry of a window
    Chiudi,        // the window manager closes a window
    Attesa,        // time passes: the clock moves and the curtain runs
    Stampante,     // a printer is picked in the printer dialog, or the dialog is opened
    Stampa,        // "STAMPA" on a worksheet
};

struct Evento
{
    TipoEvento tipo;
    std::uint32_t a, b, c, d; // the draws the event is played from
};

// A small, fully specified generator, so a seed gives the same events everywhere.
class CasualeSoak
{
public:
    explicit CasualeSoak(std::uint64_t seme) : m_stato(seme) {}
    std::uint64_t prossimo();
    std::uint32_t intero() { return static_cast<std::uint32_t>(prossimo() >> 32); }

private:
    std::uint64_t m_stato;
};

// The first `quanti` events of the run with this seed; a shorter run is a prefix of a longer one.
std::vector<Evento> generaEventi(std::uint64_t seme, std::size_t quanti);

const char *nomeTipo(TipoEvento tipo);
