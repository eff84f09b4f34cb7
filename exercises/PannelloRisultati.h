#pragma once

#include "platform/RiquadroAccessibile.h"

#include <array>

class QLabel;
class ScalaturaModulo;

// The results panel of the exercise form (frmElaborazione): five headings over five values,
// the exercise number, the right and wrong answers and the two times in seconds. It only
// shows what it is given. A screen reader hears each value with its heading ("Risposte esatte: 3").
class PannelloRisultati : public RiquadroAccessibile
{
    Q_OBJECT

public:
    static constexpr int numeroColonne = 5;

    // Registers the panel, then its headings, then its values with the form's scaling.
    PannelloRisultati(ScalaturaModulo &scalatura, QWidget *parent);

    QLabel *Label5(int indice) const;
    QLabel *LblOperazione() const { return m_valori[0]; }
    QLabel *lblRisEsatte() const { return m_valori[1]; }
    QLabel *lblRisErrate() const { return m_valori[2]; }
    QLabel *LblTempoParziale() const { return m_valori[3]; }
    QLabel *LblTempoTotale() const { return m_valori[4]; }

    void mostraOperazione(int numero);
    void mostraEsatte(int risposte);
    void mostraErrate(int risposte);
    // Times above 999 seconds show as 999.
    void mostraTempi(int parziale, int totale);
    void cancellaTempoParziale();

private:
    void scrivi(int colonna, const QString &testo);

    std::array<QLabel *, numeroColonne> m_titoli{};
    std::array<QLabel *, numeroColonne> m_valori{};
};
