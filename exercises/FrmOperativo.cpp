#include "exercises/FrmOperativo.h"

#include "comune/Contesto.h"
#include "comune/ScalaturaModulo.h"
#include "exercises/ContornoDecorativo.h"
#include "comune/Galleria.h"
#include "platform/PulsanteGrande.h"
#include "comune/StatoEsercizio.h"
#include "comune/TipoEsercizio.h"
#include "platform/CodiciTasto.h"
#include "platform/EventiControllo.h"
#include "platform/Orologio.h"
#include "platform/Aspetto.h"

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

const QColor sfondoModulo(255, 192, 255);
const QColor testoTitolo(192, 64, 0);
const QColor tastoNormale(255, 192, 255);
const QColor tastoConFuoco(255, 128, 255);
const QColor aiutoNormale(255, 224, 192);
const QColor aiutoConFuoco(255, 192, 128);
const QColor blu(0, 0, 255);
const QColor rossoScuro(192, 0, 0);

const QString testoEsatto = QStringLiteral("E s a t t o");
const QString testoErrato = QStringLiteral("E r r a t o");

constexpr double latoCasella = 735;

// Slot places (left, top) in twips inside the two set frames, slots 1 to 15.
struct Punto
{
    double sinistra, alto;
};
constexpr std::array<Punto, 15> caselleS{{{300, 270},   {1140, 270},  {1950, 270},  {2790, 270},
                                          {3630, 270},  {300, 1170},  {1140, 1170}, {1950, 1170},
                                          {2790, 1170}, {3630, 1170}, {300, 2010},  {1110, 2010},
                                          {1920, 2010}, {2760, 2010}, {3600, 2010}}};
constexpr std::array<Punto, 15> caselleD{{{240, 255},   {1080, 255},  {1920, 255},  {2775, 255},
                                          {3630, 255},  {255, 1140},  {1080, 1155}, {1920, 1155},
                                          {2775, 1155}, {3630, 1155}, {255, 2025},  {1095, 2040},
                                          {1920, 2040}, {2760, 2040}, {3600, 2040}}};

struct TastoProgetto
{
    const char *testo;
    double sinistra, alto, larghezza, altezza;
};
constexpr std::array<TastoProgetto, 5> tastiProgetto{{
    {"AGGIUNGI (+)", 90, 270, 2625, 930},
    {"TOGLI (-)", 2805, 270, 2625, 915},
    {"VERIFICA ", 105, 1305, 2625, 930},
    {"AVANTI  >>", 2805, 1305, 2625, 915},
    {"ESCI", 105, 2370, 5325, 930},
}};

struct ColonnaRisultati
{
    const char *titolo;
    double sinistraTitolo;
    double sinistraValore;
    const char *suggerimento;
};
constexpr std::array<ColonnaRisultati, 5> colonne{{
    {"Oper", 45, 105, nullptr},
    {" Risposte esatte", 990, 1035, nullptr},
    {" Risposte errate", 1935, 1965, nullptr},
    {"Tempo parziale", 2880, 2910, "Secondi impiegati per ogni risposta"},
    {"Tempo totale", 3825, 3870, "Secondi impiegati per ogni esercizio"},
}};

PulsanteGrande *pulsanteGrande(QWidget *contenitore, const QString &testo, double punti,
                               const QColor &colore)
{
    auto *b = new PulsanteGrande(testo, contenitore);
    b->setFont(arial(punti));
    b->setColore(colore);
    return b;
}

QFrame *pannello(QWidget *contenitore, bool bordo)
{
    auto *f = new QFrame(contenitore);
    coloraSfondo(f, sfondoModulo);
    if (bordo) {
        f->setFrameShape(QFrame::Box);
        f->setFrameShadow(QFrame::Sunken);
    } else {
        f->setFrameShape(QFrame::NoFrame);
    }
    return f;
}

QString testoTempo(int secondi)
{
    return QString::number(std::min(secondi, RegoleEsercizio::tempoMassimoMostrato));
}

} // namespace

