#include "platform/Fermo.h"

#include "platform/CodiciTasto.h"

bool Fermo::prendi()
{
    if (m_tenuto)
        return false;
    m_tenuto = true;
    return true;
}

bool Fermo::spazio(int carattere)
{
    return carattere == CodiciTasto::Spazio && prendi();
}
