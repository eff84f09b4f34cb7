#pragma once

#include <QDialog>

class QSpinBox;

// The small dialog of "Schede per la classe…": how many different worksheets, and whether to
// print them or save them as one PDF. The form opens it and reads the answer when it closes.
class DialogoSerie : public QDialog
{
    Q_OBJECT

public:
    enum class Scelta { Annulla, Stampa, SalvaPdf };

    explicit DialogoSerie(QWidget *parent = nullptr);

    Scelta scelta() const { return m_scelta; }
    int quante() const;
    QSpinBox *numero() const { return m_numero; }

private:
    void scegli(Scelta scelta);

    QSpinBox *m_numero;
    Scelta m_scelta = Scelta::Annulla;
};
