#pragma once

#include <QImage>
#include <QString>
#include <array>

// One of the program's pictures with its sharper copies. The picture itself (the "natural" one,
// one pixel to the logical pixel) is read when the object is made; the copies baked at two and
// three times its pixels, <name>@2x.png and <name>@3x.png beside it in the resources, are read
// only the first time a screen or the printed page asks for them. Every image handed out carries
// its device pixel ratio, so it draws at the natural picture's logical size wherever it goes.
// Used from the thread that owns the windows.
class FiguraNitida
{
public:
    static constexpr int fattoreMassimo = 3;

    // No path: a picture that is nothing at every resolution.
    FiguraNitida() = default;
    explicit FiguraNitida(const QString &percorso);

    const QImage &naturale() const { return m_naturale; }
    // The logical size every copy draws at.
    QSize dimensione() const { return m_naturale.size(); }

    // The baked copy a device with this pixel ratio needs: the smallest with at least as many
    // pixels as the device gives the picture, else the largest there is.
    static int fattorePer(qreal rapporto);
    const QImage &sorgente(qreal rapporto) const;
    const QImage &piuNitida() const { return sorgente(fattoreMassimo); }

    // The picture in exactly the device pixels it covers at this ratio, drawn smoothly from the
    // chosen copy; at the baked ratios it is the copy itself. The last answer is kept.
    const QImage &perRapporto(qreal rapporto) const;

private:
    QString m_percorso;
    QImage m_naturale;
    mutable std::array<QImage, fattoreMassimo + 1> m_copie; // by factor; 0 and 1 unused
    mutable QImage m_ricampionata;
    mutable qreal m_rapportoRicampionata = 0;
};
