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

    auto *inizio = new FrmInizio(contesto);
    inizio->setAttribute(Qt::WA_DeleteOnClose);
    inizio->showMaximized();
    return QApplication::exec();
}
