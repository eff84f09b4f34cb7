#pragma once

#include <QString>

class QWidget;

// The system's "save as" dialog, through Qt: it asks before replacing an existing file. Tests
// derive from it to answer with a path of their own instead of blocking on a modal dialog.
class SceltaFile
{
public:
    virtual ~SceltaFile() = default;
    // The path the user chose, empty when the dialog was cancelled. proposta: the folder and
    // name the dialog opens with; filtro: Qt's name filter, e.g. "PDF (*.pdf)".
    virtual QString percorsoPerSalvare(QWidget *genitore, const QString &titolo,
                                       const QString &proposta, const QString &filtro);
};
