// Tandorino started exactly as the program starts, with a probe that reports its first frame.
#include "PrimoFotogramma.h"

#include "app/Avvio.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return Avvio::esegui(app, [](QWidget &inizio) { new PrimoFotogramma(&inizio); });
}
