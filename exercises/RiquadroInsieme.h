#pragma once

#include <QFrame>
#include <array>

class ContornoDecorativo;
class QLabel;
class QPixmap;
class ScalaturaModulo;

// One set of the exercise form: a frame with a decorative outline and fifteen slots at their
// design places. A slot shows the exercise's picture at the picture's own size from the slot's
// corner, even where the slot is smaller, and after every rescaling too.
class RiquadroInsieme : public QFrame
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

    void mostraFigura(int numero, const QPixmap &figura);
    void nascondi(int numero);
    void nascondiTutte();
    // Takes the pictures away and leaves every slot shown or hidden as it is.
    void svuota();
    // Takes the pictures away and shows every slot, empty.
    void mostraVuote();

    void adattaCaselle();

private:
    ContornoDecorativo *m_contorno = nullptr;
    std::array<QLabel *, numeroCaselle + 1> m_caselle{}; // index 0 unused: slots are 1..15
};
