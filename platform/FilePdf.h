#pragma once

#include <QString>
#include <memory>

class QByteArray;
class SuperficieStampa;

// A page saved rather than printed: the same printing surface as a printer's, on an A4 portrait
// sheet, whose finished document is written to one file on disk, whole or not at all (an
// existing file stays as it was until the new one is complete).
class FilePdf
{
public:
    enum class Esito {
        DaScrivere,
        Scritto,
        // The file could not even be started there (no such folder, no permission, not a folder).
        CartellaNonScrivibile,
        // It was started but not completed (a full disk, a device that failed).
        ScritturaFallita,
    };

    explicit FilePdf(QString percorso);

    // A document whose fineDocumento() writes the file; this object must outlive it.
    std::unique_ptr<SuperficieStampa> apriDocumento(const QString &titolo);

    const QString &percorso() const { return m_percorso; }
    // The folder the file goes in, as the system writes it.
    QString cartella() const;
    Esito esito() const { return m_esito; }

private:
    bool scrivi(const QByteArray &pdf);

    QString m_percorso;
    Esito m_esito = Esito::DaScrivere;
};
