#pragma once

#include "worksheets/ContenutoPagina.h"

#include <QMainWindow>
#include <QSizeF>
#include <array>

class CasellaFigura;
class Contesto;
class DialogoStampante;
class QAction;
class QLabel;
class QPushButton;
class ScalaturaModulo;

// What the three worksheet preview forms share: the pink window with its menu bar and its
// scaled client area, the four set flags that gate printing, the printer menu entry, the
// printing of the page the form shows, and the way back to the start screen.
class ModuloScheda : public QMainWindow
{
    Q_OBJECT

public:
    // Whether exercise e (1..4) has been generated since the form was opened.
    bool mostrato(int esercizio) const;

    ScalaturaModulo &scalatura() const { return *m_scalatura; }

    // The page as "STAMPA" would print it now, read from the slots.
    virtual ContenutoPagina contenutoPagina() const = 0;

Q_SIGNALS:
    // The form is closing and asks for the start screen to come back to the front.
    void tornaInizio();

protected:
    ModuloScheda(Contesto &contesto, DialogoStampante &dialogo, const QString &titolo,
                 QSizeF clientProgettoTwips, QWidget *parent);

    Contesto &contesto() const { return m_contesto; }
    QWidget *client() const { return m_client; }

    // Controls are registered with the layout scaling as they are made, in this order.
    QLabel *creaTitolo(QWidget *genitore, const QString &testo, const QRectF &progetto);
    QPushButton *creaPulsante(QWidget *genitore, const QString &testo, const QRectF &progetto,
                              bool rosa);
    CasellaFigura *creaCasella(QWidget *genitore, const QRectF &progetto);
    QAction *creaVoceStampante(const QString &testo);

    // The load's first step, then the form's own start; finally sized and set to open maximized.
    void catturaProporzioni();
    void preparaApertura();

    void segnaMostrato(int esercizio);
    void stampaPagina(const QString &messaggioIncompleta);

    void closeEvent(QCloseEvent *event) override;

private:
    Contesto &m_contesto;
    DialogoStampante &m_dialogoStampante;
    QWidget *m_client;
    ScalaturaModulo *m_scalatura;
    std::array<bool, 4> m_mostrati{};
    bool m_inChiusura = false;
};
