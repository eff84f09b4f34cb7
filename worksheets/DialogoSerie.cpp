#include "worksheets/DialogoSerie.h"

#include "platform/Aspetto.h"
#include "worksheets/SerieSchede.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

DialogoSerie::DialogoSerie(QWidget *parent)
    : QDialog(parent)
    , m_numero(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("Schede per la classe"));
    setObjectName(QStringLiteral("DialogoSerie"));

    auto *domanda = new QLabel(QStringLiteral("Quante schede diverse?"), this);
    domanda->setFont(Aspetto::arial(12));

    m_numero->setRange(SerieSchede::minimo, SerieSchede::massimo);
    m_numero->setValue(SerieSchede::proposta);
    m_numero->setFont(Aspetto::arial(12));
    m_numero->setObjectName(QStringLiteral("NumeroDiSchede"));
    m_numero->setAccessibleName(QStringLiteral("Numero di schede"));
    auto *etichetta = new QLabel(QStringLiteral("Numero di schede"), this);
    etichetta->setFont(Aspetto::arial(9.75, false));
    etichetta->setBuddy(m_numero);
    auto *campo = new QFormLayout;
    campo->addRow(etichetta, m_numero);

    // The three answers, in this order on every desktop: the teacher reads them left to right.
    auto *pulsanti = new QDialogButtonBox(this);
    pulsanti->setCenterButtons(true);
    auto aggiungi = [this, pulsanti](const QString &testo, Scelta scelta) {
        auto *p = new QPushButton(testo, this);
        p->setFont(Aspetto::arial(9.75));
        p->setAutoDefault(false);
        pulsanti->addButton(p, QDialogButtonBox::ActionRole);
        connect(p, &QPushButton::clicked, this, [this, scelta] { scegli(scelta); });
        return p;
    };
    aggiungi(QStringLiteral("Stampa"), Scelta::Stampa)->setDefault(true);
    aggiungi(QStringLiteral("Salva come PDF…"), Scelta::SalvaPdf);
    aggiungi(QStringLiteral("Annulla"), Scelta::Annulla);

    auto *colonna = new QVBoxLayout(this);
    colonna->addWidget(domanda);
    colonna->addLayout(campo);
    colonna->addWidget(pulsanti);
    colonna->setSizeConstraint(QLayout::SetFixedSize);
    m_numero->setFocus(Qt::OtherFocusReason);
    m_numero->selectAll();
}

int DialogoSerie::quante() const
{
    return m_numero->value();
}

void DialogoSerie::scegli(Scelta scelta)
{
    m_scelta = scelta;
    if (scelta == Scelta::Annulla)
        reject();
    else
        accept();
}
