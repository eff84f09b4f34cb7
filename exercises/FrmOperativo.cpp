#include "exercises/FrmOperativo.h"

#include "comune/Contesto.h"
#include "comune/Galleria.h"
#include "comune/ScalaturaModulo.h"
#include "comune/StatoEsercizio.h"
#include "comune/TipoEsercizio.h"
#include "platform/Aspetto.h"
#include "platform/EventiControllo.h"
#include "platform/FineModulo.h"
#include "platform/Orologio.h"
#include "platform/Voce.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace {
using Aspetto::arial;
using Aspetto::coloraSfondo;
using Aspetto::coloraTesto;

const QSizeF clientProgetto(11910, 8580);

const QColor testoTitolo(192, 64, 0);

// The instruction line before the start screen names a kind, then each kind's.
const Didascalia istruzioneIniziale{QStringLiteral("Secondo  insieme vuoto - Aggiungi (+) elementi"),
                                    QStringLiteral("Secondo insieme vuoto - Aggiungi (+) elementi")};
const std::array<Didascalia, 3> istruzioni = {{
    {QStringLiteral("Secondo  insieme vuoto - Devi inserire elementi"),
     QStringLiteral("Secondo insieme vuoto. Devi inserire elementi.")},
    {QStringLiteral("Secondo  insieme suvvalente - Devi aggiungere elementi"),
     QStringLiteral("Secondo insieme suvvalente. Devi aggiungere elementi.")},
    {QStringLiteral("Secondo  insieme prevalente - Devi togliere elementi"),
     QStringLiteral("Secondo insieme prevalente. Devi togliere elementi.")},
}};
const QColor blu(0, 0, 255);

} // namespace

FrmOperativo::FrmOperativo(Contesto &contesto, QWidget *parent)
    : QWidget(parent)
    , m_contesto(contesto)
    , m_generatore(contesto.casuale(), contesto.orologio(), contesto.esercizio())
    , m_regole(contesto.esercizio())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Costruisci l'insieme equipotente   "));
    coloraSfondo(this, Aspetto::rosaChiaro);

    m_scalatura = new ScalaturaModulo(this, clientProgetto, this);
    creaControlli();
    collegaEventi();
    // Pictures keep their own size over rescaled slots.
    connect(m_scalatura, &ScalaturaModulo::scalato, m_fraSfondoS, &RiquadroInsieme::adattaCaselle);
    connect(m_scalatura, &ScalaturaModulo::scalato, m_fraSfondoD, &RiquadroInsieme::adattaCaselle);

    // The load step: capture the layout first, then start the series.
    m_scalatura->cattura();
    IniziaSessione();

    resize(m_scalatura->dimensioneProgettoPixel());
    setWindowState(windowState() | Qt::WindowMaximized);
}

FrmOperativo::~FrmOperativo()
{
    FineModulo::staccaGestori(*this);
}

void FrmOperativo::annunciaTipo(TipoEsercizio tipo)
{
    m_istruzione = istruzioni.at(static_cast<std::size_t>(tipo));
    m_label2->setText(m_istruzione.testo);
    m_contesto.voce().dici(m_istruzione.detta);
}

// ---- Building the form ----

void FrmOperativo::creaControlli()
{
    ScalaturaModulo &s = *m_scalatura;

    m_label1 = new QLabel(QStringLiteral("L' INSIEME EQUIPOTENTE"), this);
    m_label1->setFont(arial(20.25));
    coloraTesto(m_label1, testoTitolo);
    s.aggiungi(m_label1, 165, 15, 11850, 495);

    m_istruzione = istruzioneIniziale;
    m_label2 = new QLabel(m_istruzione.testo, this);
    m_label2->setFont(arial(14.25));
    coloraTesto(m_label2, testoTitolo);
    s.aggiungi(m_label2, 150, 480, 11850, 495);

    m_fraSfondoS = new RiquadroInsieme(RiquadroInsieme::Insieme::Primo, s, this);
    m_fraSfondoD = new RiquadroInsieme(RiquadroInsieme::Insieme::Secondo, s, this);

    m_lblEsito = new EsitoVerifica(this);
    m_lblEsito->setFont(arial(48));
    m_lblEsito->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    coloraTesto(m_lblEsito, blu);
    s.aggiungi(m_lblEsito, 270, 4830, 5055, 975);

    m_pannelli.emplace(this, s);
    m_risultati = new PannelloRisultati(s, this);
}

