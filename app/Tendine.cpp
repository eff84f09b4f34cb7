#include "app/Tendine.h"

void Tendine::avvia(double larghezzaEsternaTwips)
{
    m_sinistra = larghezzaEsternaTwips / 2;
    m_destra = m_sinistra;
    m_attiva = true;
}

bool Tendine::restringi(double &larghezza)
{
    const double nuova = larghezza - passoTwips;
    if (nuova < 0)
        return false;
    larghezza = nuova;
    return true;
}

void Tendine::passo()
{
    if (restringi(m_sinistra))
        restringi(m_destra);
    if (m_sinistra <= sogliaArrestoTwips)
        m_attiva = false;
}
