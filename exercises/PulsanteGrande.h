#pragma once

#include <QColor>
#include <QPushButton>

// A big keypad-style button drawn flat in its own colour with a raised edge, the same under
// every widget style and in every state: the colour tells the child where the focus is.
class PulsanteGrande : public QPushButton
{
    Q_OBJECT

public:
    PulsanteGrande(const QString &testo, QWidget *parent = nullptr);

    void setColore(const QColor &colore);
    QColor colore() const { return m_colore; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colore;
};
