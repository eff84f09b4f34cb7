#pragma once

#include <QString>
#include <QStringList>

#include <map>

class CupsPrivato;

// The jobs the queues of the private CUPS server finish from the moment this is made, for a
// test to compare with the pages it sent.
class LavoriNuovi
{
public:
    LavoriNuovi(const CupsPrivato &cups, const QStringList &code);

    // The jobs finished on `coda` since then, once the server has finished every job (or a
    // minute has gone by).
    int su(const QString &coda) const;

private:
    const CupsPrivato &m_cups;
    std::map<QString, qsizetype> m_prima;
};