FrmOperativo::FrmOperativo(Contesto &contesto, QWidget *parent)
    : QWidget(parent)
    , m_contesto(contesto)
    , m_generatore(contesto.casuale(), contesto.orologio(), contesto.esercizio())
    , m_regole(contesto.esercizio())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Costruisci l'insieme equipotente   "));
    coloraSfondo(this, sfondoModulo);

    m_scalatura = new ScalaturaModulo(this, clientProgetto, this);
    creaControlli();
    collegaEventi();
    connect(m_scalatura, &ScalaturaModulo::scalato, this, &FrmOperativo::AdattaCaselle);

    // The load step: capture the layout first, then start the series.
    m_scalatura->cattura();
    IniziaSessione();

    resize(m_scalatura->dimensioneProgettoPixel());
    setWindowState(windowState() | Qt::WindowMaximized);
}

FrmOperativo::~FrmOperativo()
{
    // Focus changes while the children go away must not reach handlers of a form being destroyed.
    delete m_eventiOption1;
    delete m_eventiOption3;
    delete m_eventiOK;
}

QLabel *FrmOperativo::Image1(int casella) const
{
    return casella >= 1 && casella <= numeroCaselle ? m_image1[casella] : nullptr;
}

QLabel *FrmOperativo::Image2(int casella) const
{
    return casella >= 1 && casella <= numeroCaselle ? m_image2[casella] : nullptr;
}

QPushButton *FrmOperativo::Option1(int indice) const
{
    return indice >= 0 && indice < Tastierino::numeroTasti ? m_option1[indice] : nullptr;
}

QPushButton *FrmOperativo::Option3(int indice) const
{
    return indice >= 0 && indice < 2 ? m_option3[indice] : nullptr;
}

QLabel *FrmOperativo::Label5(int indice) const
{
    return indice >= 0 && indice < numeroTitoliRisultati ? m_label5[indice] : nullptr;
}

// ---- Building the form ----

void FrmOperativo::creaControlli()
{
    ScalaturaModulo &s = *m_scalatura;

    m_label1 = new QLabel(QStringLiteral("L' INSIEME EQUIPOTENTE"), this);
    m_label1->setFont(arial(20.25));
    coloraTesto(m_label1, testoTitolo);
    s.aggiungi(m_label1, 165, 15, 11850, 495);

    m_label2 = new QLabel(QStringLiteral("Secondo  insieme vuoto - Aggiungi (+) elementi"), this);
    m_label2->setFont(arial(14.25));
    coloraTesto(m_label2, testoTitolo);
    s.aggiungi(m_label2, 150, 480, 11850, 495);

    const auto creaInsieme = [&s, this](QFrame *&frame, double sinistra, ContornoDecorativo *&contorno,
                                        std::array<QLabel *, numeroCaselle + 1> &caselle,
                                        const std::array<Punto, 15> &posti) {
        frame = pannello(this, false);
        s.aggiungi(frame, sinistra, 1020, 4620, 3240);
        // The outline first, so the pictures lie above it.
        contorno = new ContornoDecorativo(frame);
        s.aggiungi(contorno, 30, 30, 4545, 3030);
        for (int c = 1; c <= numeroCaselle; ++c) {
            auto *casella = new QLabel(frame);
            casella->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            casella->hide();
            s.aggiungi(casella, posti[c - 1].sinistra, posti[c - 1].alto, latoCasella, latoCasella);
            caselle[c] = casella;
        }
    };
    creaInsieme(m_fraSfondoS, 570, m_shape1[1], m_image1, caselleS);
    creaInsieme(m_fraSfondoD, 6075, m_shape1[0], m_image2, caselleD);
    m_fraSfondoS->setObjectName(QStringLiteral("FraSfondoS"));
    m_fraSfondoD->setObjectName(QStringLiteral("FraSfondoD"));

    m_lblEsito = new QLabel(this);
    m_lblEsito->setFont(arial(48));
    m_lblEsito->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    coloraTesto(m_lblEsito, blu);
    s.aggiungi(m_lblEsito, 270, 4830, 5055, 975);

    creaTastierino();
    creaAiutoEIntervento();
    creaRisultati();
}

