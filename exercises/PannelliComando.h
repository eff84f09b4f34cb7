#pragma once

#include "comune/Didascalia.h"
#include "exercises/Tastierino.h"

#include <array>

class PulsanteGrande;
class QFrame;
class QLabel;
class QWidget;
class ScalaturaModulo;

// The three panels stacked at the keypad's place of the exercise form: the keypad with its
// five buttons, the help panel with its two answers, the intervention with its OK button. They
// are the form's own children; they show the Tastierino's state: only the panel in use is
// enabled and lies in front, and the keypad's buttons are enabled as it says. The buttons show
// by their colour which one has the focus.
class PannelliComando
{
public:
    using Tasto = Tastierino::Tasto;
    using Aiuto = Tastierino::Aiuto;

    // The captions of the help and intervention panels, which the voice says as they come up.
    static inline const Didascalia tiAiuto{QStringLiteral("Ti aiuto ?"), QStringLiteral("Ti aiuto?")};
    static inline const Didascalia intervengo{QStringLiteral("Intervengo io"), QStringLiteral("Intervengo io.")};

    // Builds the panels in `form` and registers them, and their contents, with its scaling.
    PannelliComando(QWidget *form, ScalaturaModulo &scalatura);

    QFrame *fraTastierino() const { return m_fraTastierino; }
    QFrame *fraAiuto() const { return m_fraAiuto; }
    QFrame *fraIntervento() const { return m_fraIntervento; }
    QLabel *LblAiuto() const { return m_lblAiuto; }
    QLabel *lblIntervento() const { return m_lblIntervento; }
    PulsanteGrande *tasto(Tasto t) const { return m_option1[Tastierino::indice(t)]; }
    PulsanteGrande *risposta(Aiuto a) const { return m_option3[static_cast<std::size_t>(a)]; }
    PulsanteGrande *optOK() const { return m_optOK; }

    void disattivaTutti();
    // Disables all three panels, then enables `pannello` and brings it in front.
    void portaInPrimoPiano(Tastierino::Pannello pannello);
    // Enables the keypad's buttons as `abilitati` says.
    void mostraAbilitati(const Tastierino::Abilitazioni &abilitati);

    void coloraTasto(Tasto t, bool conFuoco);
    void coloraRisposta(Aiuto a, bool conFuoco);

private:
    void creaTastierino(QWidget *form, ScalaturaModulo &scalatura);
    void creaAiutoEIntervento(QWidget *form, ScalaturaModulo &scalatura);

    QFrame *m_fraTastierino = nullptr;
    std::array<PulsanteGrande *, Tastierino::numeroTasti> m_option1{};
    QFrame *m_fraAiuto = nullptr;
    QLabel *m_lblAiuto = nullptr;
    std::array<PulsanteGrande *, 2> m_option3{};
    QFrame *m_fraIntervento = nullptr;
    QLabel *m_lblIntervento = nullptr;
    PulsanteGrande *m_optOK = nullptr;
};
