// The yardstick for start-up: the smallest Qt Widgets program showing one maximized label.
#include "PrimoFotogramma.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel etichetta(QStringLiteral("Tandorino"));
    new PrimoFotogramma(&etichetta);
    etichetta.showMaximized();
    return QApplication::exec();
}
