#include "comune/Contesto.h"

#include "comune/Galleria.h"
#include "platform/SceltaFile.h"
#include "platform/Stampanti.h"

Contesto::Contesto(Orologio &orologio, GeneratoreCasuale &casuale, Avvisi &avvisi,
                   Stampanti &stampanti, StatoEsercizio &esercizio)
    : m_orologio(orologio)
    , m_casuale(casuale)
    , m_avvisi(avvisi)
    , m_stampanti(stampanti)
    , m_esercizio(esercizio)
    , m_sceltaSistema(std::make_unique<SceltaFile>())
    , m_sceltaFile(m_sceltaSistema.get())
    , m_stampanteCorrente(stampanti.predefinita())
{
}

Contesto::~Contesto() = default;

const Galleria &Contesto::galleria()
{
    if (!m_galleria)
        m_galleria = std::make_unique<Galleria>();
    return *m_galleria;
}
