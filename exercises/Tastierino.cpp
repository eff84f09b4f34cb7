#include "exercises/Tastierino.h"

#include "platform/CodiciTasto.h"

std::optional<int> Tastierino::tastoDaCodice(int codice)
{
    if (codice >= CodiciTasto::Cifra1 && codice <= CodiciTasto::Cifra5)
        return codice - CodiciTasto::Cifra1;
    return std::nullopt;
}

int Tastierino::successivoAbilitato(const Abilitazioni &abilitati, int corrente)
{
    for (int passo = 1; passo < numeroTasti; ++passo) {
        const int i = (corrente + passo) % numeroTasti;
        if (abilitati[i])
            return i;
    }
    return corrente;
}