void FrmOperativo::creaTastierino()
{
    m_fraTastierino = pannello(this, true);
    m_fraTastierino->setObjectName(QStringLiteral("fraTastierino"));
    m_scalatura->aggiungi(m_fraTastierino, 5385, 4830, 5670, 3510);
    for (int i = 0; i < Tastierino::numeroTasti; ++i) {
        const TastoProgetto &t = tastiProgetto[i];
        auto *b = pulsanteGrande(m_fraTastierino, QString::fromLatin1(t.testo), 14.25, tastoNormale);
        b->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_scalatura->aggiungi(b, t.sinistra, t.alto, t.larghezza, t.altezza);
        m_option1[i] = b;
    }
    m_option1[Tastierino::Verifica]->setEnabled(false);
    QWidget::setTabOrder(m_option1[Tastierino::Aggiungi], m_option1[Tastierino::Esci]);
    QWidget::setTabOrder(m_option1[Tastierino::Esci], m_option1[Tastierino::Togli]);
    QWidget::setTabOrder(m_option1[Tastierino::Togli], m_option1[Tastierino::Verifica]);
    QWidget::setTabOrder(m_option1[Tastierino::Verifica], m_option1[Tastierino::Avanti]);
}

void FrmOperativo::creaAiutoEIntervento()
{
    m_fraAiuto = pannello(this, true);
    m_fraAiuto->setObjectName(QStringLiteral("fraAiuto"));
    m_scalatura->aggiungi(m_fraAiuto, 5385, 4815, 5670, 3525);
    m_lblAiuto = new QLabel(QStringLiteral("Ti aiuto ?"), m_fraAiuto);
    m_lblAiuto->setFont(arial(21.75));
    m_lblAiuto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    coloraSfondo(m_lblAiuto, aiutoNormale);
    m_scalatura->aggiungi(m_lblAiuto, 195, 495, 5235, 720);
    const char *testi[] = {"SI", "NO"};
    const double sinistre[] = {120, 2865};
    for (int i = 0; i < 2; ++i) {
        auto *b = pulsanteGrande(m_fraAiuto, QString::fromLatin1(testi[i]), 20.25, aiutoNormale);
        b->setObjectName(QStringLiteral("Option3_%1").arg(i));
        m_scalatura->aggiungi(b, sinistre[i], 1575, 2700, 840);
        m_option3[i] = b;
    }

    m_fraIntervento = pannello(this, true);
    m_fraIntervento->setObjectName(QStringLiteral("fraIntervento"));
    m_scalatura->aggiungi(m_fraIntervento, 5385, 4815, 5685, 3525);
    m_lblIntervento = new QLabel(QStringLiteral("Intervengo io"), m_fraIntervento);
    m_lblIntervento->setFont(arial(27.75));
    m_lblIntervento->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    {
        QPalette p = m_lblIntervento->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Base));
        p.setColor(QPalette::WindowText, p.color(QPalette::Text));
        m_lblIntervento->setPalette(p);
        m_lblIntervento->setAutoFillBackground(true);
    }
    m_scalatura->aggiungi(m_lblIntervento, 690, 570, 4095, 1095);
    m_optOK = pulsanteGrande(m_fraIntervento, QStringLiteral("OK"), 20.25,
                             palette().color(QPalette::Button));
    m_optOK->setObjectName(QStringLiteral("optOK"));
    m_scalatura->aggiungi(m_optOK, 1110, 1872, 3330, 945);
}

