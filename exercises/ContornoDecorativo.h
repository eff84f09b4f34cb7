#pragma once

#include <QColor>
#include <QWidget>

// A rounded outline that frames a set; it only paints, and lets clicks through.
class ContornoDecorativo : public QWidget
{
    Q_OBJECT

public:
    explicit ContornoDecorativo(QWidget *parent = nullptr);

    void setColore(const QColor &colore);
    QColor colore() const { return m_colore; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colore;
};
