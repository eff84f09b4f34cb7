#include "exercises/Tastierino.h"

#include "platform/CodiciTasto.h"

Tastierino::Azione Tastierino::keyDown(Tasto su, int codice)
{
    if (m_tastoGiu.tenuto())
        return {};
    Azione azione;
    if (const auto tasto = tastoDaCodice(codice)) {
        if (m_abilitati[indice(*tasto)])
            azione = {Azione::Tipo::Fuoco, *tasto};
    } else if (codice == CodiciTasto::Invio) {
        azione = {Azione::Tipo::Esegui, su};
    } else {
        return {};
    }
    // A digit naming a disabled button does nothing, but it still holds the key.
    tastoTenuto();
    return azione;
}

Tastierino::Azione Tastierino::keyPress(Tasto su, int carattere)
{
    if (!m_tastoPremuto.spazio(carattere))
        return {};
    return {Azione::Tipo::Passa, successivoAbilitato(m_abilitati, su)};
}

Tastierino::Azione Tastierino::mouseDown(Tasto su)
{
    if (!attivo(su) || !m_mouseGiu.prendi())
        return {};
    return {Azione::Tipo::Esegui, su};
}

Tastierino::AzioneAiuto Tastierino::keyDownAiuto(Aiuto su, int codice)
{
    if (m_tastoGiuAiuto.tenuto())
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
        return {};
    }
    tastoTenuto();
    return azione;
}

Tastierino::AzioneAiuto Tastierino::keyPressAiuto(Aiuto su, int carattere)
{
    if (!m_tastoPremutoAiuto.spazio(carattere))
        return {};
    return {AzioneAiuto::Tipo::Passa, su == Aiuto::Si ? Aiuto::No : Aiuto::Si};
}

bool Tastierino::keyDownOK(int codice)
{
    if (m_tastoGiuAiuto.tenuto())
        return false;
    if (codice != CodiciTasto::Invio)
        return false;
    tastoTenuto();
    return true;
}

void Tastierino::tastoTenuto()
{
    m_tastoGiu.tieni();
    m_tastoGiuAiuto.tieni();
}

void Tastierino::keyUp()
{
    for (Fermo *f : {&m_tastoGiu, &m_tastoPremuto, &m_mouseGiu, &m_tastoGiuAiuto, &m_tastoPremutoAiuto})
        f->lascia();
}

void Tastierino::mouseUp()
{
    m_mouseGiu.lascia();
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