void FrmOperativo::creaRisultati()
{
    m_frmElaborazione = pannello(this, true);
    m_frmElaborazione->setObjectName(QStringLiteral("frmElaborazione"));
    m_scalatura->aggiungi(m_frmElaborazione, 300, 6300, 4890, 1695);

    const QColor finestra = palette().color(QPalette::Base);
    for (int i = 0; i < numeroTitoliRisultati; ++i) {
        const ColonnaRisultati &c = colonne[i];
        auto *titolo = new QLabel(QString::fromLatin1(c.titolo), m_frmElaborazione);
        titolo->setFont(arial(8.25));
        titolo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        titolo->setWordWrap(true);
        coloraSfondo(titolo, finestra);
        coloraTesto(titolo, rossoScuro);
        if (c.suggerimento)
            titolo->setToolTip(QString::fromLatin1(c.suggerimento));
        m_scalatura->aggiungi(titolo, c.sinistraTitolo, 300, 930, 555);
        m_label5[i] = titolo;
    }
    std::array<QLabel **, numeroTitoliRisultati> valori{&m_lblOperazione, &m_lblRisEsatte,
                                                        &m_lblRisErrate, &m_lblTempoParziale,
                                                        &m_lblTempoTotale};
    for (int i = 0; i < numeroTitoliRisultati; ++i) {
        const ColonnaRisultati &c = colonne[i];
        auto *valore = new QLabel(m_frmElaborazione);
        valore->setFont(arial(14.25));
        valore->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        coloraSfondo(valore, finestra);
        coloraTesto(valore, blu);
        if (c.suggerimento)
            valore->setToolTip(QString::fromLatin1(c.suggerimento));
        m_scalatura->aggiungi(valore, c.sinistraValore, 960, 810, 480);
        *valori[i] = valore;
    }
}

void FrmOperativo::collegaEventi()
{
    m_eventiOption1 = new EventiControllo(this);
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        m_eventiOption1->aggiungi(m_option1[i], i);
    m_eventiOption1->gotFocus = [this](int i) { Option1_GotFocus(i); };
    m_eventiOption1->lostFocus = [this](int i) { Option1_LostFocus(i); };
    m_eventiOption1->keyDown = [this](int i, int &codice) { Option1_KeyDown(i, codice); };
    m_eventiOption1->keyPress = [this](int i, int &carattere) { Option1_KeyPress(i, carattere); };
    m_eventiOption1->keyUp = [this](int i) { Option1_KeyUp(i); };
    m_eventiOption1->mouseDown = [this](int i, Qt::MouseButton) { Option1_MouseDown(i); };
    m_eventiOption1->mouseUp = [this](int i, Qt::MouseButton) { Option1_MouseUp(i); };

    m_eventiOption3 = new EventiControllo(this);
    for (int i = 0; i < 2; ++i)
        m_eventiOption3->aggiungi(m_option3[i], i);
    m_eventiOption3->gotFocus = [this](int i) { Option3_GotFocus(i); };
    m_eventiOption3->lostFocus = [this](int i) { Option3_LostFocus(i); };
    m_eventiOption3->keyDown = [this](int i, int &codice) { Option3_KeyDown(i, codice); };
    m_eventiOption3->keyPress = [this](int i, int &carattere) { Option3_KeyPress(i, carattere); };
    m_eventiOption3->keyUp = [this](int i) { Option3_KeyUp(i); };
    m_eventiOption3->mouseDown = [this](int i, Qt::MouseButton) { Option3_MouseDown(i); };

    m_eventiOK = new EventiControllo(this);
    m_eventiOK->aggiungi(m_optOK, 0);
    m_eventiOK->keyDown = [this](int, int &codice) { optOK_KeyDown(codice); };
    m_eventiOK->keyUp = [this](int) { RilascioTasti(); };
    m_eventiOK->mouseDown = [this](int, Qt::MouseButton) { optOK_MouseDown(); };
}

// ---- Pictures ----

const QPixmap &FrmOperativo::Figura()
{
    const int indice = m_contesto.esercizio().Figura;
    if (indice != m_indiceFigura) {
        m_figura = QPixmap::fromImage(m_contesto.galleria().Image3(indice));
        m_indiceFigura = indice;
    }
    return m_figura;
}

void FrmOperativo::MostraFigura(QLabel *casella)
{
    casella->setPixmap(Figura());
    casella->show();
    AdattaCaselle();
}

// A picture shows at its own size from the slot's corner, even where the slot is smaller.
void FrmOperativo::AdattaCaselle()
{
    for (const auto *caselle : {&m_image1, &m_image2}) {
        for (int c = 1; c <= numeroCaselle; ++c) {
            QLabel *casella = (*caselle)[c];
            const QSize figura = casella->pixmap().size();
            if (figura.isEmpty())
                continue;
            const QSize voluta = casella->size().expandedTo(figura);
            if (voluta != casella->size())
                casella->resize(voluta);
        }
    }
}

