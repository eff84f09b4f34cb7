#include "app/Contesto.h"
#include "app/FrmInizio.h"
#include "exercises/StatoEsercizio.h"
#include "platform/Avvisi.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/Orologio.h"
#include "platform/StampantiSistema.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a long message about platform plugins.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("tandorino: nessun display grafico disponibile (DISPLAY non impostato)\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tandorino"));

    Orologio orologio;
    GeneratoreCasuale casuale;
    Avvisi avvisi;
    StampantiSistema stampanti;
    StatoEsercizio esercizio;
    Contesto contesto(orologio, casuale, avvisi, stampanti, esercizio);

    int esito = EXIT_SUCCESS;
    {
        // The start screen lives for the whole run; once it has closed every form the program
        // ends, even if a hidden window (the picture gallery) is still around.
        FrmInizio inizio(contesto);
        QObject::connect(&inizio, &FrmInizio::programmaFinito, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        inizio.showMaximized();
        esito = QApplication::exec();
        // Forms closed at the end are deleted before the context they refer to.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return esito;
}
