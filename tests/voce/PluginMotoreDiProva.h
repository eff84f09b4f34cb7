#pragma once

#include <QObject>
#include <QTextToSpeechPlugin>

// Qt's speech library finds the recording engine through this plugin, under the engine name
// "tandorino-prova"; it is built only for the tests.
class PluginMotoreDiProva : public QObject, public QTextToSpeechPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "motore_di_prova.json")
    Q_INTERFACES(QTextToSpeechPlugin)

public:
    QTextToSpeechEngine *createTextToSpeechEngine(const QVariantMap &parameters, QObject *parent,
                                                  QString *errorString) const override;
};
