#include "exercises/GeneratoreEsercizi.h"

#include "comune/Galleria.h"
#include "comune/StatoEsercizio.h"
#include "comune/TipoEsercizio.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/Orologio.h"

namespace {
constexpr int numeroFigureElemento = Galleria::ultimaFiguraElemento - Galleria::primaFiguraElemento + 1;
constexpr int minimoPrevalente = 3;   // the larger second set starts with 3..10 elements
constexpr int ampiezzaPrevalente = 8;
constexpr int minimoSuvvalenteUno = 2; // a first set of one element cannot be made smaller
} // namespace

GeneratoreEsercizi::GeneratoreEsercizi(GeneratoreCasuale &casuale, const Orologio &orologio,
                                       StatoEsercizio &stato)
    : m_casuale(casuale)
    , m_orologio(orologio)
    , m_stato(stato)
{
}

void GeneratoreEsercizi::semina()
{
    m_casuale.seminaDallOrologio(m_orologio);
}

void GeneratoreEsercizi::genera(TipoEsercizio tipo)
{
    switch (tipo) {
    case TipoEsercizio::InsiemeVuoto:
        genera0();
        break;
    case TipoEsercizio::Suvvalente:
        genera1();
        break;
    case TipoEsercizio::Prevalente:
        genera2();
        break;
    case TipoEsercizio::Finito:
        break;
    }
}

void GeneratoreEsercizi::genera0()
{
    semina();
    disegnaFigura();
    semina();
    disegnaElementiS();
    scegliCaselle();
}

void GeneratoreEsercizi::genera1()
{
    StatoEsercizio &s = m_stato;
    semina();
    disegnaFigura();
    disegnaElementiS();
    // A second set smaller than a one-element first set would need zero elements, and the draw
    // of M below would never end. One more draw over 2..8 keeps N uniform over 2..8.
    if (s.ElementiS == 1)
        s.ElementiS = m_casuale.intero(massimoElementiS - 1, minimoSuvvalenteUno);
    scegliCaselle();

    const int n = s.ElementiS;
    int m = 0;
    do {
        m = m_casuale.intero(n, 1);
    } while (m == n);
    s.ElementiInizialiD = static_cast<std::int16_t>(m);
}

void GeneratoreEsercizi::genera2()
{
    StatoEsercizio &s = m_stato;
    semina();
    disegnaFigura();
    semina();
    disegnaElementiS();
    scegliCaselle();

    // At least two more than the first set, so that removing one is never already the answer.
    int m = 0;
    do {
        semina();
        m = m_casuale.intero(ampiezzaPrevalente, minimoPrevalente);
    } while (m <= s.ElementiS + 1);
    s.ElementiInizialiD = static_cast<std::int16_t>(m);
}

void GeneratoreEsercizi::disegnaFigura()
{
    m_stato.Figura = static_cast<std::int16_t>(
        m_casuale.intero(numeroFigureElemento, Galleria::primaFiguraElemento));
}

void GeneratoreEsercizi::disegnaElementiS()
{
    m_stato.ElementiS = m_casuale.intero(massimoElementiS, 1);
}

void GeneratoreEsercizi::scegliCaselle()
{
    StatoEsercizio &s = m_stato;
    const std::vector<int> caselle = m_casuale.distinti(s.ElementiS, numeroCaselle, 1);
    for (std::size_t i = 0; i < caselle.size(); ++i)
        s.PosizioniS[i + 1] = static_cast<std::int16_t>(caselle[i]);
}
