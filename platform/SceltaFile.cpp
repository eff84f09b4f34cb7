#include "platform/SceltaFile.h"

#include <QFileDialog>

QString SceltaFile::percorsoPerSalvare(QWidget *genitore, const QString &titolo,
                                       const QString &proposta, const QString &filtro)
{
    // As QFileDialog::getSaveFileName(), with one difference: a name typed without an extension
    // gets ".pdf" before the dialog checks whether the file exists, so the question about
    // replacing a file is asked of the file that will really be written.
    QFileDialog dialogo(genitore, titolo);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(filtro);
    dialogo.setDefaultSuffix(QStringLiteral("pdf"));
    dialogo.selectFile(proposta);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return {};
    return dialogo.selectedFiles().constFirst();
}
