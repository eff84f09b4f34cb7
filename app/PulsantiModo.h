#pragma once

#include "platform/Fermo.h"

// The keyboard rules of the start screen's four mode buttons, without any window: which keys
// they accept, what each asks for, and the two latches that make a held key act only once.
// TastoGiu covers key-downs, TastoPremuto the Space key-press; a real key release clears both,
// a mouse release clears TastoGiu. The start screen performs the action it gets back.
class PulsantiModo
{
public:
    // The buttons in their order on screen: the three exercise kinds, then exit.
    enum class Pulsante { Vuoto, Suvvalente, Prevalente, Esci };
    static constexpr int numeroPulsanti = 4;
    static constexpr int indice(Pulsante p) { return static_cast<int>(p); }

    struct Azione
    {
        enum class Tipo { Nessuna, Fuoco, Avvia };
        Tipo tipo = Tipo::Nessuna;
        Pulsante pulsante = Pulsante::Vuoto; // the button to focus, or the one whose kind starts
    };

    // A key-down on button `su`; a key it does not accept does nothing and does not latch.
    Azione keyDown(Pulsante su, int codice);
    // A typed character on button `su`; only Space is accepted.
    Azione keyPress(Pulsante su, int carattere);
    void keyUp();
    void mouseUp();

    bool tastoGiu() const { return m_tastoGiu.tenuto(); }
    bool tastoPremuto() const { return m_tastoPremuto.tenuto(); }

    // The button Space moves to: 0 -> 1 -> 2 -> 0; the exit button also goes back to 0.
    static Pulsante successivo(Pulsante p);

private:
    Fermo m_tastoGiu;
    Fermo m_tastoPremuto;
};
