#pragma once

#include "comune/Didascalia.h"

#include <QLabel>

// The verdict under the first set: "E s a t t o" or "E r r a t o" in big letters, or nothing.
// A screen reader meets it as a notification named with the plain word ("Esatto", "Errato"),
// since the spaced caption would be spelt out letter by letter; it is hidden from assistive
// technology while it shows nothing, and is announced each time a verdict appears.
class EsitoVerifica : public QLabel
{
    Q_OBJECT

public:
    explicit EsitoVerifica(QWidget *parent = nullptr);

    // The verdict's caption, and its words for the voice.
    static const Didascalia &didascalia(bool esatta);

    void mostra(bool esatta);
    void cancella();
};
