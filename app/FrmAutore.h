#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about dialog: the author's web site and e-mail address, and a button that closes it.
// Fixed size, centred on the screen, opened modally and afresh each time.
class FrmAutore : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAutore(QWidget *parent = nullptr);

    QPushButton *Command1() const { return m_command1; }
    QLabel *Label2() const { return m_label2; }
    QLabel *Label4() const { return m_label4; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void centraSulloSchermo();

    QPushButton *m_command1;
    QLabel *m_label4;
    QLabel *m_label3;
    QLabel *m_label2;
    QLabel *m_label1;
};
