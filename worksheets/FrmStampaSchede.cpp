#include "worksheets/FrmStampaSchede.h"

FrmStampaSchede::FrmStampaSchede(Contesto &contesto, QWidget *parent)
    : QWidget(parent)
    , m_contesto(contesto)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("VISUALIZZAZIONE SCHEDA          "));
}
