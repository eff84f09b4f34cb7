#include "comune/Proporzioni.h"

namespace {

// One quotient of the capture: a failing step (no value, zero divisor) keeps the field at 0.
void rapporto(float &campo, const std::optional<double> &valore, double divisore)
{
    if (valore && divisore != 0.0)
        campo = static_cast<float>(*valore / divisore);
}

bool lasciatoStare(TipoControllo tipo)
{
    return tipo == TipoControllo::Timer || tipo == TipoControllo::VoceMenu;
}

} // namespace

void Proporzioni::cattura(const std::vector<GeometriaControllo> &controlli, double larghezzaClient,
                          double altezzaClient)
{
    m_tabella.assign(controlli.size(), ProporzioniControllo{});
    m_tipi.clear();
    m_tipi.reserve(controlli.size());
    for (std::size_t i = 0; i < controlli.size(); ++i) {
        const GeometriaControllo &c = controlli[i];
        rapporto(m_tabella[i].Larghezza, c.larghezza, larghezzaClient);
        rapporto(m_tabella[i].Altezza, c.altezza, altezzaClient);
        rapporto(m_tabella[i].Sinistra, c.sinistra, larghezzaClient);
        rapporto(m_tabella[i].Alto, c.alto, altezzaClient);
        m_tipi.push_back(c.tipo);
    }
}

std::optional<PosizioneScalata> Proporzioni::posizione(std::size_t i, double larghezzaClient,
                                                        double altezzaClient) const
{
    if (i >= m_tabella.size() || lasciatoStare(m_tipi[i]))
        return std::nullopt;
    const ProporzioniControllo &p = m_tabella[i];
    return PosizioneScalata{
        static_cast<float>(larghezzaClient * p.Sinistra),
        static_cast<float>(altezzaClient * p.Alto),
        static_cast<float>(larghezzaClient * p.Larghezza),
        static_cast<float>(altezzaClient * p.Altezza),
    };
}