void FrmOperativo::collegaEventi()
{
    const auto rilascio = [this] { m_tastierino.keyUp(); };

    m_eventiOption1 = new EventiControllo(this);
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        m_eventiOption1->aggiungi(Option1(i), i);
    connect(m_eventiOption1, &EventiControllo::gotFocus, this,
            [this](int i) { m_pannelli->coloraTasto(static_cast<Tasto>(i), true); });
    connect(m_eventiOption1, &EventiControllo::lostFocus, this,
            [this](int i) { m_pannelli->coloraTasto(static_cast<Tasto>(i), false); });
    connect(m_eventiOption1, &EventiControllo::keyDown, this, &FrmOperativo::Option1_KeyDown);
    connect(m_eventiOption1, &EventiControllo::keyPress, this, &FrmOperativo::Option1_KeyPress);
    connect(m_eventiOption1, &EventiControllo::keyUp, this, rilascio);
    connect(m_eventiOption1, &EventiControllo::mouseDown, this, &FrmOperativo::Option1_MouseDown);
    connect(m_eventiOption1, &EventiControllo::mouseUp, this, [this] { m_tastierino.mouseUp(); });

    m_eventiOption3 = new EventiControllo(this);
    for (int i = 0; i < 2; ++i)
        m_eventiOption3->aggiungi(Option3(i), i);
    connect(m_eventiOption3, &EventiControllo::gotFocus, this,
            [this](int i) { m_pannelli->coloraRisposta(static_cast<Aiuto>(i), true); });
    connect(m_eventiOption3, &EventiControllo::lostFocus, this,
            [this](int i) { m_pannelli->coloraRisposta(static_cast<Aiuto>(i), false); });
    connect(m_eventiOption3, &EventiControllo::keyDown, this, &FrmOperativo::Option3_KeyDown);
    connect(m_eventiOption3, &EventiControllo::keyPress, this, &FrmOperativo::Option3_KeyPress);
    connect(m_eventiOption3, &EventiControllo::keyUp, this, rilascio);
    connect(m_eventiOption3, &EventiControllo::mouseDown, this, &FrmOperativo::Option3_MouseDown);

    m_eventiOK = new EventiControllo(this);
    m_eventiOK->aggiungi(optOK(), 0);
    connect(m_eventiOK, &EventiControllo::keyDown, this, &FrmOperativo::optOK_KeyDown);
    connect(m_eventiOK, &EventiControllo::keyUp, this, rilascio);
    connect(m_eventiOK, &EventiControllo::mouseDown, this, &FrmOperativo::optOK_MouseDown);
}

// ---- Pictures ----

const QPixmap &FrmOperativo::Figura()
{
    // The copy that matches the pixels the form's screen has; it keeps the picture's logical size.
    const int indice = m_contesto.esercizio().Figura;
    const qreal rapporto = devicePixelRatioF();
    if (indice != m_indiceFigura || !qFuzzyCompare(rapporto, m_rapportoFigura)) {
        m_figura = QPixmap::fromImage(m_contesto.galleria().perSchermo(indice, rapporto));
        m_indiceFigura = indice;
        m_rapportoFigura = rapporto;
        m_fraSfondoS->impostaSoggetto(indice);
        m_fraSfondoD->impostaSoggetto(indice);
    }
    return m_figura;
}

// ---- Series and exercises ----

void FrmOperativo::IniziaSessione()
{
    m_regole.iniziaSerie();
    NuovoEsercizio();
}

void FrmOperativo::NuovoEsercizio()
{
    m_fraSfondoS->nascondiTutte();
    m_fraSfondoD->nascondiTutte();
    m_regole.nuovoEsercizio();
    m_risultati->mostraOperazione(m_contesto.esercizio().NumeroEsercizio);
    m_lblEsito->cancella();
    m_risultati->cancellaTempoParziale();

    const TipoEsercizio tipo = m_contesto.esercizio().TipoEsercizio;
    m_generatore.genera(tipo);
    MostraPrimoInsieme();
    VisualizzaD(tipo);

    usaPannello(Tastierino::Pannello::Tastierino);
    impostaTastierino(Tastierino::modifica);
}

void FrmOperativo::MostraPrimoInsieme()
{
    const StatoEsercizio &s = m_contesto.esercizio();
    m_fraSfondoS->show();
    const int n = std::clamp(s.ElementiS, 0, GeneratoreEsercizi::massimoElementiS);
    for (int c = 1; c <= numeroCaselle; ++c)
        for (int i = 1; i <= n; ++i)
            if (s.PosizioniS[i] == c)
                m_fraSfondoS->mostraFigura(c, Figura());
}

