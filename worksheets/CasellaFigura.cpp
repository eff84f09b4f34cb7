#include "worksheets/CasellaFigura.h"

#include "comune/FiguraNitida.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The slot paints its picture itself, so Qt would present it as a bare client area.
QAccessibleInterface *interfacciaCasella(const QString &classe, QObject *oggetto)
{
    if (classe != QLatin1String(CasellaFigura::staticMetaObject.className()))
        return nullptr;
    if (auto *casella = qobject_cast<CasellaFigura *>(oggetto))
        return new QAccessibleWidget(casella, QAccessible::Graphic);
    return nullptr;
}

} // namespace

CasellaFigura::CasellaFigura(QWidget *parent)
    : QWidget(parent)
{
    static const bool installata = [] {
        QAccessible::installFactory(interfacciaCasella);
        return true;
    }();
    Q_UNUSED(installata);
    setAccessibleName(QStringLiteral("casella vuota"));
}

const QImage &CasellaFigura::figura() const
{
    static const QImage nessuna;
    return m_figura ? m_figura->naturale() : nessuna;
}

void CasellaFigura::impostaFigura(const FiguraNitida &figura, const QString &soggetto)
{
    m_figura = &figura;
    const QString nome = soggetto.isEmpty() ? QStringLiteral("casella vuota") : soggetto;
    if (accessibleName() != nome)
        setAccessibleName(nome);
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
