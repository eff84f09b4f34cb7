#pragma once

#include "platform/SuperficieStampa.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPointF>
#include <functional>
#include <memory>

class QPdfWriter;

// A printing surface that paints with QPainter on a PDF kept in memory, laid out
// like the printer's page (paper, printable area, resolution). fineDocumento() hands the
// finished PDF to the delivery given at construction, which sends it to the printer and tells
// whether the printer took it; nothing is written to disk.
class SuperficieStampaQt : public SuperficieStampa
{
public:
    // Receives the finished document; returns false when the printer refused it.
    using Consegna = std::function<bool(const QByteArray &pdf)>;

    SuperficieStampaQt(const QPageLayout &pagina, int puntiPerPollice, const QString &titolo,
                       Consegna consegna);
    ~SuperficieStampaQt() override;

    bool impostaDimensioneCarattere(double punti) override;
    bool impostaPosizione(double xTwips, double yTwips) override;
    bool stampaRiga(const QString &testo) override;
    bool impostaSpessoreLinea(int punti) override;
    bool linea(double x1, double y1, double x2, double y2) override;
    bool immagine(double xTwips, double yTwips, const QImage &figura) override;
    void adatta(QSizeF estensioneTwips) override;
    bool nuovaPagina() override;
    bool fineDocumento() override;
    void annulla() override;

private:
    // Twips from the top-left corner of the printable area to printer dots on the painter.
    double inPunti(double twips) const;
    QPointF inPunti(double xTwips, double yTwips) const;
    bool attiva() const;

    QByteArray m_dati;
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_scrittore;
    QPainter m_pittore;
    Consegna m_consegna;
    int m_dpi;
    QPointF m_posizioneTwips;
    bool m_chiusa = false;
};
