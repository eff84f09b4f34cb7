#include "platform/SceltaFile.h"

#include <QFileDialog>

QString SceltaFile::percorsoPerSalvare(QWidget *genitore, const QString &titolo,
                                       const QString &proposta, const QString &filtro)
{
    return QFileDialog::getSaveFileName(genitore, titolo, proposta, filtro);
}
