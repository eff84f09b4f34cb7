#include "platform/Avvisi.h"

#include <QMessageBox>

void Avvisi::mostra(QWidget *genitore, const QString &testo)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), testo, QMessageBox::Ok, genitore);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
