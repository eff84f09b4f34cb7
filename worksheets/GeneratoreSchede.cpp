#include "worksheets/GeneratoreSchede.h"

#include "platform/GeneratoreCasuale.h"
#include "platform/Orologio.h"

#include <algorithm>

namespace {
constexpr int figureElemento = 12;  // gallery pictures 1..12
constexpr int figuraVuota = 0;
}

GeneratoreSchede::GeneratoreSchede(GeneratoreCasuale &casuale, const Orologio &orologio)
    : m_casuale(casuale)
    , m_orologio(orologio)
{
}

InsiemeDaDisegnare GeneratoreSchede::insiemeDaDisegnare(int base)
{
    GeneratoreCasuale &casuale = m_casuale;
    InsiemeDaDisegnare insieme;
    m_casuale.seminaDallOrologio(m_orologio);
    insieme.figura = casuale.intero(figureElemento, 1);
    insieme.elementi = casuale.intero(9, 2);
    insieme.posizioni = m_casuale.distinti(insieme.elementi, slotPerInsieme, base);

    insieme.slot.fill(figuraVuota);
    for (int p : insieme.posizioni)
        insieme.slot[p - base] = insieme.figura;
    return insieme;
}

EsercizioElementi GeneratoreSchede::esercizioElementi(int numero, int base)
{
    // The second set must have at least three elements and no more than the first, so a
    // first set needs three or more: smaller sizes are drawn again, which keeps the size
    // uniform over 3..9 and lets the draw of d below always end.
    constexpr int minimoPrimo = 3;

    GeneratoreCasuale &casuale = m_casuale;
    EsercizioElementi esercizio;
    m_casuale.seminaDallOrologio(m_orologio);
    esercizio.figura = casuale.intero(figureElemento, 1);
    do {
        esercizio.elementiPrimo = casuale.intero(9, 1);
    } while (esercizio.elementiPrimo < minimoPrimo);
    esercizio.posizioni = m_casuale.distinti(esercizio.elementiPrimo, slotPerInsieme, base);

    do {
        // The first exercise takes a fresh seed before each try: which sizes a time of day
        // draws depends on it.
        if (numero == 1)
            m_casuale.seminaDallOrologio(m_orologio);
        esercizio.elementiD = casuale.intero(9, 2);
    } while (esercizio.elementiD >= esercizio.elementiPrimo);

    esercizio.primo.fill(figuraVuota);
    esercizio.secondo.fill(figuraVuota);
    for (int p : esercizio.posizioni)
        esercizio.primo[p - base] = esercizio.figura;
    for (int k = 0; k <= esercizio.elementiD; ++k)
        esercizio.secondo[k] = esercizio.figura;
    return esercizio;
}
