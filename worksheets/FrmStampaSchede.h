#pragma once

#include <QWidget>

class Contesto;

// The draw worksheet's preview form. (Being built.)
class FrmStampaSchede : public QWidget
{
    Q_OBJECT

public:
    explicit FrmStampaSchede(Contesto &contesto, QWidget *parent = nullptr);

Q_SIGNALS:
    // The form is closing and asks for the start screen to come back to the front.
    void tornaInizio();

private:
    Contesto &m_contesto;
};
