#pragma once

#include "platform/SceltaFile.h"

#include <QStringList>

// Answers the file dialog with the test's path (empty: the user cancelled) and keeps what the
// dialog would have proposed.
class SceltaFileFinta : public SceltaFile
{
public:
    QString percorsoPerSalvare(QWidget *, const QString &, const QString &proposta,
                               const QString &filtro) override
    {
        proposte.append(proposta);
        filtri.append(filtro);
        return risposta;
    }
    QString risposta;
    QStringList proposte;
    QStringList filtri;
};
