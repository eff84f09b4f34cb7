#include "app/PulsantiModo.h"

#include "platform/CodiciTasto.h"

PulsantiModo::Azione PulsantiModo::keyDown(int indice, int &codice)
{
    if (m_tastoGiu)
        return {};

    Azione azione;
    if (codice == CodiciTasto::Tab)
        azione = {Azione::Tipo::Fuoco, indice}; // Tab never leaves the button it is on

    switch (codice) {
    case CodiciTasto::Cifra1:
    case CodiciTasto::Tastierino1:
        azione = {Azione::Tipo::Fuoco, 0};
        break;
    case CodiciTasto::Cifra2:
    case CodiciTasto::Tastierino2:
        azione = {Azione::Tipo::Fuoco, 1};
        break;
    case CodiciTasto::Cifra3:
    case CodiciTasto::Tastierino3:
        azione = {Azione::Tipo::Fuoco, 2};
        break;
    case CodiciTasto::Invio:
        azione = {Azione::Tipo::Avvia, indice};
        break;
    case CodiciTasto::Cifra4:
    case CodiciTasto::Cifra5:
    case CodiciTasto::Tastierino4:
    case CodiciTasto::Tastierino5:
    case CodiciTasto::F2:
    case CodiciTasto::F3:
        break; // accepted, does nothing, but still latches
    default:
        codice = CodiciTasto::Nessuno;
        return azione;
    }
    m_tastoGiu = true;
    return azione;
}

PulsantiModo::Azione PulsantiModo::keyPress(int indice, int &carattere)
{
    if (m_tastoPremuto)
        return {};
    if (carattere != CodiciTasto::Spazio) {
        carattere = CodiciTasto::Nessuno;
        return {};
    }
    m_tastoPremuto = true;
    return {Azione::Tipo::Fuoco, successivo(indice)};
}

void PulsantiModo::keyUp()
{
    m_tastoGiu = false;
    m_tastoPremuto = false;
}

void PulsantiModo::mouseUp()
{
    m_tastoGiu = false;
}

int PulsantiModo::successivo(int indice)
{
    if (indice >= 2)
        return 0;
    return indice + 1;
}
