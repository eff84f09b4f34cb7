#pragma once

#include <QString>
#include <QStringList>

// The program's command line, read before anything needs a display, so that "--help" and
// "--version" answer on a terminal without one and a mistyped option is told at once.
class RigaDiComando
{
public:
    // How a run ends without starting: the usual statuses of a Linux program.
    static constexpr int statoRigaSbagliata = 2;

    struct Opzioni
    {
        bool voce = false;          // reading aloud on from the start
        bool schermoIntero = false; // board mode: full screen, for a classroom touch board
    };

    // `argomenti` as main() gets them, the program's name first.
    explicit RigaDiComando(const QStringList &argomenti);

    // True when the program is to start with opzioni(); otherwise it ends at once with stato(),
    // after writing uscita() on standard output and errore() on standard error.
    bool avvia() const { return m_avvia; }
    int stato() const { return m_stato; }
    const QString &uscita() const { return m_uscita; }
    const QString &errore() const { return m_errore; }
    const Opzioni &opzioni() const { return m_opzioni; }

private:
    bool m_avvia = true;
    int m_stato = 0;
    QString m_uscita;
    QString m_errore;
    Opzioni m_opzioni;
};
