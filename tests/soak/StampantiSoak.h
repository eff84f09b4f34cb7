#pragma once

#include "platform/Stampanti.h"
#include "support/StampantiFinte.h"

#include <QString>
#include <atomic>
#include <map>
#include <memory>

class StampantiSistema;

// The printers of a soak run: recording printers that work, fail in the middle of the page,
// fail at the heading or refuse every document, and, when a private CUPS server is running,
// its cups-pdf queue. Real prints are slow, so only the first few documents for that queue go
// to CUPS; later ones are recorded like the others.
class StampantiSoak : public Stampanti
{
public:
    static const QString aula;      // the system default
    static const QString ufficio;   // slow to take a document
    static const QString inceppata; // fails while drawing the page
    static const QString muta;      // fails at the heading
    static const QString spenta;    // takes no document
    static const QString pdf;       // the cups-pdf queue

    // With `reale`, documents for `pdf` go to that printer, at most `realiMassime` of them.
    StampantiSoak(StampantiSistema *reale, int realiMassime);
    ~StampantiSoak() override;

    QStringList nomi() const override;
    QString predefinita() const override { return aula; }
    std::unique_ptr<SuperficieStampa> apriDocumento(const QString &nome) override;

    // Whether a print on this printer, with all four sets prepared, must succeed.
    static bool buona(const QString &nome);

    int aperture() const { return m_aperture; }
    int stampeReali() const { return m_stampeReali; }
    int realiRiuscite() const { return m_realiRiuscite; }
    // The recording of the last document opened on a recording printer, if it was the last one.
    const SuperficieRegistrata *ultimaRegistrata() const { return m_ultima.load(); }

private:
    StampantiSistema *m_reale;
    int m_realiMassime;
    int m_stampeReali = 0;
    int m_realiRiuscite = 0;
    // Counted on the print worker, read by the run between events.
    std::atomic<int> m_aperture{0};
    std::atomic<const SuperficieRegistrata *> m_ultima{nullptr};
    StampantiFinte m_buone;
    StampantiFinte m_inceppata;
    StampantiFinte m_muta;
};
