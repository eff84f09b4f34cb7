#pragma once

#include <QColor>
#include <QPushButton>

// A push button drawn flat in its own colour with a raised edge (sunken while held down), the
// same under every widget style: the colour is what tells a child where the focus is. It paints
// itself instead of using a style sheet, which keeps forms with many buttons quick to open.
class PulsanteGrande : public QPushButton
{
    Q_OBJECT

public:
    PulsanteGrande(const QString &testo, QWidget *parent = nullptr);

    void setColore(const QColor &colore);

    // A dotted focus frame, for buttons whose colour does not change with the focus.
    void setCorniceFuoco(bool mostra);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colore;
    bool m_corniceFuoco = false;
};
