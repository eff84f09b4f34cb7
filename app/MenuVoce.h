#pragma once

#include <QObject>

class Avvisi;
class QAction;
class QMenuBar;
class Voce;

// The start screen's menu "Voce". "Leggi ad alta voce" follows the voice: ticked while it is
// on, disabled when it cannot speak. Then a second entry, "Perché la voce non funziona?",
// appears below it and shows the reason in a message box: a disabled entry takes no click or
// tap, and its tooltip needs a mouse that hovers, which a finger on a board is not.
class MenuVoce : public QObject
{
    Q_OBJECT

public:
    MenuVoce(QMenuBar &barra, Voce &voce, Avvisi &avvisi, QObject *parent);

    QAction *leggi() const { return m_leggi; }
    QAction *perche() const { return m_perche; }

private:
    void aggiorna();

    Voce &m_voce;
    QAction *m_leggi = nullptr;
    QAction *m_perche = nullptr;
};
