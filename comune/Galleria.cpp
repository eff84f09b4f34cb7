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

// The subjects of the drawings: the name of one picture, then one and many copies of it. A
// picture of cherries shows a pair, so it is counted in pairs.
struct Soggetto
{
    const char *nome;
    const char *uno;
    const char *tanti;
};
constexpr std::array<Soggetto, Galleria::numeroFigure> soggetti{{
    {"", "", ""},
    {"imbuto", "imbuto", "imbuti"},
    {"lampada", "lampada", "lampade"},
    {"sveglia", "sveglia", "sveglie"},
    {"barca a vela", "barca a vela", "barche a vela"},
    {"bandiera", "bandiera", "bandiere"},
    {"candela", "candela", "candele"},
    {"dado", "dado", "dadi"},
    {"aquilone", "aquilone", "aquiloni"},
    {"sedia", "sedia", "sedie"},
    {"abete", "abete", "abeti"},
    {"ciliegie", "coppia di ciliegie", "coppie di ciliegie"},
    {"gatto", "gatto", "gatti"},
    {"corno", "corno", "corni"},
    {"", "", ""},
    {"riquadro vuoto", "riquadro vuoto", "riquadri vuoti"},
    {"", "", ""},
    {"", "", ""},
}};

const Soggetto &soggettoDi(int i)
{
    return soggetti[i >= 0 && i < Galleria::numeroFigure ? i : 0];
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

QString Galleria::soggetto(int i)
{
    return QString::fromUtf8(soggettoDi(i).nome);
}

QString Galleria::quantita(int i, int copie)
{
    const Soggetto &s = soggettoDi(i);
    if (copie <= 0 || *s.nome == '\0')
        return QStringLiteral("nessun elemento");
    return QStringLiteral("%1 %2").arg(copie).arg(QString::fromUtf8(copie == 1 ? s.uno : s.tanti));
}
