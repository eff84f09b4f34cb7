#include "exercises/FrmOperativo.h"

#include <QLabel>
#include <QVBoxLayout>

FrmOperativo::FrmOperativo(Contesto &contesto, QWidget *parent)
    : QWidget(parent)
    , m_contesto(contesto)
    , m_label2(new QLabel(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Costruisci l'insieme equipotente   "));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label2);
}
