#pragma once

#include "platform/Sveglia.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class MotoreVoce;
class QPluginLoader;

// Reading aloud, off until the user switches it on. The module that speaks (and Qt's speech
// library with it) is loaded the first time it is switched on; the engine starts on a thread of
// its own and answers later, so the program never waits on the speech service. When the module
// or the engine is missing, or the engine has no Italian voice, the voice is not available and
// says why.
class Voce : public QObject
{
    Q_OBJECT

public:
    // `motore`: the speech engine to use, empty for the system's own. `cartelle`: where to look
    // for the module, by default beside the program and in the installed program's library folder.
    // `attesa`: what times the engine's first answer, by default a real timer.
    explicit Voce(QString motore = QString(), QStringList cartelle = {},
                  std::unique_ptr<Sveglia> attesa = nullptr, QObject *parent = nullptr);
    ~Voce() override;

    // The user wants it on.
    bool accesa() const { return m_accesa; }
    // False once it is known that it cannot speak; motivo() then says why.
    bool disponibile() const { return m_motivo.isEmpty(); }
    const QString &motivo() const { return m_motivo; }
    // Whether the speaking module has been loaded into the program.
    bool moduloCaricato() const { return m_motore != nullptr; }

    void accendi(bool accesa);
    // Says `testo` when the voice is on, in place of anything still being said.
    void dici(const QString &testo);

    // The speech engine a run of the program uses: speech-dispatcher on Linux.
    static QString motoreDelSistema();

Q_SIGNALS:
    // accesa(), disponibile() or motivo() changed.
    void cambiata();

private:
    void carica();
    void nonDisponibile(const QString &motivo);

    QString m_nomeMotore;
    QStringList m_cartelle;
    bool m_accesa = false;
    QString m_motivo;
    std::unique_ptr<Sveglia> m_attesa;
    QPluginLoader *m_caricatore = nullptr;
    MotoreVoce *m_motore = nullptr;
};
