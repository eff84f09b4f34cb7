#include "worksheets/CorniceInsieme.h"
#include "platform/Aspetto.h"

#include <QMouseEvent>
#include <QPainter>

CorniceInsieme::CorniceInsieme(const QString &didascalia, QWidget *parent)
    : QWidget(parent)
    , m_didascalia(didascalia)
{
    setFont(Aspetto::arial(8.25, false));
}

void CorniceInsieme::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);

    // An etched border whose top edge runs through the middle of the caption.
    const QFontMetrics metriche(font());
    const int meta = m_didascalia.isEmpty() ? 0 : metriche.height() / 2;
    const QRect bordo = rect().adjusted(0, meta, -2, -2);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(bordo);
    p.setPen(QColor(255, 255, 255));
    p.drawRect(bordo.translated(1, 1));
    p.setPen(QColor(160, 160, 160));
    p.drawLine(bordo.bottomLeft() + QPoint(0, 1), bordo.bottomRight() + QPoint(1, 1));
    p.drawLine(bordo.topRight() + QPoint(1, 0), bordo.bottomRight() + QPoint(1, 1));

    if (!m_didascalia.isEmpty()) {
        const int x = 8;
        QRect testo(x, 0, metriche.horizontalAdvance(m_didascalia) + 4, metriche.height());
        p.fillRect(testo, Qt::white);
        p.setPen(Qt::black);
        p.drawText(testo, Qt::AlignLeft | Qt::AlignVCenter, QLatin1Char(' ') + m_didascalia);
    }
}

void CorniceInsieme::mousePressEvent(QMouseEvent *event)
{
    m_premuta = event->button() == Qt::LeftButton;
    event->accept();
}

void CorniceInsieme::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_premuta && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_premuta = false;
    event->accept();
    if (click)
        Q_EMIT cliccata();
}
