#include "comune/FiguraAdattata.h"

#include <QPixmap>

#include <algorithm>

FiguraAdattata::FiguraAdattata(const QString &percorso, QWidget *parent)
    : QLabel(parent)
    , m_figura(percorso)
{
    setScaledContents(true);
    // The picture itself until the box is first painted at its size on its screen.
    if (!m_figura.naturale().isNull()) {
        setPixmap(QPixmap::fromImage(m_figura.naturale()));
        m_fattore = 1;
    }
}

void FiguraAdattata::paintEvent(QPaintEvent *event)
{
    scegliCopia();
    QLabel::paintEvent(event);
}

void FiguraAdattata::scegliCopia()
{
    const QSize naturale = m_figura.dimensione();
    if (naturale.isEmpty())
        return; // a null picture leaves the box empty
    const qreal schermo = devicePixelRatioF();
    qreal rapporto = 1;
    if (schermo > 1) {
        // The pixels the box covers on the screen, against the picture's own.
        rapporto = schermo
            * std::max({1.0, qreal(width()) / naturale.width(), qreal(height()) / naturale.height()});
    }
    const QImage &copia = m_figura.sorgente(rapporto);
    const int fattore = qRound(copia.devicePixelRatio());
    if (fattore == m_fattore)
        return;
    m_fattore = fattore;
    setPixmap(QPixmap::fromImage(copia));
}
