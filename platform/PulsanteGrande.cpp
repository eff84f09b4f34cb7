#include "platform/PulsanteGrande.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {
constexpr int spessoreBordo = 2;
const QColor testoDisattivato(160, 160, 160);
} // namespace

PulsanteGrande::PulsanteGrande(const QString &testo, QWidget *parent)
    : QPushButton(testo, parent)
    , m_colore(palette().color(QPalette::Button))
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void PulsanteGrande::setColore(const QColor &colore)
{
    m_colore = colore;
    QPalette p = palette();
    p.setColor(QPalette::Button, colore);
    setPalette(p);
    update();
}

void PulsanteGrande::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_colore);
    QPalette bordo;
    bordo.setColor(QPalette::Light, m_colore.lighter(115));
    bordo.setColor(QPalette::Dark, m_colore.darker(150));
    bordo.setColor(QPalette::Mid, m_colore.darker(125));
    qDrawShadePanel(&p, rect(), bordo, isDown(), spessoreBordo);
    p.setFont(font());
    p.setPen(isEnabled() ? QColor(Qt::black) : testoDisattivato);
    p.drawText(rect(), Qt::AlignCenter, text());
    if (m_corniceFuoco && hasFocus()) {
        constexpr int rientro = 4;
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(rientro, rientro, -rientro - 1, -rientro - 1));
    }
}

void PulsanteGrande::setCorniceFuoco(bool mostra)
{
    m_corniceFuoco = mostra;
    update();
}
