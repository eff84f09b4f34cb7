#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

class Interruzione;
class QWidget;

// What the user meets while a page is on its way to the printer: the form stays painted but
// takes no input, and if the printer has not answered within half a second a small modal
// window "Stampa in corso…" with "Annulla" comes up. "Annulla" gives up on the print at once.
// The print is over when this object goes.
class StampaInCorso : public QObject
{
    Q_OBJECT

public:
    static constexpr int attesaPrimaDellaFinestraMs = 500;

    static inline const QString testoStampa = QStringLiteral("Stampa in corso…");

    // testo: what the window says is going on.
    StampaInCorso(QWidget *modulo, std::shared_ptr<Interruzione> interruzione,
                  const QString &testo = testoStampa);
    ~StampaInCorso() override;

    // The modal window, once it has come up.
    QDialog *finestra() const { return m_finestra; }

    // The print is over: the form takes input again and the window goes, at once, even when
    // this is called from the window's own button.
    void termina();

Q_SIGNALS:
    void annullata();

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void mostraFinestra();
    bool delModulo(QObject *oggetto) const;

    QPointer<QWidget> m_modulo;
    QString m_testo;
    std::shared_ptr<Interruzione> m_interruzione;
    QTimer m_attesa;
    QPointer<QDialog> m_finestra;
    bool m_terminata = false;
};
