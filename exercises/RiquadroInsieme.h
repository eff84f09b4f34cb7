#pragma once

#include "platform/RiquadroAccessibile.h"

#include <array>

class ContornoDecorativo;
class QLabel;
class QPixmap;
class ScalaturaModulo;

// One set of the exercise form: a frame with a decorative outline and fifteen slots at their
// design places. A slot shows the exercise's picture at the picture's own size from the slot's
// corner, even where the slot is smaller, and after every rescaling too. A screen reader hears
// which set it is and what it holds ("Primo insieme: 5 gatti"), and each picture by its subject.
class RiquadroInsieme : public RiquadroAccessibile
{
    Q_OBJECT

public:
    static constexpr int numeroCaselle = 15;
    // The first set on the left (FraSfondoS), the second on the right (FraSfondoD).
    enum class Insieme { Primo, Secondo };

    // Registers the frame, its outline and its slots, in this order, with the form's scaling.
    RiquadroInsieme(Insieme quale, ScalaturaModulo &scalatura, QWidget *parent);

    // Slot 1 to 15; nothing for any other number.
    QLabel *casella(int numero) const;

    // The gallery entry the slots show from now on, for what a screen reader hears.
    void impostaSoggetto(int figura);
    void mostraFigura(int numero, const QPixmap &figura);
    void nascondi(int numero);
    void nascondiTutte();
    // Takes the pictures away and leaves every slot shown or hidden as it is.
    void svuota();
    // Takes the pictures away and shows every slot, empty.
    void mostraVuote();

    void adattaCaselle();

private:
    void descrivi();

    Insieme m_quale;
    int m_soggetto = 0;
    ContornoDecorativo *m_contorno = nullptr;
    std::array<QLabel *, numeroCaselle + 1> m_caselle{}; // index 0 unused: slots are 1..15
};
