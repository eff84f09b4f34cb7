#include "app/PulsantiModo.h"

#include "platform/CodiciTasto.h"

PulsantiModo::Azione PulsantiModo::keyDown(Pulsante su, int codice)
{
    if (m_tastoGiu.tenuto())
        return {};

    Azione azione;
    if (codice == CodiciTasto::Tab)
        azione = {Azione::Tipo::Fuoco, su}; // Tab never leaves the button it is on

    switch (codice) {
    case CodiciTasto::Cifra1:
    case CodiciTasto::Tastierino1:
        azione = {Azione::Tipo::Fuoco, Pulsante::Vuoto};
        break;
    case CodiciTasto::Cifra2:
    case CodiciTasto::Tastierino2:
        azione = {Azione::Tipo::Fuoco, Pulsante::Suvvalente};
        break;
    case CodiciTasto::Cifra3:
    case CodiciTasto::Tastierino3:
        azione = {Azione::Tipo::Fuoco, Pulsante::Prevalente};
        break;
    case CodiciTasto::Invio:
        azione = {Azione::Tipo::Avvia, su};
        break;
    case CodiciTasto::Cifra4:
    case CodiciTasto::Cifra5:
    case CodiciTasto::Tastierino4:
    case CodiciTasto::Tastierino5:
    case CodiciTasto::F2:
    case CodiciTasto::F3:
        break; // accepted, does nothing, but still latches
    default:
        return azione;
    }
    m_tastoGiu.tieni();
    return azione;
}

PulsantiModo::Azione PulsantiModo::keyPress(Pulsante su, int carattere)
{
    if (!m_tastoPremuto.spazio(carattere))
        return {};
    return {Azione::Tipo::Fuoco, successivo(su)};
}

void PulsantiModo::keyUp()
{
    m_tastoGiu.lascia();
    m_tastoPremuto.lascia();
}

void PulsantiModo::mouseUp()
{
    m_tastoGiu.lascia();
}

PulsantiModo::Pulsante PulsantiModo::successivo(Pulsante p)
{
    switch (p) {
    case Pulsante::Vuoto:
        return Pulsante::Suvvalente;
    case Pulsante::Suvvalente:
        return Pulsante::Prevalente;
    case Pulsante::Prevalente:
    case Pulsante::Esci:
        break;
    }
    return Pulsante::Vuoto;
}
