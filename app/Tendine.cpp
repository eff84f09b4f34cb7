#include "app/Tendine.h"

void Tendine::avvia(double larghezzaEsternaTwips)
{
    m_sinistra = larghezzaEsternaTwips / 2;
    m_destra = m_sinistra;
    m_attiva = true;
}

void Tendine::passo()
{
    m_sinistra -= passoTwips;
    m_destra -= passoTwips;
    // A rest of up to the threshold would still show as a pixel-wide sliver at each edge, and a
    // step below zero would be refused for ever: either way the curtain ends here, open.
    if (m_sinistra <= sogliaArrestoTwips) {
        m_sinistra = 0.0;
        m_destra = 0.0;
        m_attiva = false;
    }
}
