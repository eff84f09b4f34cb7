#pragma once

#include <QWidget>

class Contesto;

// The printer selection dialog. (Being built.)
class FrmStampante : public QWidget
{
    Q_OBJECT

public:
    explicit FrmStampante(Contesto &contesto, QWidget *parent = nullptr);

    // Shows the dialog modally; returns when "C H I U D I" hides it.
    void mostraModale();

private:
    Contesto &m_contesto;
};
