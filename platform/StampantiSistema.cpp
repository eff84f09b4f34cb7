#include "platform/StampantiSistema.h"

#include "platform/SuperficieStampa.h"

QStringList StampantiSistema::nomi() const
{
    return {};
}

QString StampantiSistema::predefinita() const
{
    return {};
}

std::unique_ptr<SuperficieStampa> StampantiSistema::apriDocumento(const QString &)
{
    return nullptr;
}
