#include "Eventi.h"

#include <array>
#include <utility>

std::uint64_t CasualeSoak::prossimo()
{
    // splitmix64
    std::uint64_t z = (m_stato += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

namespace {

// How often each kind of event comes, per thousand. Clicks lead: they are what a child does.
constexpr std::array<std::pair<TipoEvento, int>, 15> pesi = {{
    {TipoEvento::Click, 330},
    {TipoEvento::MouseGiu, 70},
    {TipoEvento::MouseSu, 80},
    {TipoEvento::DoppioClick, 20},
    {TipoEvento::TastoGiu, 120},
    {TipoEvento::TastoSu, 100},
    {TipoEvento::Tasto, 60},
    {TipoEvento::Fuoco, 45},
    {TipoEvento::Ridimensiona, 25},
    {TipoEvento::StatoFinestra, 20},
    {TipoEvento::Menu, 40},
    {TipoEvento::Chiudi, 12},
    {TipoEvento::Attesa, 45},
    {TipoEvento::Stampante, 18},
    {TipoEvento::Stampa, 15},
}};

constexpr int sommaPesi()
{
    int s = 0;
    for (const auto &p : pesi)
        s += p.second;
    return s;
}

} // namespace

std::vector<Evento> generaEventi(std::uint64_t seme, std::size_t quanti)
{
    CasualeSoak casuale(seme);
    std::vector<Evento> eventi;
    eventi.reserve(quanti);
    for (std::size_t i = 0; i < quanti; ++i) {
        int r = static_cast<int>(casuale.intero() % static_cast<std::uint32_t>(sommaPesi()));
        TipoEvento tipo = pesi.back().first;
        for (const auto &p : pesi) {
            if (r < p.second) {
                tipo = p.first;
                break;
            }
            r -= p.second;
        }
        Evento e{tipo, casuale.intero(), casuale.intero(), casuale.intero(), casuale.intero()};
        eventi.push_back(e);
    }
    return eventi;
}

const char *nomeTipo(TipoEvento tipo)
{
    switch (tipo) {
    case TipoEvento::TastoGiu: return "tasto giu";
    case TipoEvento::TastoSu: return "tasto su";
    case TipoEvento::Tasto: return "tasto";
    case TipoEvento::MouseGiu: return "mouse giu";
    case TipoEvento::MouseSu: return "mouse su";
    case TipoEvento::Click: return "click";
    case TipoEvento::DoppioClick: return "doppio click";
    case TipoEvento::Fuoco: return "fuoco";
    case TipoEvento::Ridimensiona: return "ridimensiona";
    case TipoEvento::StatoFinestra: return "stato finestra";
    case TipoEvento::Menu: return "menu";
    case TipoEvento::Chiudi: return "chiudi";
    case TipoEvento::Attesa: return "attesa";
    case TipoEvento::Stampante: return "stampante";
    case TipoEvento::Stampa: return "stampa";
    }
    return "?";
}
