#include "app/Avvio.h"
#include "app/RigaDiComando.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // The command line first: help, version and a wrong option need no display.
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti.append(QString::fromLocal8Bit(argv[i]));
    const RigaDiComando riga(argomenti);
    if (!riga.avvia()) {
        std::fputs(riga.uscita().toLocal8Bit().constData(), stdout);
        std::fputs(riga.errore().toLocal8Bit().constData(), stderr);
        return riga.stato();
    }
    // Without a display Qt would abort with a long message about platform plugins.
    if (const char *motivo = Avvio::displayMancante()) {
        std::fprintf(stderr, "%s\n", motivo);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    return Avvio::esegui(app);
}
