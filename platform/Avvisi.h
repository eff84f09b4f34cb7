#pragma once

#include <QString>

class QWidget;

// Message boxes with only an OK button and no caption of their own. Tests derive from it to
// record the messages instead of blocking on a modal box.
class Avvisi
{
public:
    virtual ~Avvisi() = default;
    virtual void mostra(QWidget *genitore, const QString &testo);
};
