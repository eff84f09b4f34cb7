#include "worksheets/CasellaFigura.h"

#include <QMouseEvent>
#include <QPainter>

CasellaFigura::CasellaFigura(QWidget *parent)
    : QWidget(parent)
{
}

void CasellaFigura::impostaFigura(const QImage &figura)
{
    m_figura = figura;
    // Never smaller than the picture, so a small window does not crop it; the scaling pass
    // can still make the slot larger.
    setMinimumSize(figura.size());
    update();
}

void CasellaFigura::paintEvent(QPaintEvent *)
{
    if (m_figura.isNull())
        return;
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_figura);
}

void CasellaFigura::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void CasellaFigura::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}
