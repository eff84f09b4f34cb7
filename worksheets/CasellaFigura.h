#pragma once

#include <QImage>
#include <QWidget>

class FiguraNitida;

// One picture slot of a worksheet preview. It keeps the picture it shows (a null image when it
// shows nothing) and paints it at its natural size from the top left corner, as the page will,
// from the copy that matches the pixels its screen has.
class CasellaFigura : public QWidget
{
    Q_OBJECT

public:
    explicit CasellaFigura(QWidget *parent = nullptr);

    // The picture at its natural size.
    const QImage &figura() const;
    // The picture lives as long as the gallery, which outlives every form.
    void impostaFigura(const FiguraNitida &figura);

protected:
    void paintEvent(QPaintEvent *event) override;
    // A click on a slot belongs to the slot, not to the frame around it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const FiguraNitida *m_figura = nullptr;
};
