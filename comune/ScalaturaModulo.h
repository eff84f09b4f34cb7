#pragma once

#include "comune/Proporzioni.h"
#include "platform/Twips.h"

#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QWidget>
#include <vector>

// Proportional layout for a working form. The form registers its controls in creation order
// with their design places in twips (timers and menu items without one); capture() takes the
// ratio table, and every resize of the client widget runs the scaling pass and then emits
// scaled(). Fonts are left alone.
class ScalaturaModulo : public QObject
{
    Q_OBJECT

public:
    ScalaturaModulo(QWidget *client, QSizeF clientProgettoTwips, QObject *parent = nullptr);

    // Places the control at its design place (in its container) and adds it to the collection.
    void aggiungi(QWidget *controllo, const QRectF &progettoTwips);
    void aggiungi(QWidget *controllo, double sinistra, double alto, double larghezza, double altezza);
    // A collection entry with no place of its own (a timer or a menu item).
    void aggiungiSenzaGeometria(TipoControllo tipo);

    // The design client size in pixels, for sizing the form before it is first shown.
    QSize dimensioneProgettoPixel() const;

    void cattura();
    void scala();

    const Proporzioni &proporzioni() const { return m_proporzioni; }
    int numeroControlli() const { return static_cast<int>(m_controlli.size()); }

Q_SIGNALS:
    void scalato();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Voce
    {
        QPointer<QWidget> widget;
        GeometriaControllo geometria;
    };

    QWidget *m_client;
    QSizeF m_clientProgetto;
    Twips m_twips;
    Proporzioni m_proporzioni;
    std::vector<Voce> m_controlli;
};
