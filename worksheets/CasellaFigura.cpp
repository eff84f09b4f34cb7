#include "worksheets/CasellaFigura.h"

#include "comune/FiguraNitida.h"

#include <QMouseEvent>
#include <QPainter>

CasellaFigura::CasellaFigura(QWidget *parent)
    : QWidget(parent)
{
}

const QImage &CasellaFigura::figura() const
{
    static const QImage nessuna;
    return m_figura ? m_figura->naturale() : nessuna;
}

void CasellaFigura::impostaFigura(const FiguraNitida &figura)
{
    m_figura = &figura;
    // Never smaller than the picture, so a small window does not crop it; the scaling pass
    // can still make the slot larger.
    setMinimumSize(figura.dimensione());
    update();
}

void CasellaFigura::paintEvent(QPaintEvent *)
{
    if (!m_figura || m_figura->naturale().isNull())
        return;
    QPainter p(this);
    // The copy carries the ratio, so it covers the picture's logical size pixel for pixel.
    p.drawImage(QPoint(0, 0), m_figura->perRapporto(devicePixelRatioF()));
}

void CasellaFigura::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void CasellaFigura::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
