#pragma once

#include <QWidget>

class Contesto;

// The add and remove worksheets' preview form, one implementation for both kinds. (Being built.)
class FrmStampaSchedeElementi : public QWidget
{
    Q_OBJECT

public:
    enum class Tipo { Aggiungi, Togli };

    FrmStampaSchedeElementi(Contesto &contesto, Tipo tipo, QWidget *parent = nullptr);

Q_SIGNALS:
    void tornaInizio();

private:
    Contesto &m_contesto;
    Tipo m_tipo;
};
