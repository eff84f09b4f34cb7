#include "exercises/ContornoDecorativo.h"

#include "platform/Aspetto.h"

#include <QPainter>
#include <QPen>

namespace {
constexpr int spessore = 3;
constexpr qreal raggio = 14.0;
} // namespace

ContornoDecorativo::ContornoDecorativo(QWidget *parent)
    : QWidget(parent)
    , m_colore(Aspetto::rosa)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ContornoDecorativo::setColore(const QColor &colore)
{
    m_colore = colore;
    update();
}

void ContornoDecorativo::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_colore, spessore));
    p.setBrush(Qt::NoBrush);
    const qreal margine = spessore / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(margine, margine, -margine, -margine), raggio, raggio);
}
