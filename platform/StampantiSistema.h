#pragma once

#include "platform/Stampanti.h"

// The system's printers, as the CUPS server the environment points at lists them, with the
// user's saved settings (lpoptions: default printer, instances and their options) as lp reads them.
// A document goes to CUPS only when it is finished, as one PDF job carrying the destination's
// options; it counts as printed only when the server took the whole job. A stopped queue keeps
// the job for later, as it would for lp. A printer that is unknown or refusing jobs opens no
// document at all, and with no printer nothing is printed anywhere else instead.
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
