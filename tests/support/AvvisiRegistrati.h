#pragma once

#include "platform/Avvisi.h"

#include <QStringList>

// Keeps the messages instead of showing a modal box.
class AvvisiRegistrati : public Avvisi
{
public:
    void mostra(QWidget *, const QString &testo) override { messaggi.append(testo); }
    QStringList messaggi;
};
