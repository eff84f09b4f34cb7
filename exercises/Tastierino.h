#pragma once

#include <array>
#include <optional>

// The keypad's rules without widgets: which buttons each state enables and where the focus
// goes, which digit key names which button, and where Space moves the focus.
class Tastierino
{
public:
    enum Tasto { Aggiungi = 0, Togli = 1, Verifica = 2, Avanti = 3, Esci = 4 };
    static constexpr int numeroTasti = 5;
    using Abilitazioni = std::array<bool, numeroTasti>;

    struct Stato
    {
        Abilitazioni abilitati;
        int fuoco;
    };
    // Editing: add and remove only, focus on "add".
    static constexpr Stato modifica{{true, true, false, false, false}, Aggiungi};
    // After a right answer or the solution: next exercise and exit only, focus on "next".
    static constexpr Stato avanti{{false, false, false, true, true}, Avanti};

    // The button the main-keyboard digits 1 to 5 name; nothing for every other key code.
    static std::optional<int> tastoDaCodice(int codice);

    // The next enabled button after `corrente` in index order, wrapping after the last; the
    // current one when no other is enabled.
    static int successivoAbilitato(const Abilitazioni &abilitati, int corrente);
};
