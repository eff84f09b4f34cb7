#pragma once

// The start screen's opening curtain: two panels, one docked to each side edge, that start at
// half the window's outer width each and shrink by a fixed step on every tick of the timer.
// Widths are kept here in twips, so the widgets only mirror them and rounding to pixels never
// accumulates. The stop test looks at the left panel only; when it stops, or when a step would
// take a panel below zero (a half width that is not a whole number of steps), both panels go to
// zero, so the curtain always ends fully open and the timer does not tick on for nothing.
class Tendine
{
public:
    static constexpr double passoTwips = 75.0;
    static constexpr double sogliaArrestoTwips = 10.0;

    // Both panels at half the outer width (border included), timer running, shrinking by
    // `passo` on every tick.
    void avvia(double larghezzaEsternaTwips, double passo = passoTwips);
    // One timer tick.
    void passo();

    double larghezzaSinistra() const { return m_sinistra; }
    double larghezzaDestra() const { return m_destra; }
    bool attiva() const { return m_attiva; }

private:
    double m_sinistra = 0.0;
    double m_destra = 0.0;
    double m_passo = passoTwips;
    bool m_attiva = false;
};
