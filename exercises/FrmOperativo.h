#pragma once

#include <QWidget>

class Contesto;
class QLabel;

// The exercise form. (Being built: only the instruction line so far.)
class FrmOperativo : public QWidget
{
    Q_OBJECT

public:
    explicit FrmOperativo(Contesto &contesto, QWidget *parent = nullptr);

    QLabel *Label2() const { return m_label2; }

private:
    Contesto &m_contesto;
    QLabel *m_label2;
};
