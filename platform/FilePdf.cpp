#include "platform/FilePdf.h"

#include "platform/SuperficieStampaQt.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QSaveFile>

namespace {
// What a printer that states nothing of its own gets: A4 portrait, the page's coordinates from
// the paper's corner, 300 dots to the inch (the pictures keep their own pixels in any case).
constexpr int puntiPerPollice = 300;
} // namespace

FilePdf::FilePdf(QString percorso)
    : m_percorso(std::move(percorso))
{
}

QString FilePdf::cartella() const
{
    return QDir::toNativeSeparators(QFileInfo(m_percorso).absolutePath());
}

std::unique_ptr<SuperficieStampa> FilePdf::apriDocumento(const QString &titolo)
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    return std::make_unique<SuperficieStampaQt>(
        a4, puntiPerPollice, titolo, [this](const QByteArray &pdf) { return scrivi(pdf); });
}

bool FilePdf::scrivi(const QByteArray &pdf)
{
    // QSaveFile writes beside the target and renames only after everything reached the disk;
    // on any failure the half-written copy is removed.
    QSaveFile file(m_percorso);
    if (!file.open(QIODevice::WriteOnly)) {
        m_esito = Esito::CartellaNonScrivibile;
        return false;
    }
    const bool scritto = file.write(pdf) == pdf.size() && file.commit();
    m_esito = scritto ? Esito::Scritto : Esito::ScritturaFallita;
    return scritto;
}
