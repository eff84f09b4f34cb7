#pragma once

// The start screen's opening curtain: two panels, one docked to each side edge, that start at
// half the window's outer width each and shrink by a fixed step on every tick of the timer.
// Widths are kept here in twips, so the widgets only mirror them and rounding to pixels never
// accumulates. A width that would go below zero is refused and ends the shrinking part of that
// tick; the stop test looks at the left panel only.
class Tendine
{
public:
    static constexpr double passoTwips = 75.0;
    static constexpr double sogliaArrestoTwips = 10.0;

    // Both panels at half the outer width (border included), timer running.
    void avvia(double larghezzaEsternaTwips);
    // One timer tick.
    void passo();

    double larghezzaSinistra() const { return m_sinistra; }
    double larghezzaDestra() const { return m_destra; }
    bool attiva() const { return m_attiva; }

private:
    // A panel refuses a negative width and keeps the one it has.
    static bool restringi(double &larghezza);

    double m_sinistra = 0.0;
    double m_destra = 0.0;
    bool m_attiva = false;
};
