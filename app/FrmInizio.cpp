#include "app/FrmInizio.h"

FrmInizio::FrmInizio(Contesto &contesto, QWidget *parent)
    : QMainWindow(parent)
    , m_contesto(contesto)
{
    setWindowTitle(QStringLiteral("BRISUOLA"));
}