// ---- Series and exercises ----

void FrmOperativo::IniziaSessione()
{
    m_contesto.esercizio().NumeroEsercizio = 0;
    NuovoEsercizio();
}

void FrmOperativo::NuovoEsercizio()
{
    for (int c = 1; c <= numeroCaselle; ++c) {
        m_image1[c]->hide();
        m_image2[c]->hide();
    }
    m_regole.nuovoEsercizio();
    m_lblOperazione->setText(QString::number(m_contesto.esercizio().NumeroEsercizio));
    m_lblEsito->clear();
    m_lblTempoParziale->clear();

    const TipoEsercizio tipo = m_contesto.esercizio().TipoEsercizio;
    m_generatore.genera(tipo);
    MostraPrimoInsieme();
    VisualizzaD(tipo);

    DisattivaPannelli();
    PortaInPrimoPiano(m_fraTastierino);
    TastierinoModifica();
}

void FrmOperativo::MostraPrimoInsieme()
{
    const StatoEsercizio &s = m_contesto.esercizio();
    m_fraSfondoS->show();
    const int n = std::clamp(s.ElementiS, 0, GeneratoreEsercizi::massimoElementiS);
    for (int c = 1; c <= numeroCaselle; ++c)
        for (int i = 1; i <= n; ++i)
            if (s.PosizioniS[i] == c)
                MostraFigura(m_image1[c]);
}

void FrmOperativo::VisualizzaD(TipoEsercizio tipo)
{
    switch (tipo) {
    case TipoEsercizio::InsiemeVuoto:
        VisualizzaD0();
        break;
    case TipoEsercizio::Suvvalente:
        VisualizzaD1();
        break;
    case TipoEsercizio::Prevalente:
        VisualizzaD2();
        break;
    case TipoEsercizio::Finito:
        break;
    }
}

void FrmOperativo::VisualizzaD0()
{
    StatoEsercizio &s = m_contesto.esercizio();
    s.ElementiD = 0;
    m_fraSfondoD->show();
    for (int c = 1; c <= numeroCaselle; ++c) {
        m_image2[c]->clear();
        m_image2[c]->show();
    }
    s.InizioTempo = RegoleEsercizio::istante(m_contesto.orologio().secondiDallaMezzanotte());
}

void FrmOperativo::VisualizzaD1()
{
    VisualizzaDConIniziali();
}

void FrmOperativo::VisualizzaD2()
{
    VisualizzaDConIniziali();
}

void FrmOperativo::VisualizzaDConIniziali()
{
    StatoEsercizio &s = m_contesto.esercizio();
    m_fraSfondoD->show();
    for (int c = 1; c <= numeroCaselle; ++c)
        m_image2[c]->clear();
    const int m = std::clamp<int>(s.ElementiInizialiD, 0, RegoleEsercizio::massimoElementiD);
    for (int c = 1; c <= m; ++c)
        MostraFigura(m_image2[c]);
    s.ElementiD = static_cast<std::int16_t>(m);
    s.InizioTempo = RegoleEsercizio::istante(m_contesto.orologio().secondiDallaMezzanotte());
}

// ---- Keypad ----

void FrmOperativo::EseguiTasto(int indice)
{
    // Only an enabled button in the panel in use acts, whatever event reached it.
    if (indice < 0 || indice >= Tastierino::numeroTasti || !m_option1[indice]->isEnabled())
        return;
    switch (indice) {
    case Tastierino::Aggiungi:
        Aggiungi();
        break;
    case Tastierino::Togli:
        Togli();
        break;
    case Tastierino::Verifica:
        Verifica();
        break;
    case Tastierino::Avanti:
        NuovoEsercizio();
        break;
    case Tastierino::Esci:
        Esci();
        break;
    default:
        break;
    }
}

void FrmOperativo::Aggiungi()
{
    if (const auto casella = m_regole.aggiungi())
        MostraFigura(m_image2[*casella]);
    m_option1[Tastierino::Verifica]->setEnabled(true);
}

