#include "support/LavoriNuovi.h"

#include "support/CupsPrivato.h"

#include <QThread>

LavoriNuovi::LavoriNuovi(const CupsPrivato &cups, const QStringList &code)
    : m_cups(cups)
{
    for (const QString &coda : code)
        m_prima[coda] = m_cups.lavoriCompletati(coda).size();
}

int LavoriNuovi::su(const QString &coda) const
{
    for (int i = 0; i < 600 && m_cups.lavoriInCorso(); ++i)
        QThread::msleep(100);
    const auto prima = m_prima.find(coda);
    return static_cast<int>(m_cups.lavoriCompletati(coda).size()
                            - (prima == m_prima.end() ? 0 : prima->second));
}
