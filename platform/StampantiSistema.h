#pragma once

#include "platform/Stampanti.h"

// The system's printers, as the CUPS server the environment points at lists them.
// A document goes to CUPS only when it is finished, as one PDF job; it counts as printed only
// when the server took the whole job. A printer that is unknown, stopped or refusing jobs
// opens no document at all, and with no printer nothing is printed anywhere else instead.
// A server that is gone, or that stops answering, fails each call after a short wait.
class StampantiSistema : public Stampanti
{
public:
    explicit StampantiSistema(QString titoloLavoro = QStringLiteral("Tandorino"));

    QStringList nomi() const override;
    QString predefinita() const override;
    std::unique_ptr<SuperficieStampa> apriDocumento(const QString &nome) override;

    // The name the print jobs carry in the queue (tests use it to find their own output).
    const QString &titoloLavoro() const { return m_titoloLavoro; }

private:
    QString m_titoloLavoro;
};
