#include "comune/ScalaturaModulo.h"

#include <QEvent>

ScalaturaModulo::ScalaturaModulo(QWidget *client, QSizeF clientProgettoTwips, QObject *parent)
    : QObject(parent)
    , m_client(client)
    , m_clientProgetto(clientProgettoTwips)
    , m_twips(Twips::schermo())
{
    m_client->installEventFilter(this);
}

void ScalaturaModulo::aggiungi(QWidget *controllo, const QRectF &progettoTwips)
{
    controllo->setGeometry(m_twips.rettangoloInPixel(progettoTwips));
    GeometriaControllo g;
    g.sinistra = progettoTwips.left();
    g.alto = progettoTwips.top();
    g.larghezza = progettoTwips.width();
    g.altezza = progettoTwips.height();
    m_controlli.push_back({controllo, g});
}

void ScalaturaModulo::aggiungi(QWidget *controllo, double sinistra, double alto, double larghezza,
                               double altezza)
{
    aggiungi(controllo, QRectF(sinistra, alto, larghezza, altezza));
}

void ScalaturaModulo::aggiungiSenzaGeometria(TipoControllo tipo)
{
    GeometriaControllo g;
    g.tipo = tipo;
    m_controlli.push_back({nullptr, g});
}

QSize ScalaturaModulo::dimensioneProgettoPixel() const
{
    return QSize(m_twips.inPixelInteri(m_clientProgetto.width()),
                 m_twips.inPixelInteri(m_clientProgetto.height()));
}

void ScalaturaModulo::cattura()
{
    // At load every control stands at its design place in a client area of design size.
    std::vector<GeometriaControllo> geometrie;
    geometrie.reserve(m_controlli.size());
    for (const Voce &v : m_controlli)
        geometrie.push_back(v.geometria);
    m_proporzioni.cattura(geometrie, m_clientProgetto.width(), m_clientProgetto.height());
}

void ScalaturaModulo::scala()
{
    const double w = m_twips.daPixel(m_client->width());
    const double h = m_twips.daPixel(m_client->height());
    for (std::size_t i = 0; i < m_controlli.size(); ++i) {
        QWidget *widget = m_controlli[i].widget;
        if (!widget)
            continue; // a control already destroyed refuses the move; the next pass tries again
        if (const auto p = m_proporzioni.posizione(i, w, h))
            widget->setGeometry(m_twips.rettangoloInPixel(
                QRectF(p->sinistra, p->alto, p->larghezza, p->altezza)));
    }
    Q_EMIT scalato();
}

bool ScalaturaModulo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        scala();
    return QObject::eventFilter(watched, event);
}
