#pragma once

#include <QDialog>

class Contesto;
class QComboBox;
class QLabel;
class QPushButton;

// The printer selection dialog: shows the system's default printer and makes the printer
// chosen from the list the program's current printer. It is hidden, never destroyed, so it
// comes back exactly as it was left. Its controls carry their design names as object names.
class FrmStampante : public QDialog
{
    Q_OBJECT

public:
    explicit FrmStampante(Contesto &contesto, QWidget *parent = nullptr);
    ~FrmStampante() override;

    // Shows the dialog modally; returns when "C H I U D I" hides it.
    void mostraModale();

    // Whether an answer from the printers is still awaited (the list, or the check of a choice).
    bool inAttesa() const { return m_attese > 0; }

Q_SIGNALS:
    // An answer from the printers has been shown: the list and the default, or a choice.
    void aggiornato();

private:
    void Form_Load();
    void RiempiStampanti(const QStringList &nomi);
    void MostraPredefinita();
    void Combo1_Click();
    void sceltaVerificata(const QString &testo, const QStringList &installate);
    void Command2_Click();

    // The caption of a label: the text, a line break, then the printer's name, fitted so that
    // an overlong name is wrapped anywhere and shortened instead of running out of the label.
    void impostaDidascalia(QLabel *etichetta, const QString &testo, const QString &nome);

    Contesto &m_contesto;
    QPushButton *m_command2;
    QComboBox *m_combo1;
    QLabel *m_label2;
    QLabel *m_label1;
    bool m_primoClickFatto = false;
    int m_attese = 0;
};
