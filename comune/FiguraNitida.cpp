#include "comune/FiguraNitida.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

QString percorsoCopia(const QString &percorso, int fattore)
{
    const QFileInfo info(percorso);
    return info.path() + QLatin1Char('/') + info.completeBaseName()
        + QStringLiteral("@%1x.png").arg(fattore);
}

} // namespace

FiguraNitida::FiguraNitida(const QString &percorso)
    : m_percorso(percorso)
    , m_naturale(percorso)
{
}

int FiguraNitida::fattorePer(qreal rapporto)
{
    // A hair of tolerance so that a ratio computed as 2.0000001 still takes the 2x copy.
    const int fattore = int(std::ceil(rapporto - 1e-6));
    return std::clamp(fattore, 1, fattoreMassimo);
}

const QImage &FiguraNitida::sorgente(qreal rapporto) const
{
    const int fattore = fattorePer(rapporto);
    if (fattore == 1 || m_naturale.isNull())
        return m_naturale;
    QImage &copia = m_copie[std::size_t(fattore)];
    if (copia.isNull()) {
        copia = QImage(percorsoCopia(m_percorso, fattore));
        // Without its copy the picture still draws, from the natural one.
        if (copia.isNull())
            return m_naturale;
        copia.setDevicePixelRatio(fattore);
    }
    return copia;
}

const QImage &FiguraNitida::perRapporto(qreal rapporto) const
{
    const QImage &da = sorgente(rapporto);
    if (m_naturale.isNull() || rapporto <= 1 || qFuzzyCompare(da.devicePixelRatio(), rapporto))
        return da;
    if (!qFuzzyCompare(m_rapportoRicampionata, rapporto)) {
        const QSize pixel(qRound(dimensione().width() * rapporto),
                          qRound(dimensione().height() * rapporto));
        m_ricampionata = da.scaled(pixel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_ricampionata.setDevicePixelRatio(rapporto);
        m_rapportoRicampionata = rapporto;
    }
    return m_ricampionata;
}
