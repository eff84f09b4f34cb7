#include "worksheets/SerieSchede.h"

#include <algorithm>

std::vector<ModelloScheda> SerieSchede::genera(ModelloScheda::Tipo tipo, int quante,
                                               GeneratoreCasuale &casuale, const Orologio &orologio)
{
    std::vector<ModelloScheda> serie;
    serie.reserve(static_cast<std::size_t>(std::clamp(quante, 0, massimo)));
    for (int n = 0; n < quante && n < massimo; ++n) {
        ModelloScheda scheda(tipo, casuale, orologio);
        for (int tentativo = 0; tentativo < tentativiPerScheda; ++tentativo) {
            scheda.ricomincia();
            for (int e = 1; e <= ModelloScheda::esercizi; ++e)
                scheda.genera(e);
            const bool giaVista = std::any_of(serie.begin(), serie.end(), [&scheda](const auto &altra) {
                return uguali(scheda, altra);
            });
            if (!giaVista)
                break;
        }
        serie.push_back(std::move(scheda));
    }
    return serie;
}

bool SerieSchede::uguali(const ModelloScheda &a, const ModelloScheda &b)
{
    for (int e = 1; e <= ModelloScheda::esercizi; ++e)
        for (auto insieme : {ModelloScheda::Insieme::Primo, ModelloScheda::Insieme::Secondo})
            for (int k = 0; k < ModelloScheda::celle; ++k)
                if (a.figura(e, insieme, k) != b.figura(e, insieme, k))
                    return false;
    return true;
}
