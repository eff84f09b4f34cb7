#pragma once

#include "comune/TipoEsercizio.h"

class GeneratoreCasuale;
class Orologio;
struct StatoEsercizio;

// Draws the sets of one exercise into the shared exercise state: the picture, the size and the
// distinct slots of the first set, and for kinds 1 and 2 the size the second set starts with.
// Where the clock seeds the generator decides which sets a given time of day draws, and the
// redraw loop of kind 2 needs a fresh seed before every draw. No widgets: the form shows the result.
class GeneratoreEsercizi
{
public:
    static constexpr int numeroCaselle = 15;
    static constexpr int massimoElementiS = 8;

    GeneratoreEsercizi(GeneratoreCasuale &casuale, const Orologio &orologio, StatoEsercizio &stato);

    void genera0();
    void genera1();
    void genera2();
    // The generation for the given kind; the end marker generates nothing.
    void genera(TipoEsercizio tipo);

private:
    void disegnaFigura();
    void disegnaElementiS();
    void scegliCaselle();

    void semina();

    GeneratoreCasuale &m_casuale;
    const Orologio &m_orologio;
    StatoEsercizio &m_stato;
};