void FrmOperativo::Togli()
{
    const RegoleEsercizio::EsitoTogli esito = m_regole.togli();
    if (esito.casellaDaNascondere)
        m_image2[*esito.casellaDaNascondere]->hide();
    m_option1[Tastierino::Verifica]->setEnabled(esito.verificaAbilitata);
}

void FrmOperativo::Verifica()
{
    const StatoEsercizio &s = m_contesto.esercizio();
    const bool esatta = m_regole.verifica();
    CalcolaTempi();
    if (esatta) {
        m_lblRisEsatte->setText(QString::number(s.RisposteEsatte));
        m_lblEsito->setText(testoEsatto);
        TastierinoAvanti();
    } else {
        m_lblEsito->setText(testoErrato);
        m_lblRisErrate->setText(QString::number(s.RisposteErrate));
        DisattivaPannelli();
        PortaInPrimoPiano(m_fraAiuto);
    }
}

void FrmOperativo::Esci()
{
    close();
}

void FrmOperativo::DisattivaPannelli()
{
    m_fraTastierino->setEnabled(false);
    m_fraAiuto->setEnabled(false);
    m_fraIntervento->setEnabled(false);
}

void FrmOperativo::PortaInPrimoPiano(QFrame *pannello)
{
    pannello->setEnabled(true);
    pannello->raise();
}

void FrmOperativo::TastierinoModifica()
{
    ImpostaTastierino(Tastierino::modifica);
}

void FrmOperativo::TastierinoAvanti()
{
    ImpostaTastierino(Tastierino::avanti);
}

void FrmOperativo::ImpostaTastierino(const Tastierino::Stato &stato)
{
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        m_option1[i]->setEnabled(stato.abilitati[i]);
    // Before the form is shown this only records where the focus will be.
    m_option1[stato.fuoco]->setFocus(Qt::OtherFocusReason);
}

// ---- Help, intervention, times ----

void FrmOperativo::SiSi()
{
    const StatoEsercizio &s = m_contesto.esercizio();
    m_regole.aiutoDato();
    for (int c = 1; c <= numeroCaselle; ++c)
        m_image2[c]->hide();
    const int n = std::clamp(s.ElementiS, 0, numeroCaselle);
    for (int c = 1; c <= n; ++c)
        MostraFigura(m_image2[c]);
    m_lblEsito->clear();
    DisattivaPannelli();
    PortaInPrimoPiano(m_fraTastierino);
    TastierinoAvanti();
}

void FrmOperativo::NoAiuto()
{
    if (m_regole.rifiutaAiuto() == RegoleEsercizio::Rifiuto::Intervento) {
        DisattivaPannelli();
        PortaInPrimoPiano(m_fraIntervento);
        m_optOK->setFocus(Qt::OtherFocusReason);
        return;
    }
    VisualizzaD(m_contesto.esercizio().TipoEsercizio);
    DisattivaPannelli();
    PortaInPrimoPiano(m_fraTastierino);
    TastierinoModifica();
    m_lblEsito->clear();
}

void FrmOperativo::CalcolaTempi()
{
    const RegoleEsercizio::Tempi t =
        m_regole.calcolaTempi(m_contesto.orologio().secondiDallaMezzanotte());
    m_lblTempoParziale->setText(testoTempo(t.parziale));
    m_lblTempoTotale->setText(testoTempo(t.totale));
}

// ---- Keypad events ----

void FrmOperativo::Option1_GotFocus(int indice)
{
    m_option1[indice]->setColore(tastoConFuoco);
}

void FrmOperativo::Option1_LostFocus(int indice)
{
    m_option1[indice]->setColore(tastoNormale);
}

void FrmOperativo::Option1_KeyDown(int indice, int &codice)
{
    if (m_tastoGiu)
        return;
    if (const auto tasto = Tastierino::tastoDaCodice(codice)) {
        if (m_option1[*tasto]->isEnabled())
            m_option1[*tasto]->setFocus(Qt::OtherFocusReason);
    } else if (codice == CodiciTasto::Invio) {
        EseguiTasto(indice);
    } else {
        codice = CodiciTasto::Nessuno;
        return;
    }
    TastoTenuto();
}