// The second set starts again: the rules set its size and start the answer's time, then it
// shows as the kind wants it.
void FrmOperativo::VisualizzaD(TipoEsercizio tipo)
{
    const auto elementi =
        m_regole.secondoInsiemeIniziale(tipo, m_contesto.orologio().secondiDallaMezzanotte());
    switch (tipo) {
    case TipoEsercizio::InsiemeVuoto:
        VisualizzaD0();
        break;
    case TipoEsercizio::Suvvalente:
        VisualizzaD1(*elementi);
        break;
    case TipoEsercizio::Prevalente:
        VisualizzaD2(*elementi);
        break;
    case TipoEsercizio::Finito:
        break;
    }
}

void FrmOperativo::VisualizzaD0()
{
    m_fraSfondoD->show();
    m_fraSfondoD->mostraVuote();
}

void FrmOperativo::VisualizzaD1(int elementi)
{
    VisualizzaDConIniziali(elementi);
}

void FrmOperativo::VisualizzaD2(int elementi)
{
    VisualizzaDConIniziali(elementi);
}

void FrmOperativo::VisualizzaDConIniziali(int elementi)
{
    m_fraSfondoD->show();
    m_fraSfondoD->svuota();
    for (int c = 1; c <= elementi; ++c)
        m_fraSfondoD->mostraFigura(c, Figura());
}

// ---- Keypad ----

void FrmOperativo::EseguiTasto(Tasto t)
{
    // Only an enabled button in the panel in use acts, whatever event reached it.
    if (!m_tastierino.attivo(t))
        return;
    switch (t) {
    case Tasto::Aggiungi:
        Aggiungi();
        break;
    case Tasto::Togli:
        Togli();
        break;
    case Tasto::Verifica:
        Verifica();
        break;
    case Tasto::Avanti:
        NuovoEsercizio();
        m_contesto.voce().dici(m_istruzione.detta);
        break;
    case Tasto::Esci:
        close();
        break;
    }
}

void FrmOperativo::Aggiungi()
{
    if (const auto casella = m_regole.aggiungi())
        m_fraSfondoD->mostraFigura(*casella, Figura());
    abilitaVerifica(true);
}

void FrmOperativo::Togli()
{
    const RegoleEsercizio::EsitoTogli esito = m_regole.togli();
    if (esito.casellaDaNascondere)
        m_fraSfondoD->nascondi(*esito.casellaDaNascondere);
    abilitaVerifica(esito.verificaAbilitata);
}

void FrmOperativo::Verifica()
{
    const StatoEsercizio &s = m_contesto.esercizio();
    const bool esatta = m_regole.verifica();
    CalcolaTempi();
    if (esatta) {
        m_risultati->mostraEsatte(s.RisposteEsatte);
        m_lblEsito->mostra(true);
        m_contesto.voce().dici(EsitoVerifica::didascalia(true).detta);
        impostaTastierino(Tastierino::avanti);
    } else {
        m_lblEsito->mostra(false);
        m_risultati->mostraErrate(s.RisposteErrate);
        usaPannello(Tastierino::Pannello::Aiuto);
        // One utterance, so that the second sentence does not cut the first.
        m_contesto.voce().dici(EsitoVerifica::didascalia(false).detta + QLatin1Char(' ')
                               + PannelliComando::tiAiuto.detta);
    }
}

void FrmOperativo::eseguiAzione(const Tastierino::Azione &azione)
{
    switch (azione.tipo) {
    case Tastierino::Azione::Tipo::Nessuna:
        break;
    case Tastierino::Azione::Tipo::Fuoco:
        tasto(azione.tasto)->setFocus(Qt::OtherFocusReason);
        break;
    case Tastierino::Azione::Tipo::Passa:
        tasto(azione.tasto)->setFocus(Qt::TabFocusReason);
        break;
    case Tastierino::Azione::Tipo::Esegui:
        EseguiTasto(azione.tasto);
        break;
    }
}

void FrmOperativo::usaPannello(Tastierino::Pannello pannello)
{
    m_tastierino.usa(pannello);
    m_pannelli->portaInPrimoPiano(pannello);
}

void FrmOperativo::impostaTastierino(const Tastierino::Stato &stato)
{
    m_tastierino.imposta(stato);
    m_pannelli->mostraAbilitati(m_tastierino.abilitati());
    // Before the form is shown this only records where the focus will be.
    tasto(stato.fuoco)->setFocus(Qt::OtherFocusReason);
}

