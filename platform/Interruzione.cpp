#include "platform/Interruzione.h"

#include "platform/Orologio.h"

namespace {
thread_local const Interruzione *attivaNelThread = nullptr;
const Orologio orologioDelSistema;
} // namespace

Interruzione::Interruzione(std::chrono::milliseconds tempoConcesso)
    : Interruzione(tempoConcesso, orologioDelSistema)
{
}

Interruzione::Interruzione(std::chrono::milliseconds tempoConcesso, const Orologio &orologio)
    : m_orologio(orologio)
    , m_scadenza(orologio.istante() + tempoConcesso)
{
}

bool Interruzione::scaduta() const
{
    return m_orologio.istante() >= m_scadenza;
}

const Interruzione *Interruzione::attiva()
{
    return attivaNelThread;
}

Interruzione::Ambito::Ambito(const Interruzione &interruzione)
    : m_precedente(attivaNelThread)
{
    attivaNelThread = &interruzione;
}

Interruzione::Ambito::~Ambito()
{
    attivaNelThread = m_precedente;
}
