#include "worksheets/FrmStampaSchedeElementi.h"

FrmStampaSchedeElementi::FrmStampaSchedeElementi(Contesto &contesto, Tipo tipo, QWidget *parent)
    : QWidget(parent)
    , m_contesto(contesto)
    , m_tipo(tipo)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tipo == Tipo::Aggiungi ? QStringLiteral("VISUALIZZAZIONE SCHEDA         ")
                                          : QStringLiteral("VISUALIZZAZIONE SCHEDA          "));
}
