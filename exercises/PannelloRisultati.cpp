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

const QColor blu(0, 0, 255);
const QColor rossoScuro(192, 0, 0);

// Each heading also has the words a screen reader says for it, and a value its unit.
struct Colonna
{
    const char *titolo;
    double sinistraTitolo;
    double sinistraValore;
    const char *suggerimento;
    const char *titoloDetto;
    const char *unita;
};
constexpr std::array<Colonna, PannelloRisultati::numeroColonne> colonne{{
    {"Oper", 45, 105, nullptr, "Esercizio", ""},
    {" Risposte esatte", 990, 1035, nullptr, "Risposte esatte", ""},
    {" Risposte errate", 1935, 1965, nullptr, "Risposte errate", ""},
    {"Tempo parziale", 2880, 2910, "Secondi impiegati per ogni risposta", "Tempo parziale", " secondi"},
    {"Tempo totale", 3825, 3870, "Secondi impiegati per ogni esercizio", "Tempo totale", " secondi"},
}};

QString testoTempo(int secondi)
{
    return QString::number(std::min(secondi, RegoleEsercizio::tempoMassimoMostrato));
}
} // namespace

PannelloRisultati::PannelloRisultati(ScalaturaModulo &scalatura, QWidget *parent)
    : RiquadroAccessibile(QStringLiteral("Risultati"), parent)
{
    setObjectName(QStringLiteral("frmElaborazione"));
    coloraSfondo(this, Aspetto::rosaChiaro);
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
        titolo->setAccessibleName(QString::fromLatin1(c.titoloDetto));
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
        scrivi(i, QString());
    }
}

// A value that shows nothing is heard as its heading alone.
void PannelloRisultati::scrivi(int colonna, const QString &testo)
{
    const Colonna &c = colonne[colonna];
    QLabel *valore = m_valori[colonna];
    valore->setText(testo);
    const QString titolo = QString::fromLatin1(c.titoloDetto);
    valore->setAccessibleName(testo.isEmpty() ? titolo
                                              : QStringLiteral("%1: %2%3").arg(titolo, testo,
                                                                                QString::fromLatin1(c.unita)));
}

QLabel *PannelloRisultati::Label5(int indice) const
{
    return indice >= 0 && indice < numeroColonne ? m_titoli[indice] : nullptr;
}

void PannelloRisultati::mostraOperazione(int numero)
{
    scrivi(0, QString::number(numero));
}

void PannelloRisultati::mostraEsatte(int risposte)
{
    scrivi(1, QString::number(risposte));
}

void PannelloRisultati::mostraErrate(int risposte)
{
    scrivi(2, QString::number(risposte));
}

void PannelloRisultati::mostraTempi(int parziale, int totale)
{
    scrivi(3, testoTempo(parziale));
    scrivi(4, testoTempo(totale));
}

void PannelloRisultati::cancellaTempoParziale()
{
    scrivi(3, QString());
}
