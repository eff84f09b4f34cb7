#pragma once

#include <cstddef>
#include <optional>
#include <vector>

// The ratio table of a working form: every control's place as fractions of the form's client
// area, captured once at load and used by every later resize, so the layout never drifts.
// Plain logic in twips; ScalaturaModulo applies it to widgets.

// Single precision: the scaled places are rounded from these values, so it decides the pixels.
struct ProporzioniControllo
{
    float Larghezza = 0.0F;
    float Altezza = 0.0F;
    float Alto = 0.0F;
    float Sinistra = 0.0F;
};

enum class TipoControllo { Ordinario, Timer, VoceMenu };

// A control's design place in twips, in its container; timers and menu items have none.
struct GeometriaControllo
{
    TipoControllo tipo = TipoControllo::Ordinario;
    std::optional<double> sinistra, alto, larghezza, altezza;
};

// Where the scaling pass puts a control, in twips, each value rounded to single precision.
struct PosizioneScalata
{
    float sinistra = 0.0F;
    float alto = 0.0F;
    float larghezza = 0.0F;
    float altezza = 0.0F;
};

class Proporzioni
{
public:
    // Fills the table; a value the control cannot supply, or a division by a zero client
    // size, leaves that one field at 0 and the capture goes on.
    void cattura(const std::vector<GeometriaControllo> &controlli, double larghezzaClient,
                 double altezzaClient);

    // The place of control i for a client area of w x h twips, or nothing for the kinds the
    // pass leaves alone (timers, menu items) and for unknown indices.
    std::optional<PosizioneScalata> posizione(std::size_t i, double larghezzaClient,
                                              double altezzaClient) const;

    const std::vector<ProporzioniControllo> &tabella() const { return m_tabella; }

private:
    std::vector<ProporzioniControllo> m_tabella;
    std::vector<TipoControllo> m_tipi;
};
