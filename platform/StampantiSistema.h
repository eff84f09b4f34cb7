#pragma once

#include "platform/Stampanti.h"

// The system's printers, as CUPS lists them. (Being built.)
class StampantiSistema : public Stampanti
{
public:
    QStringList nomi() const override;
    QString predefinita() const override;
    std::unique_ptr<SuperficieStampa> apriDocumento(const QString &nome) override;
};
