#include "PluginMotoreDiProva.h"

#include "MotoreDiProva.h"

QTextToSpeechEngine *PluginMotoreDiProva::createTextToSpeechEngine(const QVariantMap &, QObject *parent,
                                                                   QString *) const
{
    return new MotoreDiProva(parent);
}
