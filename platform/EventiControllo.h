#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <vector>

class QWidget;

// Input events of a group of like controls (a control array), delivered by index the way the
// program's handlers expect them:
// - a key press gives keyDown with its key code, then, if it types a character, keyPress with
//   that character; every key event is consumed so Qt's own key handling (Space clicking a
//   button, arrows and Tab moving focus) never runs;
// - auto-repeated presses come again as keyDown/keyPress, but keyUp comes only at the real release;
// - any mouse button gives mouseDown at the press (a double-click's second press included) and
//   mouseUp at the release; presses are consumed so a push button never stays down;
// - focus changes give gotFocus/lostFocus.
// On X11 a held key's repeats come as release/press pairs with one timestamp, and Qt marks them
// as auto-repeat only when the press is already queued; under load it is not, and every repeat
// would look like a new press. So on X11 a release waits a moment for its twin press before
// it counts as real.
class EventiControllo : public QObject
{
    Q_OBJECT

public:
    explicit EventiControllo(QObject *parent);

    // How long a release waits for the press that would make it an auto-repeat; 0 delivers
    // releases at once (the default off X11, and what tests use).
    void impostaAttesaRilascio(int millisecondi) { m_attesaRilascio = millisecondi; }

    void aggiungi(QWidget *controllo, int indice);

Q_SIGNALS:
    void keyDown(int indice, int codice);
    void keyPress(int indice, int carattere);
    void keyUp(int indice);
    void mouseDown(int indice, Qt::MouseButton pulsante);
    void mouseUp(int indice, Qt::MouseButton pulsante);
    void gotFocus(int indice);
    void lostFocus(int indice);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int indiceDi(QObject *oggetto) const;
    void consegnaRilascio();

    struct Rilascio
    {
        int indice;
        int tasto;
        quint64 istante;
    };
    std::optional<Rilascio> m_rilascioSospeso;
    QTimer m_timerRilascio;
    int m_attesaRilascio;

    struct Voce
    {
        QPointer<QWidget> controllo;
        int indice;
    };
    std::vector<Voce> m_controlli;
};
