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

std::vector<int> GeneratoreSchede::slotDistinti(int quanti, int base)
{
    std::vector<int> presi;
    presi.reserve(quanti);
    GeneratoreCasuale &casuale = m_casuale;
    for (int k = 0; k < quanti; ++k) {
        int p = casuale.intero(slotPerInsieme, base);
        while (std::find(presi.begin(), presi.end(), p) != presi.end())
            p = casuale.intero(slotPerInsieme, base);
        presi.push_back(p);
    }
    return presi;
}

InsiemeDaDisegnare GeneratoreSchede::insiemeDaDisegnare(int base)
{
    GeneratoreCasuale &casuale = m_casuale;
    InsiemeDaDisegnare insieme;
    m_casuale.seminaDallOrologio(m_orologio);
    insieme.figura = casuale.intero(figureElemento, 1);
    insieme.elementi = casuale.intero(9, 2);
    insieme.posizioni = slotDistinti(insieme.elementi, base);

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
    esercizio.posizioni = slotDistinti(esercizio.elementiPrimo, base);

    do {
        // The first exercise has always taken a fresh seed before each try.
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
