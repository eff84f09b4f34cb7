#include "app/Tendine.h"

void Tendine::avvia(double larghezzaEsternaTwips, double passo)
{
    m_passo = passo;
    m_sinistra = larghezzaEsternaTwips / 2;
    m_destra = m_sinistra;
    m_attiva = true;
}

void Tendine::passo()
{
    m_sinistra -= m_passo;
    m_destra -= m_passo;
    // A rest of up to the threshold would still show as a pixel-wide sliver at each edge, and a
    // step below zero would be refused for ever: either way the curtain ends here, open.
    if (m_sinistra <= sogliaArrestoTwips) {
        m_sinistra = 0.0;
        m_destra = 0.0;
        m_attiva = false;
    }
}
