#include "platform/SuperficieStampaQt.h"

#include "platform/Twips.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPen>
#include <QTransform>

#include <algorithm>

namespace {
// Pictures are measured at the screen's nominal 96 pixels to the inch: 15 twips a pixel.
constexpr double twipsPerPixelFigura = Twips::perPollice / 96.0;
} // namespace

SuperficieStampaQt::SuperficieStampaQt(const QPageLayout &pagina, int puntiPerPollice,
                                       const QString &titolo, Consegna consegna)
    : m_buffer(&m_dati)
    , m_consegna(std::move(consegna))
    , m_dpi(puntiPerPollice > 0 ? puntiPerPollice : 300)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_scrittore = std::make_unique<QPdfWriter>(&m_buffer);
    m_scrittore->setTitle(titolo);
    m_scrittore->setCreator(QStringLiteral("Tandorino"));
    m_scrittore->setResolution(m_dpi);
    m_scrittore->setPageLayout(pagina);
    // The painter's origin is the top-left corner of the printable area (inside the margins).
    m_pittore.begin(m_scrittore.get());
    QPen penna(Qt::black);
    penna.setWidth(1);
    penna.setCapStyle(Qt::SquareCap);
    m_pittore.setPen(penna);
}

SuperficieStampaQt::~SuperficieStampaQt()
{
    if (m_pittore.isActive())
        m_pittore.end();
}

void SuperficieStampaQt::adatta(QSizeF estensioneTwips)
{
    if (!attiva() || estensioneTwips.isEmpty())
        return;
    const QSizeF area = m_scrittore->pageLayout().paintRect(QPageLayout::Inch).size() * Twips::perPollice;
    const double fattore = std::min(area.width() / estensioneTwips.width(),
                                    area.height() / estensioneTwips.height());
    // The page is designed for A4; only a smaller printable area changes anything. Set, not
    // added: every page of a document asks again, and the scaling must not pile up.
    const double scala = std::min(fattore, 1.0);
    m_pittore.setWorldTransform(QTransform::fromScale(scala, scala));
}

bool SuperficieStampaQt::nuovaPagina()
{
    // The painter stays active across the page break and keeps its font, pen and scaling.
    return attiva() && m_scrittore->newPage();
}

double SuperficieStampaQt::inPunti(double twips) const
{
    return twips * m_dpi / Twips::perPollice;
}

QPointF SuperficieStampaQt::inPunti(double xTwips, double yTwips) const
{
    return {inPunti(xTwips), inPunti(yTwips)};
}

bool SuperficieStampaQt::attiva() const
{
    return !m_chiusa && m_pittore.isActive();
}

bool SuperficieStampaQt::impostaDimensioneCarattere(double punti)
{
    if (!attiva() || punti <= 0)
        return false;
    // Only the size changes: face, weight and colour stay those the page started with.
    QFont carattere = m_pittore.font();
    carattere.setPointSizeF(punti);
    m_pittore.setFont(carattere);
    return true;
}

bool SuperficieStampaQt::impostaPosizione(double xTwips, double yTwips)
{
    if (!attiva())
        return false;
    m_posizioneTwips = {xTwips, yTwips};
    return true;
}

bool SuperficieStampaQt::stampaRiga(const QString &testo)
{
    if (!attiva())
        return false;
    // The current position is the top-left corner of the line's cell; afterwards it moves to
    // the start of the next line.
    const QFontMetricsF metriche(m_pittore.font(), m_pittore.device());
    const QPointF alto = inPunti(m_posizioneTwips.x(), m_posizioneTwips.y());
    m_pittore.drawText(QPointF(alto.x(), alto.y() + metriche.ascent()), testo);
    m_posizioneTwips = {0.0, m_posizioneTwips.y() + metriche.height() * Twips::perPollice / m_dpi};
    return true;
}

bool SuperficieStampaQt::impostaSpessoreLinea(int punti)
{
    if (!attiva() || punti < 1)
        return false;
    // The painter works in printer dots, so the width is the number of dots itself.
    QPen penna = m_pittore.pen();
    penna.setWidth(punti);
    m_pittore.setPen(penna);
    return true;
}

bool SuperficieStampaQt::linea(double x1, double y1, double x2, double y2)
{
    if (!attiva())
        return false;
    m_pittore.drawLine(inPunti(x1, y1), inPunti(x2, y2));
    return true;
}

bool SuperficieStampaQt::immagine(double xTwips, double yTwips, const QImage &figura)
{
    if (!attiva())
        return false;
    if (figura.isNull())
        return true; // an empty slot leaves no mark
    // The box is the picture's logical size; a sharper copy fills it with all its pixels.
    const QSizeF logica = figura.deviceIndependentSize();
    const QRectF destinazione(inPunti(xTwips, yTwips),
                              QSizeF(inPunti(logica.width() * twipsPerPixelFigura),
                                     inPunti(logica.height() * twipsPerPixelFigura)));
    m_pittore.drawImage(destinazione, figura, QRectF(figura.rect()));
    return true;
}

bool SuperficieStampaQt::fineDocumento()
{
    if (!attiva())
        return false;
    m_chiusa = true;
    if (!m_pittore.end())
        return false;
    m_buffer.close();
    return m_consegna && m_consegna(m_dati);
}

void SuperficieStampaQt::annulla()
{
    // Nothing has left the program before fineDocumento(): dropping the page is enough.
    m_chiusa = true;
    if (m_pittore.isActive())
        m_pittore.end();
    m_dati.clear();
}
