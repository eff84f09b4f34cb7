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