void FrmOperativo::abilitaVerifica(bool abilitato)
{
    m_tastierino.abilitaVerifica(abilitato);
    m_pannelli->mostraAbilitati(m_tastierino.abilitati());
}

// ---- Help, intervention, times ----

void FrmOperativo::SiSi()
{
    const StatoEsercizio &s = m_contesto.esercizio();
    m_regole.aiutoDato();
    m_fraSfondoD->nascondiTutte();
    const int n = std::clamp(s.ElementiS, 0, numeroCaselle);
    for (int c = 1; c <= n; ++c)
        m_fraSfondoD->mostraFigura(c, Figura());
    m_lblEsito->cancella();
    usaPannello(Tastierino::Pannello::Tastierino);
    impostaTastierino(Tastierino::avanti);
}

void FrmOperativo::NoAiuto()
{
    if (m_regole.rifiutaAiuto() == RegoleEsercizio::Rifiuto::Intervento) {
        usaPannello(Tastierino::Pannello::Intervento);
        m_contesto.voce().dici(PannelliComando::intervengo.detta);
        optOK()->setFocus(Qt::OtherFocusReason);
        return;
    }
    VisualizzaD(m_contesto.esercizio().TipoEsercizio);
    usaPannello(Tastierino::Pannello::Tastierino);
    impostaTastierino(Tastierino::modifica);
    m_lblEsito->cancella();
}

void FrmOperativo::CalcolaTempi()
{
    const RegoleEsercizio::Tempi t =
        m_regole.calcolaTempi(m_contesto.orologio().secondiDallaMezzanotte());
    m_risultati->mostraTempi(t.parziale, t.totale);
}

void FrmOperativo::Rispondi(Aiuto risposta)
{
    if (risposta == Aiuto::Si)
        SiSi();
    else
        NoAiuto();
}

void FrmOperativo::eseguiAzioneAiuto(const Tastierino::AzioneAiuto &azione)
{
    QPushButton *b = m_pannelli->risposta(azione.risposta);
    switch (azione.tipo) {
    case Tastierino::AzioneAiuto::Tipo::Nessuna:
        break;
    case Tastierino::AzioneAiuto::Tipo::Fuoco:
        b->setFocus(Qt::OtherFocusReason);
        break;
    case Tastierino::AzioneAiuto::Tipo::Passa:
        b->setFocus(Qt::TabFocusReason);
        break;
    case Tastierino::AzioneAiuto::Tipo::Scegli:
        Rispondi(azione.risposta);
        break;
    }
}

// ---- Control events ----

void FrmOperativo::Option1_KeyDown(int indice, int codice)
{
    eseguiAzione(m_tastierino.keyDown(static_cast<Tasto>(indice), codice));
}

void FrmOperativo::Option1_KeyPress(int indice, int carattere)
{
    eseguiAzione(m_tastierino.keyPress(static_cast<Tasto>(indice), carattere));
}

void FrmOperativo::Option1_MouseDown(int indice)
{
    eseguiAzione(m_tastierino.mouseDown(static_cast<Tasto>(indice)));
}

void FrmOperativo::Option3_KeyDown(int indice, int codice)
{
    eseguiAzioneAiuto(m_tastierino.keyDownAiuto(static_cast<Aiuto>(indice), codice));
}

void FrmOperativo::Option3_KeyPress(int indice, int carattere)
{
    eseguiAzioneAiuto(m_tastierino.keyPressAiuto(static_cast<Aiuto>(indice), carattere));
}

void FrmOperativo::Option3_MouseDown(int indice)
{
    if (m_tastierino.inUso() == Tastierino::Pannello::Aiuto)
        Rispondi(static_cast<Aiuto>(indice));
}

void FrmOperativo::optOK_KeyDown(int, int codice)
{
    if (!m_tastierino.keyDownOK(codice))
        return;
    m_pannelli->disattivaTutti();
    fraTastierino()->setEnabled(true);
    SiSi();
}

void FrmOperativo::optOK_MouseDown()
{
    if (m_tastierino.inUso() == Tastierino::Pannello::Intervento)
        SiSi();
}

// Releases that reach the form itself: after a wrong verdict no button holds the focus, and a
// button disabled by its own press may not get its release.
void FrmOperativo::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        m_tastierino.keyUp();
    QWidget::keyReleaseEvent(event);
}

void FrmOperativo::mouseReleaseEvent(QMouseEvent *event)
{
    m_tastierino.mouseUp();
    QWidget::mouseReleaseEvent(event);
}
