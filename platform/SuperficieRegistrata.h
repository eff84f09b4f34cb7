#pragma once

#include "platform/SuperficieStampa.h"

#include <optional>
#include <vector>

// A printing surface that keeps the list of operations instead of printing, for tests and
// benchmarks. It can be told to fail at a given operation, as a printer would.
class SuperficieRegistrata : public SuperficieStampa
{
public:
    enum class Tipo { Carattere, Posizione, Riga, Spessore, Linea, Immagine, Pagina, Fine };

    struct Operazione
    {
        Tipo tipo;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // position, line ends, or picture corner
        double valore = 0;                     // font size or line width
        QString testo{};
        QImage figura{};
    };

    bool impostaDimensioneCarattere(double punti) override;
    bool impostaPosizione(double xTwips, double yTwips) override;
    bool stampaRiga(const QString &testo) override;
    bool impostaSpessoreLinea(int punti) override;
    bool linea(double x1, double y1, double x2, double y2) override;
    bool immagine(double xTwips, double yTwips, const QImage &figura) override;
    bool nuovaPagina() override;
    bool fineDocumento() override;
    void annulla() override;

    // The operation with this 0-based number, and every later one, fails.
    void falliscaDa(int numeroOperazione) { m_falliscaDa = numeroOperazione; }

    const std::vector<Operazione> &operazioni() const { return m_operazioni; }
    bool annullato() const { return m_annullato; }
    int conta(Tipo tipo) const;

private:
    bool registra(Operazione op);

    std::vector<Operazione> m_operazioni;
    std::optional<int> m_falliscaDa;
    int m_tentativi = 0;
    bool m_annullato = false;
};
