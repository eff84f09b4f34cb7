#include "exercises/Tastierino.h"

#include "platform/CodiciTasto.h"

Tastierino::Azione Tastierino::keyDown(Tasto su, int &codice, const Abilitazioni &abilitati)
{
    if (m_tastoGiu)
        return {};
    Azione azione;
    if (const auto tasto = tastoDaCodice(codice)) {
        if (abilitati[indice(*tasto)])
            azione = {Azione::Tipo::Fuoco, *tasto};
    } else if (codice == CodiciTasto::Invio) {
        azione = {Azione::Tipo::Esegui, su};
    } else {
        codice = CodiciTasto::Nessuno;
        return {};
    }
    // A digit naming a disabled button does nothing, but it still holds the key.
    tastoTenuto();
    return azione;
}

Tastierino::Azione Tastierino::keyPress(Tasto su, int &carattere, const Abilitazioni &abilitati)
{
    if (m_tastoPremuto)
        return {};
    if (carattere != CodiciTasto::Spazio) {
        carattere = CodiciTasto::Nessuno;
        return {};
    }
    m_tastoPremuto = true;
    return {Azione::Tipo::Passa, successivoAbilitato(abilitati, su)};
}

Tastierino::Azione Tastierino::mouseDown(Tasto su, bool abilitato)
{
    if (m_mouseGiu || !abilitato)
        return {};
    m_mouseGiu = true;
    return {Azione::Tipo::Esegui, su};
}

Tastierino::AzioneAiuto Tastierino::keyDownAiuto(Aiuto su, int &codice)
{
    if (m_tastoGiuAiuto)
        return {};
    AzioneAiuto azione;
    switch (codice) {
    case CodiciTasto::LetteraS:
    case CodiciTasto::Cifra1:
    case CodiciTasto::Tastierino1:
        azione = {AzioneAiuto::Tipo::Fuoco, Aiuto::Si};
        break;
    case CodiciTasto::LetteraN:
    case CodiciTasto::Cifra2:
    case CodiciTasto::Tastierino2:
        azione = {AzioneAiuto::Tipo::Fuoco, Aiuto::No};
        break;
    case CodiciTasto::Invio:
        azione = {AzioneAiuto::Tipo::Scegli, su};
        break;
    default:
        codice = CodiciTasto::Nessuno;
        return {};
    }
    tastoTenuto();
    return azione;
}

Tastierino::AzioneAiuto Tastierino::keyPressAiuto(Aiuto su, int &carattere)
{
    if (m_tastoPremutoAiuto)
        return {};
    if (carattere != CodiciTasto::Spazio) {
        carattere = CodiciTasto::Nessuno;
        return {};
    }
    m_tastoPremutoAiuto = true;
    return {AzioneAiuto::Tipo::Passa, su == Aiuto::Si ? Aiuto::No : Aiuto::Si};
}

bool Tastierino::keyDownOK(int &codice)
{
    if (m_tastoGiuAiuto)
        return false;
    if (codice != CodiciTasto::Invio) {
        codice = CodiciTasto::Nessuno;
        return false;
    }
    tastoTenuto();
    return true;
}

void Tastierino::tastoTenuto()
{
    m_tastoGiu = true;
    m_tastoGiuAiuto = true;
}

void Tastierino::keyUp()
{
    m_tastoGiu = false;
    m_tastoPremuto = false;
    m_mouseGiu = false;
    m_tastoGiuAiuto = false;
    m_tastoPremutoAiuto = false;
}

void Tastierino::mouseUp()
{
    m_mouseGiu = false;
}

std::optional<Tastierino::Tasto> Tastierino::tastoDaCodice(int codice)
{
    if (codice >= CodiciTasto::Cifra1 && codice <= CodiciTasto::Cifra5)
        return static_cast<Tasto>(codice - CodiciTasto::Cifra1);
    return std::nullopt;
}

Tastierino::Tasto Tastierino::successivoAbilitato(const Abilitazioni &abilitati, Tasto corrente)
{
    const int da = static_cast<int>(corrente);
    for (int passo = 1; passo < numeroTasti; ++passo) {
        const int i = (da + passo) % numeroTasti;
        if (abilitati[static_cast<std::size_t>(i)])
            return static_cast<Tasto>(i);
    }
    return corrente;
}
