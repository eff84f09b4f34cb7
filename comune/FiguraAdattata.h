#pragma once

#include "comune/FiguraNitida.h"

#include <QLabel>

// A picture stretched over its box, as the start screen shows its sample set. On a screen with
// more pixels to the point the box is filled from the copy with enough pixels for the box as
// the screen draws it; at ratio 1 it is the picture itself. The copy is chosen
// again whenever the box is painted after a change of size or of screen.
class FiguraAdattata : public QLabel
{
    Q_OBJECT

public:
    FiguraAdattata(const QString &percorso, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void scegliCopia();

    FiguraNitida m_figura;
    int m_fattore = 0; // of the copy shown, 0 while there is none
};
