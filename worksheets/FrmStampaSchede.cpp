#include "worksheets/FrmStampaSchede.h"

#include "comune/Contesto.h"
#include "comune/ScalaturaModulo.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
#include "platform/Aspetto.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
// "STAMPA" and "Salva come PDF…" before all four sets were made.
const QString messaggioIncompleta = QStringLiteral("Completa la scheda ");

constexpr double larghezzaCornice = 4605;
constexpr double altezzaCornice = 3075;
constexpr std::array<double, 5> colonneCasella = {105, 975, 1830, 2685, 3540};
constexpr std::array<double, 3> righeCasella = {150, 1140, 2085};
constexpr double latoCasella = 795;

// Where each of the eight frames stands in its half, its caption and its first slot.
struct Cornice
{
    bool secondaMeta;
    double sinistra, alto;
    const char *didascalia;
    int primaCasella;
};
constexpr std::array<Cornice, FrmStampaSchede::numeroCornici> cornici = {{
    {false, 90, 90, "Primo Insieme", 0},
    {false, 75, 3225, "Secondo insieme", 15},
    {false, 4710, 90, "", 30},
    {false, 4710, 3225, "", 45},
    {true, 4710, 3390, "", 60},
    {true, 4710, 255, "", 75},
    {true, 90, 255, "Terzo insieme", 90},
    {true, 75, 3390, "Quarto insieme", 105},
}};
}

FrmStampaSchede::FrmStampaSchede(Contesto &contesto, DialogoStampante &dialogo, QWidget *parent)
    : ModuloScheda(contesto, dialogo, ModelloScheda::Tipo::Disegno,
                   QStringLiteral("VISUALIZZAZIONE SCHEDA          "), QSizeF(11910, 8430), parent)
{
    creaTitolo(client(), titoloScheda, QRectF(0, 0, 12000, 405));
    creaTitolo(client(),
               {QStringLiteral(" situazione iniziale: secondo insieme vuoto"),
                QStringLiteral("Situazione iniziale: secondo insieme vuoto.")},
               QRectF(0, 390, 12000, 390));

    m_frame3 = new QWidget(client());
    scalatura().aggiungi(m_frame3, 210, 840, 9405, 6450);
    m_frame4 = new QWidget(client());
    scalatura().aggiungi(m_frame4, 210, 795, 9405, 6525);
    auto *frame2 = new QFrame(m_frame3);
    frame2->setFrameShape(QFrame::Box);
    scalatura().aggiungi(frame2, 105, 255, 15, 30);

    for (int i = 0; i < numeroCornici; ++i) {
        const Cornice &c = cornici[i];
        auto *cornice = new CorniceInsieme(QString::fromUtf8(c.didascalia),
                                           c.secondaMeta ? m_frame4 : m_frame3);
        cornice->setObjectName(QStringLiteral("FraSfondoS(%1)").arg(i));
        scalatura().aggiungi(cornice, c.sinistra, c.alto, larghezzaCornice, altezzaCornice);
        connect(cornice, &CorniceInsieme::cliccata, this, [this] { GeneraInsieme(1); });
        m_fraSfondoS[i] = cornice;
    }
    // Slots in index order; slot base + k sits in column k mod 5 and row k div 5 of its frame.
    for (int i = 0; i < numeroCaselle; ++i) {
        const int primaCasella = i / 15 * 15;
        CorniceInsieme *cornice = nullptr;
        for (int f = 0; f < numeroCornici; ++f)
            if (cornici[f].primaCasella == primaCasella)
                cornice = m_fraSfondoS[f];
        const int k = i - primaCasella;
        m_image1[i] = creaCasella(cornice, QRectF(colonneCasella[k % 5], righeCasella[k / 5],
                                                  latoCasella, latoCasella));
    }

    const QString testiInsieme[] = {
        QStringLiteral("VISUALIZZA 1° INSIEME"), QStringLiteral("VISUALIZZA 2° INSIEME"),
        QStringLiteral("VISUALIZZA 3° INSIEME"), QStringLiteral("VISUALIZZA 4° INSIEME")};
    const QRectF postiInsieme[] = {QRectF(9630, 1725, 2145, 645), QRectF(9660, 2400, 2145, 645),
                                   QRectF(9660, 3090, 2145, 645), QRectF(9660, 3795, 2145, 645)};
    for (int s = 1; s <= 4; ++s) {
        m_cmdInsieme[s - 1] = creaPulsante(client(), testiInsieme[s - 1], postiInsieme[s - 1], true);
        connect(m_cmdInsieme[s - 1], &QPushButton::clicked, this, [this, s] { GeneraInsieme(s); });
    }
    m_command1 = creaPulsante(client(), QStringLiteral("STAMPA"), QRectF(9675, 5925, 2145, 645), true);
    connect(m_command1, &QPushButton::clicked, this,
            [this] { stampaPagina(messaggioIncompleta); });
    m_cmdFine = creaPulsante(client(), QStringLiteral("ESCI"), QRectF(9660, 6660, 2145, 645), true);
    connect(m_cmdFine, &QPushButton::clicked, this, &QWidget::close);
    m_command2 = creaPulsante(client(), QString(), QRectF(795, 7395, 3405, 600), true);
    m_command2->setFont(Aspetto::arial(9.75));
    impostaMeta(m_frame3, m_frame4, m_command2, QStringLiteral("Visualizza la prima parte"));
    m_mnuStampante = creaVoceStampante(QStringLiteral("Seleziona stampante"));
    m_mnuSalvaPdf = creaVoceSalvaPdf(messaggioIncompleta);
    m_mnuSerie = creaVoceSerie();

    setTabOrder(m_cmdInsieme[0], m_cmdFine);
    setTabOrder(m_cmdFine, m_command1);
    setTabOrder(m_command1, m_cmdInsieme[1]);
    setTabOrder(m_cmdInsieme[1], m_cmdInsieme[2]);
    setTabOrder(m_cmdInsieme[2], m_cmdInsieme[3]);
    setTabOrder(m_cmdInsieme[3], m_command2);

    // The load.
    catturaProporzioni();
    GeneraInsieme(1);
    m_cmdInsieme[0]->setFocus();
    preparaApertura();
}

void FrmStampaSchede::GeneraInsieme(int insieme)
{
    generaNelModello(insieme);
    mostraInsieme(insieme);
}

void FrmStampaSchede::mostraInsieme(int insieme)
{
    const int base = basi.at(insieme - 1);
    std::vector<int> figure;
    for (int k = 0; k < ModelloScheda::celle; ++k)
        figure.push_back(modello().figura(insieme, ModelloScheda::Insieme::Primo, k));
    mostraFigure(&m_image1[base], figure, QStringLiteral("Insieme %1").arg(insieme));
}
