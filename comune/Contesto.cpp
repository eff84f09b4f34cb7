#include "comune/Contesto.h"

#include "comune/Galleria.h"
#include "platform/InSottofondo.h"
#include "platform/SceltaFile.h"
#include "platform/Stampanti.h"
#include "platform/Voce.h"

Contesto::Contesto(Orologio &orologio, GeneratoreCasuale &casuale, Avvisi &avvisi,
                   Stampanti &stampanti, StatoEsercizio &esercizio)
    : m_orologio(orologio)
    , m_casuale(casuale)
    , m_avvisi(avvisi)
    , m_stampanti(stampanti)
    , m_esercizio(esercizio)
    , m_sceltaSistema(std::make_unique<SceltaFile>())
    , m_sceltaFile(m_sceltaSistema.get())
    , m_voceSistema(std::make_unique<Voce>(Voce::motoreDelSistema()))
    , m_voce(m_voceSistema.get())
{
}

Contesto::~Contesto() = default;

const Galleria &Contesto::galleria()
{
    if (!m_galleria)
        m_galleria = std::make_unique<Galleria>();
    return *m_galleria;
}

void Contesto::impostaStampanteCorrente(const QString &nome)
{
    m_stampanteCorrente = nome;
    m_stampanteScelta = true;
}

void Contesto::stampantePredefinitaLetta(const QString &nome)
{
    if (!m_stampanteScelta)
        m_stampanteCorrente = nome;
}

void Contesto::cercaStampantePredefinita(QObject *destinatario)
{
    InSottofondo::esegui(
        destinatario, [&stampanti = m_stampanti] { return stampanti.predefinita(); },
        [this](const QString &nome) { stampantePredefinitaLetta(nome); });
}
