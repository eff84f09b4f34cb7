#include "ContaOggetti.h"

#include <QObject>

#include <atomic>

// Qt's table of introspection hooks, exported by QtCore for debugging tools.
extern Q_CORE_EXPORT quintptr qtHookData[];

namespace {

// Positions in the table, unchanged since Qt 5.
enum Voce { VersioneTabella = 0, DimensioneTabella = 1, OggettoCreato = 3, OggettoDistrutto = 4 };
using Aggancio = void (*)(QObject *);

std::atomic<long> conteggio{0};
quintptr precedenteCreato = 0;
quintptr precedenteDistrutto = 0;

void creato(QObject *o)
{
    conteggio.fetch_add(1, std::memory_order_relaxed);
    if (precedenteCreato)
        reinterpret_cast<Aggancio>(precedenteCreato)(o);
}

void distrutto(QObject *o)
{
    conteggio.fetch_sub(1, std::memory_order_relaxed);
    if (precedenteDistrutto)
        reinterpret_cast<Aggancio>(precedenteDistrutto)(o);
}

} // namespace

ContaOggetti::ContaOggetti()
{
    m_disponibile
        = qtHookData[VersioneTabella] >= 1 && qtHookData[DimensioneTabella] > OggettoDistrutto;
    if (!m_disponibile)
        return;
    conteggio = 0;
    precedenteCreato = qtHookData[OggettoCreato];
    precedenteDistrutto = qtHookData[OggettoDistrutto];
    qtHookData[OggettoCreato] = reinterpret_cast<quintptr>(&creato);
    qtHookData[OggettoDistrutto] = reinterpret_cast<quintptr>(&distrutto);
}

ContaOggetti::~ContaOggetti()
{
    if (!m_disponibile)
        return;
    qtHookData[OggettoCreato] = precedenteCreato;
    qtHookData[OggettoDistrutto] = precedenteDistrutto;
}

long ContaOggetti::viventi() const
{
    return conteggio.load(std::memory_order_relaxed);
}
