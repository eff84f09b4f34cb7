#include "exercises/FrmFigure.h"

#include <QPainter>

// Placeholder pictures of the listed sizes until the artwork lands.
FrmFigure::FrmFigure(QWidget *parent)
    : QWidget(parent)
{
    const QSize dimensioni[] = {{61, 60}, {49, 47}, {54, 55}, {53, 53}, {46, 56}, {45, 59},
                                {42, 62}, {48, 46}, {45, 55}, {49, 50}, {48, 48}, {48, 48},
                                {48, 48}, {48, 48}, {0, 0},   {61, 60}, {0, 0},   {0, 0}};
    for (int i = 0; i < numeroFigure; ++i) {
        if (dimensioni[i].isEmpty())
            continue;
        QImage img(dimensioni[i], QImage::Format_RGB32);
        img.fill(Qt::white);
        if (i != figuraVuota) {
            QPainter p(&img);
            p.setBrush(QColor::fromHsv((i * 29) % 360, 200, 230));
            p.drawEllipse(img.rect().adjusted(4, 4, -4, -4));
            p.drawText(img.rect(), Qt::AlignCenter, QString::number(i));
        }
        m_figure[i] = img;
    }
}

const QImage &FrmFigure::Image3(int i) const
{
    static const QImage nessuna;
    if (i < 0 || i >= numeroFigure)
        return nessuna;
    return m_figure[i];
}
