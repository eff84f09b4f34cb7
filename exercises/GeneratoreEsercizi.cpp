#include "exercises/GeneratoreEsercizi.h"

#include "app/Contesto.h"
#include "exercises/FrmFigure.h"
#include "exercises/StatoEsercizio.h"
#include "exercises/TipiEsercizio.h"
#include "platform/GeneratoreCasuale.h"

namespace {
constexpr int numeroFigureElemento = FrmFigure::ultimaFiguraElemento - FrmFigure::primaFiguraElemento + 1;
constexpr int minimoPrevalente = 3;   // the larger second set starts with 3..10 elements
constexpr int ampiezzaPrevalente = 8;
constexpr int minimoSuvvalenteUno = 2; // a first set of one element cannot be made smaller
} // namespace

GeneratoreEsercizi::GeneratoreEsercizi(Contesto &contesto)
    : m_contesto(contesto)
{
}

void GeneratoreEsercizi::genera(int tipo)
{
    switch (tipo) {
    case TipiEsercizio::InsiemeVuoto:
        genera0();
        break;
    case TipiEsercizio::Suvvalente:
        genera1();
        break;
    case TipiEsercizio::Prevalente:
        genera2();
        break;
    default:
        break;
    }
}

void GeneratoreEsercizi::genera0()
{
    m_contesto.seminaDallOrologio();
    disegnaFigura();
    m_contesto.seminaDallOrologio();
    disegnaElementiS();
    scegliCaselle();
}

void GeneratoreEsercizi::genera1()
{
    StatoEsercizio &s = m_contesto.esercizio();
    m_contesto.seminaDallOrologio();
    disegnaFigura();
    disegnaElementiS();
    // A second set smaller than a one-element first set would need zero elements, and the draw
    // of M below would never end. One more draw over 2..8 keeps N uniform over 2..8.
    if (s.ElementiS == 1)
        s.ElementiS = m_contesto.casuale().intero(massimoElementiS - 1, minimoSuvvalenteUno);
    scegliCaselle();

    const int n = s.ElementiS;
    int m = 0;
    do {
        m = m_contesto.casuale().intero(n, 1);
    } while (m == n);
    s.ElementiInizialiD = static_cast<std::int16_t>(m);
}

void GeneratoreEsercizi::genera2()
{
    StatoEsercizio &s = m_contesto.esercizio();
    m_contesto.seminaDallOrologio();
    disegnaFigura();
    m_contesto.seminaDallOrologio();
    disegnaElementiS();
    scegliCaselle();

    // At least two more than the first set, so that removing one is never already the answer.
    int m = 0;
    do {
        m_contesto.seminaDallOrologio();
        m = m_contesto.casuale().intero(ampiezzaPrevalente, minimoPrevalente);
    } while (m <= s.ElementiS + 1);
    s.ElementiInizialiD = static_cast<std::int16_t>(m);
}

void GeneratoreEsercizi::disegnaFigura()
{
    m_contesto.esercizio().Figura = static_cast<std::int16_t>(
        m_contesto.casuale().intero(numeroFigureElemento, FrmFigure::primaFiguraElemento));
}

void GeneratoreEsercizi::disegnaElementiS()
{
    m_contesto.esercizio().ElementiS = m_contesto.casuale().intero(massimoElementiS, 1);
}

void GeneratoreEsercizi::scegliCaselle()
{
    StatoEsercizio &s = m_contesto.esercizio();
    for (int i = 1; i <= s.ElementiS; ++i) {
        bool ripetuta = false;
        do {
            const auto p = static_cast<std::int16_t>(m_contesto.casuale().intero(numeroCaselle, 1));
            s.Candidati[i] = p;
            ripetuta = false;
            for (int j = 1; j < i; ++j)
                if (s.Candidati[j] == p)
                    ripetuta = true;
        } while (ripetuta);
        s.PosizioniS[i] = s.Candidati[i];
    }
}
