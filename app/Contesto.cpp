#include "app/Contesto.h"

#include "exercises/FrmFigure.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/Orologio.h"
#include "platform/Stampanti.h"
#include "worksheets/FrmStampante.h"

Contesto::Contesto(Orologio &orologio, GeneratoreCasuale &casuale, Avvisi &avvisi,
                   Stampanti &stampanti, StatoEsercizio &esercizio)
    : m_orologio(orologio)
    , m_casuale(casuale)
    , m_avvisi(avvisi)
    , m_stampanti(stampanti)
    , m_esercizio(esercizio)
    , m_stampanteCorrente(stampanti.predefinita())
{
}

Contesto::~Contesto() = default;

void Contesto::seminaDallOrologio() const
{
    m_casuale.semina(m_orologio.secondiDallaMezzanotte());
}

FrmFigure &Contesto::galleria()
{
    if (!m_galleria)
        m_galleria = std::make_unique<FrmFigure>();
    return *m_galleria;
}

FrmStampante &Contesto::dialogoStampante()
{
    if (!m_dialogoStampante)
        m_dialogoStampante = std::make_unique<FrmStampante>(*this);
    return *m_dialogoStampante;
}