void FrmOperativo::Option1_KeyPress(int indice, int &carattere)
{
    if (m_tastoPremuto)
        return;
    if (carattere != CodiciTasto::Spazio) {
        carattere = CodiciTasto::Nessuno;
        return;
    }
    Tastierino::Abilitazioni abilitati{};
    for (int i = 0; i < Tastierino::numeroTasti; ++i)
        abilitati[i] = m_option1[i]->isEnabled();
    m_option1[Tastierino::successivoAbilitato(abilitati, indice)]->setFocus(Qt::TabFocusReason);
    m_tastoPremuto = true;
}

void FrmOperativo::Option1_KeyUp(int)
{
    RilascioTasti();
}

void FrmOperativo::Option1_MouseDown(int indice)
{
    if (m_mouseGiu || !m_option1[indice]->isEnabled())
        return;
    EseguiTasto(indice);
    m_mouseGiu = true;
}

void FrmOperativo::Option1_MouseUp(int)
{
    m_mouseGiu = false;
}

// ---- Help and intervention events ----

void FrmOperativo::Option3_GotFocus(int indice)
{
    m_option3[indice]->setColore(aiutoConFuoco);
}

void FrmOperativo::Option3_LostFocus(int indice)
{
    m_option3[indice]->setColore(aiutoNormale);
}

void FrmOperativo::Option3_KeyDown(int indice, int &codice)
{
    if (m_tastoGiuAiuto)
        return;
    switch (codice) {
    case CodiciTasto::LetteraS:
    case CodiciTasto::Cifra1:
    case CodiciTasto::Tastierino1:
        m_option3[0]->setFocus(Qt::OtherFocusReason);
        break;
    case CodiciTasto::LetteraN:
    case CodiciTasto::Cifra2:
    case CodiciTasto::Tastierino2:
        m_option3[1]->setFocus(Qt::OtherFocusReason);
        break;
    case CodiciTasto::Invio:
        if (indice == 0)
            SiSi();
        else
            NoAiuto();
        break;
    default:
        codice = CodiciTasto::Nessuno;
        return;
    }
    TastoTenuto();
}

void FrmOperativo::Option3_KeyPress(int indice, int &carattere)
{
    if (m_tastoPremutoAiuto)
        return;
    if (carattere != CodiciTasto::Spazio) {
        carattere = CodiciTasto::Nessuno;
        return;
    }
    m_option3[1 - indice]->setFocus(Qt::TabFocusReason);
    m_tastoPremutoAiuto = true;
}

void FrmOperativo::Option3_KeyUp(int)
{
    RilascioTasti();
}

void FrmOperativo::Option3_MouseDown(int indice)
{
    if (!m_option3[indice]->isEnabled())
        return;
    if (indice == 0)
        SiSi();
    else
        NoAiuto();
}

void FrmOperativo::optOK_KeyDown(int &codice)
{
    if (m_tastoGiuAiuto)
        return;
    if (codice != CodiciTasto::Invio) {
        codice = CodiciTasto::Nessuno;
        return;
    }
    DisattivaPannelli();
    m_fraTastierino->setEnabled(true);
    SiSi();
    TastoTenuto();
}

void FrmOperativo::optOK_MouseDown()
{
    if (m_optOK->isEnabled())
        SiSi();
}

// An acting key moves the focus to another panel while it is still held; its repeats must not
// act there too, so every panel's key latch is set until the key comes up.
void FrmOperativo::TastoTenuto()
{
    m_tastoGiu = true;
    m_tastoGiuAiuto = true;
}

void FrmOperativo::RilascioTasti()
{
    m_tastoGiu = false;
    m_tastoPremuto = false;
    m_mouseGiu = false;
    m_tastoGiuAiuto = false;
    m_tastoPremutoAiuto = false;
}

// Releases that reach the form itself: after a wrong verdict no button holds the focus, and a
// button disabled by its own press may not get its release.
void FrmOperativo::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        RilascioTasti();
    QWidget::keyReleaseEvent(event);
}

void FrmOperativo::mouseReleaseEvent(QMouseEvent *event)
{
    m_mouseGiu = false;
    QWidget::mouseReleaseEvent(event);
}
