#include "support/StampantiFinte.h"

namespace {
// Hands the recorder to the caller while the test keeps reading it afterwards.
class SuperficiePrestata : public SuperficieStampa
{
public:
    SuperficiePrestata(SuperficieRegistrata &s, std::function<void()> primaDiOgniPagina)
        : m_s(s), m_primaDiOgniPagina(std::move(primaDiOgniPagina)) {}
    bool impostaDimensioneCarattere(double p) override { return m_s.impostaDimensioneCarattere(p); }
    bool impostaPosizione(double x, double y) override { return m_s.impostaPosizione(x, y); }
    bool stampaRiga(const QString &t) override { return m_s.stampaRiga(t); }
    bool impostaSpessoreLinea(int p) override { return m_s.impostaSpessoreLinea(p); }
    bool linea(double a, double b, double c, double d) override { return m_s.linea(a, b, c, d); }
    bool immagine(double x, double y, const QImage &f) override { return m_s.immagine(x, y, f); }
    bool nuovaPagina() override
    {
        if (m_primaDiOgniPagina)
            m_primaDiOgniPagina();
        return m_s.nuovaPagina();
    }
    bool fineDocumento() override { return m_s.fineDocumento(); }
    void annulla() override { m_s.annulla(); }

private:
    SuperficieRegistrata &m_s;
    std::function<void()> m_primaDiOgniPagina;
};
} // namespace

std::unique_ptr<SuperficieStampa> StampantiFinte::apriDocumento(const QString &nome)
{
    if (!elenco.contains(nome))
        return nullptr;
    m_conservate.push_back(std::make_unique<SuperficieRegistrata>());
    SuperficieRegistrata *s = m_conservate.back().get();
    if (falliscaDa)
        s->falliscaDa(*falliscaDa);
    documenti.push_back({nome, s});
    return std::make_unique<SuperficiePrestata>(*s, primaDiOgniPagina);
}
