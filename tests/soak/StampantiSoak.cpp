#include "StampantiSoak.h"

#include <QThread>

#include "platform/StampantiSistema.h"
#include "platform/SuperficieStampa.h"

const QString StampantiSoak::aula = QStringLiteral("Aula");
const QString StampantiSoak::ufficio = QStringLiteral("Ufficio");
const QString StampantiSoak::inceppata = QStringLiteral("Inceppata");
const QString StampantiSoak::muta = QStringLiteral("Muta");
const QString StampantiSoak::spenta = QStringLiteral("Spenta");
const QString StampantiSoak::pdf = QStringLiteral("PDF");

namespace {

// Counts a real document as done only when CUPS took the whole of it.
class SuperficieContata : public SuperficieStampa
{
public:
    SuperficieContata(std::unique_ptr<SuperficieStampa> s, int &riuscite)
        : m_s(std::move(s)), m_riuscite(riuscite) {}
    bool impostaDimensioneCarattere(double p) override { return m_s->impostaDimensioneCarattere(p); }
    void adatta(QSizeF e) override { m_s->adatta(e); }
    bool impostaPosizione(double x, double y) override { return m_s->impostaPosizione(x, y); }
    bool stampaRiga(const QString &t) override { return m_s->stampaRiga(t); }
    bool impostaSpessoreLinea(int p) override { return m_s->impostaSpessoreLinea(p); }
    bool linea(double a, double b, double c, double d) override { return m_s->linea(a, b, c, d); }
    bool immagine(double x, double y, const QImage &f) override { return m_s->immagine(x, y, f); }
    bool nuovaPagina() override { return m_s->nuovaPagina(); }
    bool fineDocumento() override
    {
        const bool ok = m_s->fineDocumento();
        if (ok)
            ++m_riuscite;
        return ok;
    }
    void annulla() override { m_s->annulla(); }

private:
    std::unique_ptr<SuperficieStampa> m_s;
    int &m_riuscite;
};

constexpr int operazioneGuastoPagina = 10; // past the six operations of the heading
constexpr int operazioneGuastoIntestazione = 2;

} // namespace

StampantiSoak::StampantiSoak(StampantiSistema *reale, int realiMassime)
    : m_reale(reale)
    , m_realiMassime(realiMassime)
{
    m_buone.elenco = {aula, ufficio, pdf};
    m_inceppata.elenco = {inceppata};
    m_inceppata.falliscaDa = operazioneGuastoPagina;
    m_muta.elenco = {muta};
    m_muta.falliscaDa = operazioneGuastoIntestazione;
}

StampantiSoak::~StampantiSoak() = default;

QStringList StampantiSoak::nomi() const
{
    QStringList elenco = {aula, ufficio, inceppata, muta, spenta};
    if (m_reale)
        elenco.append(pdf);
    return elenco;
}

bool StampantiSoak::buona(const QString &nome)
{
    return nome == aula || nome == ufficio || nome == pdf;
}

std::unique_ptr<SuperficieStampa> StampantiSoak::apriDocumento(const QString &nome)
{
    ++m_aperture;
    m_ultima = nullptr;
    // A printer that takes its time: the form waits with its "Stampa in corso…" window up.
    if (nome == ufficio)
        QThread::msleep(700);
    if (nome == pdf && m_reale && m_stampeReali < m_realiMassime) {
        ++m_stampeReali;
        auto documento = m_reale->apriDocumento(nome);
        if (!documento)
            return nullptr;
        return std::make_unique<SuperficieContata>(std::move(documento), m_realiRiuscite);
    }
    for (StampantiFinte *finte : {&m_buone, &m_inceppata, &m_muta}) {
        if (finte->elenco.contains(nome)) {
            auto documento = finte->apriDocumento(nome);
            m_ultima = finte->documenti.back().superficie;
            return documento;
        }
    }
    return nullptr;
}
