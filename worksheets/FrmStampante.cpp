#include "worksheets/FrmStampante.h"

FrmStampante::FrmStampante(Contesto &contesto, QWidget *parent)
    : QWidget(parent, Qt::Dialog)
    , m_contesto(contesto)
{
    setWindowTitle(QStringLiteral("Form1"));
}

void FrmStampante::mostraModale()
{
}
