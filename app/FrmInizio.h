#pragma once

#include <QMainWindow>

class Contesto;

// The start screen. (Being built.)
class FrmInizio : public QMainWindow
{
    Q_OBJECT

public:
    explicit FrmInizio(Contesto &contesto, QWidget *parent = nullptr);

private:
    Contesto &m_contesto;
};
