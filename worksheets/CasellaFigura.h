#pragma once

#include <QImage>
#include <QWidget>

class FiguraNitida;

// One picture slot of a worksheet preview. It keeps the picture it shows (a null image when it
// shows nothing) and paints it at its natural size from the top left corner, as the page will,
// from the copy that matches the pixels its screen has. A screen reader meets it as a picture
// named by its subject.
class CasellaFigura : public QWidget
{
    Q_OBJECT

public:
    explicit CasellaFigura(QWidget *parent = nullptr);

    // The picture at its natural size.
    const QImage &figura() const;
    // The picture lives as long as the gallery, which outlives every form. `soggetto` is what
    // it shows in words, empty for a blank or missing picture.
    void impostaFigura(const FiguraNitida &figura, const QString &soggetto = QString());

protected:
    void paintEvent(QPaintEvent *event) override;
    // A click on a slot belongs to the slot, not to the frame around it.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const FiguraNitida *m_figura = nullptr;
};
