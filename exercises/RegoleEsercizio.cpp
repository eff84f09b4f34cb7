#include "exercises/RegoleEsercizio.h"

#include "comune/StatoEsercizio.h"
#include "comune/TipoEsercizio.h"

#include <algorithm>

#include <cmath>
#include <limits>

RegoleEsercizio::RegoleEsercizio(StatoEsercizio &stato)
    : m_stato(stato)
{
}

void RegoleEsercizio::iniziaSerie()
{
    m_stato.NumeroEsercizio = 0;
}

std::optional<int> RegoleEsercizio::secondoInsiemeIniziale(TipoEsercizio tipo, double adesso)
{
    int elementi = 0;
    switch (tipo) {
    case TipoEsercizio::InsiemeVuoto:
        break;
    case TipoEsercizio::Suvvalente:
    case TipoEsercizio::Prevalente:
        elementi = std::clamp<int>(m_stato.ElementiInizialiD, 0, massimoElementiD);
        break;
    case TipoEsercizio::Finito:
        return std::nullopt;
    }
    m_stato.ElementiD = static_cast<std::int16_t>(elementi);
    m_stato.InizioTempo = istante(adesso);
    return elementi;
}

void RegoleEsercizio::nuovoEsercizio()
{
    m_stato.ElementiD = 0;
    if (m_stato.NumeroEsercizio >= std::numeric_limits<std::int16_t>::max()
        || m_stato.NumeroEsercizio < 0)
        m_stato.NumeroEsercizio = 1;
    else
        ++m_stato.NumeroEsercizio;
}

std::optional<int> RegoleEsercizio::aggiungi()
{
    int d = m_stato.ElementiD + 1;
    if (d >= massimoElementiD)
        d = massimoElementiD;
    m_stato.ElementiD = static_cast<std::int16_t>(d);
    if (d >= 1 && d <= massimoElementiD)
        return d;
    return std::nullopt;
}

RegoleEsercizio::EsitoTogli RegoleEsercizio::togli()
{
    EsitoTogli esito;
    if (m_stato.ElementiD >= 1 && m_stato.ElementiD <= massimoElementiD)
        esito.casellaDaNascondere = m_stato.ElementiD;
    --m_stato.ElementiD;
    if (m_stato.ElementiD >= 1) {
        esito.verificaAbilitata = true;
    } else {
        m_stato.ElementiD = 0;
        esito.verificaAbilitata = false;
    }
    return esito;
}

bool RegoleEsercizio::verifica()
{
    const bool esatta = m_stato.ElementiD == m_stato.ElementiS;
    if (esatta)
        ++m_stato.RisposteEsatte;
    else
        ++m_stato.RisposteErrate;
    return esatta;
}

RegoleEsercizio::Rifiuto RegoleEsercizio::rifiutaAiuto()
{
    ++m_stato.RifiutiAiuto;
    if (m_stato.RifiutiAiuto >= rifiutiPrimaDellIntervento) {
        m_stato.RifiutiAiuto = 0;
        return Rifiuto::Intervento;
    }
    return Rifiuto::Riprova;
}

void RegoleEsercizio::aiutoDato()
{
    m_stato.RifiutiAiuto = 0;
}

float RegoleEsercizio::istante(double secondiDallaMezzanotte)
{
    return static_cast<float>(secondiDallaMezzanotte);
}

RegoleEsercizio::Tempi RegoleEsercizio::calcolaTempi(double adesso)
{
    // Both instants in the same single precision as the stamp: rounding is monotonic, so only
    // a real passage of midnight can make the difference negative.
    double trascorsi = static_cast<double>(istante(adesso)) - m_stato.InizioTempo;
    if (trascorsi < 0.0)
        trascorsi += secondiAlGiorno;
    Tempi t;
    t.parziale = static_cast<int>(std::floor(trascorsi));
    if (m_stato.TempoTotale > std::numeric_limits<int>::max() - t.parziale)
        m_stato.TempoTotale = std::numeric_limits<int>::max();
    else
        m_stato.TempoTotale += t.parziale;
    t.totale = m_stato.TempoTotale;
    return t;
}
