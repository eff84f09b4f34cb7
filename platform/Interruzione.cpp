#include "platform/Interruzione.h"

namespace {
thread_local const Interruzione *attivaNelThread = nullptr;
}

Interruzione::Interruzione(std::chrono::milliseconds tempoConcesso)
    : m_scadenza(std::chrono::steady_clock::now() + tempoConcesso)
{
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
