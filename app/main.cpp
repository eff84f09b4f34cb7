#include "app/Avvio.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a long message about platform plugins.
    if (const char *motivo = Avvio::displayMancante()) {
        std::fprintf(stderr, "%s\n", motivo);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    return Avvio::esegui(app);
}
