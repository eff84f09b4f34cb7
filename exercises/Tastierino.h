#pragma once

#include "platform/Fermo.h"

#include <array>
#include <cstddef>
#include <optional>

// The keyboard and mouse rules of the exercise form's three panels, without widgets, and the
// state they go by: which panel is in use and which keypad buttons are enabled (the widgets
// only show it), where the focus goes, what a key or a press on a button asks for, and the
// latches that make a held key or button act only once.
// TastoGiu and TastoGiuAiuto cover key-downs, TastoPremuto and TastoPremutoAiuto the Space
// key-press, MouseGiu the keypad's mouse presses. A key that has acted moves the focus to
// another panel while it is still held, so it sets the key-down latches of every panel; any
// real key release clears all the latches, a mouse release clears MouseGiu. The form performs
// the action it gets back.
class Tastierino
{
public:
    enum class Tasto { Aggiungi, Togli, Verifica, Avanti, Esci };
    // The help panel's two answers.
    enum class Aiuto { Si, No };
    // The three panels at the keypad's place; only the one in use takes input.
    enum class Pannello { Tastierino, Aiuto, Intervento };
    static constexpr int numeroTasti = 5;
    using Abilitazioni = std::array<bool, numeroTasti>;

    static constexpr std::size_t indice(Tasto t) { return static_cast<std::size_t>(t); }

    struct Stato
    {
        Abilitazioni abilitati;
        Tasto fuoco;
    };
    // Editing: add and remove only, focus on "add".
    static constexpr Stato modifica{{true, true, false, false, false}, Tasto::Aggiungi};
    // After a right answer or the solution: next exercise and exit only, focus on "next".
    static constexpr Stato avanti{{false, false, false, true, true}, Tasto::Avanti};

    struct Azione
    {
        // Fuoco moves the focus to a button, Passa moves it on as Space does, Esegui acts.
        enum class Tipo { Nessuna, Fuoco, Passa, Esegui };
        Tipo tipo = Tipo::Nessuna;
        Tasto tasto = Tasto::Aggiungi;
    };
    struct AzioneAiuto
    {
        enum class Tipo { Nessuna, Fuoco, Passa, Scegli };
        Tipo tipo = Tipo::Nessuna;
        Aiuto risposta = Aiuto::Si;
    };

    // The keypad's buttons as `stato` enables them; where its focus goes is the form's to do.
    void imposta(const Stato &stato) { m_abilitati = stato.abilitati; }
    // "VERIFICA" follows the second set: enabled once it has been changed, and not when empty.
    void abilitaVerifica(bool abilitato) { m_abilitati[indice(Tasto::Verifica)] = abilitato; }
    const Abilitazioni &abilitati() const { return m_abilitati; }
    void usa(Pannello pannello) { m_inUso = pannello; }
    Pannello inUso() const { return m_inUso; }
    // Whether keypad button `t` acts: it is enabled and the keypad is in use.
    bool attivo(Tasto t) const { return m_inUso == Pannello::Tastierino && m_abilitati[indice(t)]; }

    // A key-down on keypad button `su`: digits 1 to 5 focus their button when it is enabled,
    // Enter acts on `su` (the form acts only for an active button); any other key does nothing
    // and does not latch.
    Azione keyDown(Tasto su, int codice);
    // A typed character on keypad button `su`: Space moves to the next enabled button.
    Azione keyPress(Tasto su, int carattere);
    // A mouse press on a keypad button: acts on an active one.
    Azione mouseDown(Tasto su);

    // A key-down on a help button: S, 1 and keypad 1 focus "yes", N, 2 and keypad 2 focus
    // "no", Enter chooses `su`; any other key does nothing and does not latch.
    AzioneAiuto keyDownAiuto(Aiuto su, int codice);
    // Space swaps between the two help buttons.
    AzioneAiuto keyPressAiuto(Aiuto su, int carattere);
    // A key-down on the intervention's OK button: true when it acts (Enter only).
    bool keyDownOK(int codice);

    void keyUp();
    void mouseUp();

    bool tastoGiu() const { return m_tastoGiu.tenuto(); }
    bool tastoPremuto() const { return m_tastoPremuto.tenuto(); }
    bool mouseGiu() const { return m_mouseGiu.tenuto(); }
    bool tastoGiuAiuto() const { return m_tastoGiuAiuto.tenuto(); }
    bool tastoPremutoAiuto() const { return m_tastoPremutoAiuto.tenuto(); }

    // The button the main-keyboard digits 1 to 5 name; nothing for every other key code.
    static std::optional<Tasto> tastoDaCodice(int codice);

    // The next enabled button after `corrente` in index order, wrapping after the last; the
    // current one when no other is enabled.
    static Tasto successivoAbilitato(const Abilitazioni &abilitati, Tasto corrente);

private:
    void tastoTenuto();

    Abilitazioni m_abilitati = modifica.abilitati;
    Pannello m_inUso = Pannello::Tastierino;

    Fermo m_tastoGiu;
    Fermo m_tastoPremuto;
    Fermo m_mouseGiu;
    Fermo m_tastoGiuAiuto;
    Fermo m_tastoPremutoAiuto;
};
