#include "exercises/PannelliComando.h"

#include "comune/ScalaturaModulo.h"
#include "platform/Aspetto.h"
#include "platform/PulsanteGrande.h"
#include "platform/RiquadroAccessibile.h"

#include <QFrame>
#include <QLabel>

namespace {
using Aspetto::arial;
using Aspetto::coloraSfondo;

const QColor aiutoNormale(255, 224, 192);
const QColor aiutoConFuoco(255, 192, 128);

// The captions are symbols and capitals; a screen reader says the plain word and what it does.
struct TastoProgetto
{
    const char *testo;
    double sinistra, alto, larghezza, altezza;
    const char *nome;
    const char *descrizione;
};
constexpr std::array<TastoProgetto, Tastierino::numeroTasti> tastiProgetto{{
    {"AGGIUNGI (+)", 90, 270, 2625, 930, "Aggiungi", "Aggiunge un elemento al secondo insieme"},
    {"TOGLI (-)", 2805, 270, 2625, 915, "Togli", "Toglie un elemento dal secondo insieme"},
    {"VERIFICA ", 105, 1305, 2625, 930, "Verifica",
     "Controlla se il secondo insieme ha tanti elementi quanti il primo"},
    {"AVANTI  >>", 2805, 1305, 2625, 915, "Avanti", "Passa al prossimo esercizio"},
    {"ESCI", 105, 2370, 5325, 930, "Esci", "Chiude l'esercizio"},
}};

PulsanteGrande *pulsanteGrande(QWidget *contenitore, const QString &testo, double punti,
                               const QColor &colore)
{
    auto *b = new PulsanteGrande(testo, contenitore);
    b->setFont(arial(punti));
    b->setColore(colore);
    return b;
}

QFrame *pannello(QWidget *contenitore, const QString &nome, const QString &nomeDetto)
{
    auto *f = new RiquadroAccessibile(nomeDetto, contenitore);
    coloraSfondo(f, Aspetto::rosaChiaro);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->setObjectName(nome);
    return f;
}
} // namespace

PannelliComando::PannelliComando(QWidget *form, ScalaturaModulo &scalatura)
{
    creaTastierino(form, scalatura);
    creaAiutoEIntervento(form, scalatura);
}

void PannelliComando::creaTastierino(QWidget *form, ScalaturaModulo &scalatura)
{
    m_fraTastierino = pannello(form, QStringLiteral("fraTastierino"), QStringLiteral("Tastierino"));
    scalatura.aggiungi(m_fraTastierino, 5385, 4830, 5670, 3510);
    for (int i = 0; i < Tastierino::numeroTasti; ++i) {
        const TastoProgetto &t = tastiProgetto[i];
        auto *b = pulsanteGrande(m_fraTastierino, QString::fromLatin1(t.testo), 14.25, Aspetto::rosaChiaro);
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        b->setAccessibleName(QString::fromLatin1(t.nome));
        b->setAccessibleDescription(QString::fromLatin1(t.descrizione));
        scalatura.aggiungi(b, t.sinistra, t.alto, t.larghezza, t.altezza);
        m_option1[i] = b;
    }
    QWidget::setTabOrder(tasto(Tasto::Aggiungi), tasto(Tasto::Esci));
    QWidget::setTabOrder(tasto(Tasto::Esci), tasto(Tasto::Togli));
    QWidget::setTabOrder(tasto(Tasto::Togli), tasto(Tasto::Verifica));
    QWidget::setTabOrder(tasto(Tasto::Verifica), tasto(Tasto::Avanti));
}

void PannelliComando::creaAiutoEIntervento(QWidget *form, ScalaturaModulo &scalatura)
{
    m_fraAiuto = pannello(form, QStringLiteral("fraAiuto"), QStringLiteral("Aiuto"));
    scalatura.aggiungi(m_fraAiuto, 5385, 4815, 5670, 3525);
    m_lblAiuto = new QLabel(tiAiuto.testo, m_fraAiuto);
    m_lblAiuto->setFont(arial(21.75));
    m_lblAiuto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    coloraSfondo(m_lblAiuto, aiutoNormale);
    scalatura.aggiungi(m_lblAiuto, 195, 495, 5235, 720);
    const char *testi[] = {"SI", "NO"};
    const QString nomi[] = {QStringLiteral("Sì"), QStringLiteral("No")};
    const QString descrizioni[] = {QStringLiteral("Mostra la soluzione"),
                                   QStringLiteral("Riprova con il secondo insieme di prima")};
    const double sinistre[] = {120, 2865};
    for (int i = 0; i < 2; ++i) {
        auto *b = pulsanteGrande(m_fraAiuto, QString::fromLatin1(testi[i]), 20.25, aiutoNormale);
        b->setObjectName(QStringLiteral("Option3_%1").arg(i));
        b->setAccessibleName(nomi[i]);
        b->setAccessibleDescription(descrizioni[i]);
        scalatura.aggiungi(b, sinistre[i], 1575, 2700, 840);
        m_option3[i] = b;
    }

    m_fraIntervento = pannello(form, QStringLiteral("fraIntervento"), QStringLiteral("Intervento"));
    scalatura.aggiungi(m_fraIntervento, 5385, 4815, 5685, 3525);
    m_lblIntervento = new QLabel(intervengo.testo, m_fraIntervento);
    m_lblIntervento->setFont(arial(27.75));
    m_lblIntervento->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette p = m_lblIntervento->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Base));
    p.setColor(QPalette::WindowText, p.color(QPalette::Text));
    m_lblIntervento->setPalette(p);
    m_lblIntervento->setAutoFillBackground(true);
    scalatura.aggiungi(m_lblIntervento, 690, 570, 4095, 1095);
    m_optOK = pulsanteGrande(m_fraIntervento, QStringLiteral("OK"), 20.25,
                             form->palette().color(QPalette::Button));
    m_optOK->setObjectName(QStringLiteral("optOK"));
    m_optOK->setAccessibleDescription(QStringLiteral("Mostra la soluzione"));
    // Unlike the other buttons its colour stays the same with the focus, so a frame shows it.
    m_optOK->setCorniceFuoco(true);
    scalatura.aggiungi(m_optOK, 1110, 1872, 3330, 945);
}

void PannelliComando::disattivaTutti()
{
    m_fraTastierino->setEnabled(false);
    m_fraAiuto->setEnabled(false);
    m_fraIntervento->setEnabled(false);
}

void PannelliComando::portaInPrimoPiano(Tastierino::Pannello pannello)
{
    QFrame *riquadro = pannello == Tastierino::Pannello::Tastierino ? m_fraTastierino
                       : pannello == Tastierino::Pannello::Aiuto    ? m_fraAiuto
                                                                    : m_fraIntervento;
    disattivaTutti();
    riquadro->setEnabled(true);
    riquadro->raise();
}

void PannelliComando::mostraAbilitati(const Tastierino::Abilitazioni &abilitati)
{
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        m_option1[i]->setEnabled(abilitati[i]);
}

void PannelliComando::coloraTasto(Tasto t, bool conFuoco)
{
    tasto(t)->setColore(conFuoco ? Aspetto::rosa : Aspetto::rosaChiaro);
}

void PannelliComando::coloraRisposta(Aiuto a, bool conFuoco)
{
    risposta(a)->setColore(conFuoco ? aiutoConFuoco : aiutoNormale);
}
