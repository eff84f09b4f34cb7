#include "platform/FineModulo.h"

#include <QObject>

void FineModulo::staccaGestori(QObject &modulo)
{
    for (QObject *figlio : modulo.findChildren<QObject *>())
        QObject::disconnect(figlio, nullptr, &modulo, nullptr);
}
