#include "worksheets/ModelloScheda.h"

#include "comune/Galleria.h"

#include <algorithm>

namespace {
QString istruzione(ModelloScheda::Tipo tipo)
{
    switch (tipo) {
    case ModelloScheda::Tipo::Disegno:
        return QStringLiteral("Nel riquadro accanto disegna l'insieme equipotente");
    case ModelloScheda::Tipo::Aggiungi:
        return QStringLiteral(
            "Nel riquadro accanto aggiungi elementi per rendere l'insieme consecutivo maggiore");
    case ModelloScheda::Tipo::Togli:
        return QStringLiteral(
            "Nel riquadro accanto togli elementi per rendere l'insieme consecutivo maggiore");
    }
    return {};
}
}

ModelloScheda::ModelloScheda(Tipo tipo, GeneratoreCasuale &casuale, const Orologio &orologio)
    : m_tipo(tipo)
    , m_generatore(casuale, orologio)
{
}

void ModelloScheda::ricomincia()
{
    m_mostrati.fill(false);
    m_meta = Meta::Prima;
    m_insiemi.fill({});
    m_esercizi.fill({});
}

int ModelloScheda::base(int esercizio) const
{
    return m_tipo == Tipo::Disegno ? basiDisegno.at(esercizio - 1) : celle * (esercizio - 1);
}

void ModelloScheda::genera(int esercizio)
{
    m_mostrati.at(esercizio - 1) = true;
    m_meta = esercizio <= 2 ? Meta::Prima : Meta::Seconda;
    if (m_tipo == Tipo::Disegno)
        m_insiemi[esercizio - 1] = m_generatore.insiemeDaDisegnare(base(esercizio));
    else
        m_esercizi[esercizio - 1] = m_generatore.esercizioElementi(esercizio, base(esercizio));
}

bool ModelloScheda::mostrato(int esercizio) const
{
    if (esercizio < 1 || esercizio > esercizi)
        return false;
    return m_mostrati[esercizio - 1];
}

bool ModelloScheda::completa() const
{
    return std::all_of(m_mostrati.begin(), m_mostrati.end(), [](bool m) { return m; });
}

int ModelloScheda::figura(int esercizio, Insieme insieme, int cella) const
{
    if (!mostrato(esercizio) || cella < 0 || cella >= celle)
        return nessunaFigura;
    if (m_tipo == Tipo::Disegno)
        return insieme == Insieme::Primo ? m_insiemi[esercizio - 1].slot[cella] : nessunaFigura;
    const EsercizioElementi &e = m_esercizi[esercizio - 1];
    return insieme == Insieme::Primo ? e.primo[cella] : e.secondo[cella];
}

const InsiemeDaDisegnare &ModelloScheda::insiemeDaDisegnare(int esercizio) const
{
    return m_insiemi.at(esercizio - 1);
}

const EsercizioElementi &ModelloScheda::esercizioElementi(int esercizio) const
{
    return m_esercizi.at(esercizio - 1);
}

ContenutoPagina ModelloScheda::contenutoPagina(const Galleria &galleria) const
{
    // Galleria answers a null image for nessunaFigura, which the page draws as nothing. The page
    // takes the sharpest copies: a printer has far more dots than a screen has pixels.
    ContenutoPagina pagina;
    pagina.istruzione = istruzione(m_tipo);
    pagina.ordine = m_tipo == Tipo::Disegno ? OrdinePagina::SoloSinistra
                                            : OrdinePagina::SinistraEDestra;
    for (int r = 0; r < ContenutoPagina::righe; ++r) {
        for (int k = 0; k < ContenutoPagina::celle; ++k) {
            pagina.sinistra[r][k] = galleria.perStampa(figura(r + 1, Insieme::Primo, k));
            pagina.destra[r][k] = galleria.perStampa(figura(r + 1, Insieme::Secondo, k));
        }
    }
    return pagina;
}
