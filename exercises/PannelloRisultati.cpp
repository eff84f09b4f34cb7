#include "exercises/PannelloRisultati.h"

#include "comune/ScalaturaModulo.h"
#include "exercises/RegoleEsercizio.h"
#include "platform/Aspetto.h"

#include <QLabel>
#include <algorithm>

namespace {
using Aspetto::arial;
using Aspetto::coloraSfondo;
using Aspetto::coloraTesto;

const QColor sfondo(255, 192, 255);
const QColor blu(0, 0, 255);
const QColor rossoScuro(192, 0, 0);

struct Colonna
{
    const char *titolo;
    double sinistraTitolo;
    double sinistraValore;
    const char *suggerimento;
};
constexpr std::array<Colonna, PannelloRisultati::numeroColonne> colonne{{
    {"Oper", 45, 105, nullptr},
    {" Risposte esatte", 990, 1035, nullptr},
    {" Risposte errate", 1935, 1965, nullptr},
    {"Tempo parziale", 2880, 2910, "Secondi impiegati per ogni risposta"},
    {"Tempo totale", 3825, 3870, "Secondi impiegati per ogni esercizio"},
}};

QString testoTempo(int secondi)
{
    return QString::number(std::min(secondi, RegoleEsercizio::tempoMassimoMostrato));
}
} // namespace

PannelloRisultati::PannelloRisultati(ScalaturaModulo &scalatura, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("frmElaborazione"));
    coloraSfondo(this, sfondo);
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
    scalatura.aggiungi(this, 300, 6300, 4890, 1695);

    const QColor finestra = parent->palette().color(QPalette::Base);
    for (int i = 0; i < numeroColonne; ++i) {
        const Colonna &c = colonne[i];
        auto *titolo = new QLabel(QString::fromLatin1(c.titolo), this);
        titolo->setFont(arial(8.25));
        titolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        titolo->setWordWrap(true);
        coloraSfondo(titolo, finestra);
        coloraTesto(titolo, rossoScuro);
        if (c.suggerimento)
            titolo->setToolTip(QString::fromLatin1(c.suggerimento));
        scalatura.aggiungi(titolo, c.sinistraTitolo, 300, 930, 555);
        m_titoli[i] = titolo;
    }
    for (int i = 0; i < numeroColonne; ++i) {
        const Colonna &c = colonne[i];
        auto *valore = new QLabel(this);
        valore->setFont(arial(14.25));
        valore->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        coloraSfondo(valore, finestra);
        coloraTesto(valore, blu);
        if (c.suggerimento)
            valore->setToolTip(QString::fromLatin1(c.suggerimento));
        scalatura.aggiungi(valore, c.sinistraValore, 960, 810, 480);
        m_valori[i] = valore;
    }
}

QLabel *PannelloRisultati::Label5(int indice) const
{
    return indice >= 0 && indice < numeroColonne ? m_titoli[indice] : nullptr;
}

void PannelloRisultati::mostraOperazione(int numero)
{
    LblOperazione()->setText(QString::number(numero));
}

void PannelloRisultati::mostraEsatte(int risposte)
{
    lblRisEsatte()->setText(QString::number(risposte));
}

void PannelloRisultati::mostraErrate(int risposte)
{
    lblRisErrate()->setText(QString::number(risposte));
}

void PannelloRisultati::mostraTempi(int parziale, int totale)
{
    LblTempoParziale()->setText(testoTempo(parziale));
    LblTempoTotale()->setText(testoTempo(totale));
}

void PannelloRisultati::cancellaTempoParziale()
{
    LblTempoParziale()->clear();
}
