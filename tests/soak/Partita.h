#pragma once

#include "Eventi.h"

#include <csignal>
#include <cstdint>
#include <string>
#include <vector>

class CupsPrivato;

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
