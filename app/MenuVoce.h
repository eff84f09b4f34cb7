#pragma once

#include <QObject>

class QAction;
class QMenuBar;
class Voce;

// The start screen's menu "Voce" with its one entry "Leggi ad alta voce", which follows the
// voice: ticked while it is on, disabled with the reason as its tooltip when it cannot speak.
class MenuVoce : public QObject
{
    Q_OBJECT

public:
    MenuVoce(QMenuBar &barra, Voce &voce, QObject *parent);

    QAction *leggi() const { return m_leggi; }

private:
    void aggiorna();

    Voce &m_voce;
    QAction *m_leggi = nullptr;
};
