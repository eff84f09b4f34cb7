#include "comune/Galleria.h"

namespace {

// The resource a gallery entry is loaded from, empty for the entries without a picture.
// Entries 10 to 13 are 256-colour icons, the others JPEG pictures.
QString percorsoRisorsa(int i)
{
    if ((i >= 0 && i <= 9) || i == 15)
        return QStringLiteral(":/figure/figura%1.jpg").arg(i, 2, 10, QLatin1Char('0'));
    if (i >= 10 && i <= 13)
        return QStringLiteral(":/figure/figura%1.ico").arg(i);
    return {};
}

} // namespace

Galleria::Galleria()
{
    for (int i = 0; i < numeroFigure; ++i) {
        const QString percorso = percorsoRisorsa(i);
        if (!percorso.isEmpty())
            m_figure[i] = FiguraNitida(percorso);
    }
}

const QImage &Galleria::Image3(int i) const
{
    return figura(i).naturale();
}

const QImage &Galleria::perSchermo(int i, qreal rapporto) const
{
    return figura(i).perRapporto(rapporto);
}

const QImage &Galleria::perStampa(int i) const
{
    return figura(i).piuNitida();
}

const FiguraNitida &Galleria::figura(int i) const
{
    static const FiguraNitida nessuna;
    if (i < 0 || i >= numeroFigure)
        return nessuna;
    return m_figure[std::size_t(i)];
}
