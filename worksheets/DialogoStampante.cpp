#include "worksheets/DialogoStampante.h"

#include "worksheets/FrmStampante.h"

DialogoStampante::DialogoStampante(Contesto &contesto)
    : m_contesto(contesto)
{
}

DialogoStampante::~DialogoStampante() = default;

FrmStampante &DialogoStampante::modulo()
{
    if (!m_modulo)
        m_modulo = std::make_unique<FrmStampante>(m_contesto);
    return *m_modulo;
}

void DialogoStampante::mostra()
{
    modulo().mostraModale();
}
