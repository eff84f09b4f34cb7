#include "worksheets/FrmStampaSchedeElementi.h"

#include "comune/Contesto.h"
#include "comune/ScalaturaModulo.h"
#include "comune/Galleria.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
#include "platform/Aspetto.h"

#include <QPushButton>

namespace {
// The switch's caption for the first half, with one z; the generation writes it with two.
const QString testoPrimaParteDelloScambio = QStringLiteral("Visualiza la prima parte");

constexpr int slotPerInsieme = GeneratoreSchede::slotPerInsieme;
constexpr double larghezzaCornice = 4605;
constexpr double altezzaCornice = 3075;
constexpr double colonnaSinistra = 60;
constexpr double colonnaDestra = 4710;
constexpr std::array<double, 2> altoCornice = {195, 3390}; // upper and lower exercise of a half
constexpr std::array<double, 5> colonneCasella = {100, 960, 1830, 2700, 3560};
constexpr std::array<double, 3> righeCasella = {150, 1140, 2085};
constexpr QSizeF casellaPrimo(795, 795);
constexpr QSizeF casellaSecondo(825, 765);

// What tells the add kind from the remove kind.
struct Differenze
{
    const char *titolo;
    const char *sottotitolo;
    const char *sottotitoloDetto;
    QRectF postoSottotitolo;
    QRectF postoFrame3;
    QRectF postoFrame4;
    const char *voceStampante;
    bool secondoASinistra;
    const char *messaggioIncompleta;
};

const Differenze &differenze(FrmStampaSchedeElementi::Tipo tipo)
{
    static const Differenze aggiungi{
        "VISUALIZZAZIONE SCHEDA         ",
        " situazione iniziale: secondo  insieme suvvalente",
        "Situazione iniziale: secondo insieme suvvalente.",
        QRectF(0, 420, 12000, 390),
        QRectF(90, 825, 9360, 6525),
        QRectF(108, 825, 9348, 6525),
        "Seleziona  stampante",
        true,
        "Completa la scheda",
    };
    static const Differenze togli{
        "VISUALIZZAZIONE SCHEDA          ",
        " situazione iniziale: secondo insieme prevalente",
        "Situazione iniziale: secondo insieme prevalente.",
        QRectF(0, 450, 12000, 375),
        QRectF(108, 825, 9360, 6525),
        QRectF(105, 825, 9330, 6525),
        "Selezione stampante",
        false,
        " Completa la scheda",
    };
    return tipo == FrmStampaSchedeElementi::Tipo::Aggiungi ? aggiungi : togli;
}

// The frames' object names, exercise by exercise, as tests and accessibility tools find them.
const char *const nomiCornicePrimo[] = {"FraSfondo1S", "FraSfondo2S", "fraSfondo3S(2)",
                                        "fraSfondo3S(0)"};
const char *const nomiCorniceSecondo[] = {"fraSfondo1D", "fraSfondo2D", "fraSondo3D",
                                          "fraSfondo4D"};
}

FrmStampaSchedeElementi::FrmStampaSchedeElementi(Contesto &contesto, DialogoStampante &dialogo,
                                                 Tipo tipo, QWidget *parent)
    : ModuloScheda(contesto, dialogo,
                   tipo == Tipo::Aggiungi ? ModelloScheda::Tipo::Aggiungi : ModelloScheda::Tipo::Togli,
                   QString::fromUtf8(differenze(tipo).titolo), QSizeF(11910, 8280), parent)
    , m_tipo(tipo)
{
    const Differenze &diff = differenze(tipo);
    creaTitolo(client(), titoloScheda, QRectF(0, 0, 12000, 450));
    creaTitolo(client(), {QString::fromUtf8(diff.sottotitolo), QString::fromUtf8(diff.sottotitoloDetto)},
               diff.postoSottotitolo);

    m_frame3 = new QWidget(client());
    scalatura().aggiungi(m_frame3, diff.postoFrame3);
    m_frame4 = new QWidget(client());
    scalatura().aggiungi(m_frame4, diff.postoFrame4);

    for (int e = 0; e < 4; ++e) {
        QWidget *meta = e < 2 ? m_frame3 : m_frame4;
        const double alto = altoCornice[e % 2];
        const double sinistraPrimo = diff.secondoASinistra ? colonnaDestra : colonnaSinistra;
        const double sinistraSecondo = diff.secondoASinistra ? colonnaSinistra : colonnaDestra;
        m_cornicePrimo[e] = new CorniceInsieme(QString(), meta);
        m_cornicePrimo[e]->setObjectName(QString::fromUtf8(nomiCornicePrimo[e]));
        scalatura().aggiungi(m_cornicePrimo[e], sinistraPrimo, alto, larghezzaCornice, altezzaCornice);
        m_corniceSecondo[e] = new CorniceInsieme(QString(), meta);
        m_corniceSecondo[e]->setObjectName(QString::fromUtf8(nomiCorniceSecondo[e]));
        scalatura().aggiungi(m_corniceSecondo[e], sinistraSecondo, alto, larghezzaCornice,
                             altezzaCornice);
    }
    // Slot s of exercise e is index 15(e - 1) + s, in column s mod 5 and row s div 5.
    auto creaCaselle = [this](auto &caselle, const auto &cornici, QSizeF lato) {
        for (int i = 0; i < numeroCaselle; ++i) {
            const int s = i % slotPerInsieme;
            caselle[i] = creaCasella(cornici[i / slotPerInsieme],
                                     QRectF(QPointF(colonneCasella[s % 5], righeCasella[s / 5]), lato));
        }
    };
    creaCaselle(m_image1, m_cornicePrimo, casellaPrimo);
    creaCaselle(m_image2, m_corniceSecondo, casellaSecondo);

    const QRectF postiInsieme[] = {QRectF(9660, 1725, 2145, 645), QRectF(9660, 2415, 2145, 645),
                                   QRectF(9660, 3090, 2145, 645), QRectF(9660, 3810, 2145, 645)};
    for (int e = 1; e <= 4; ++e) {
        m_cmdInsieme[e - 1] = creaPulsante(
            client(), QStringLiteral("VISUALIZZA %1° ESERCIZIO").arg(e), postiInsieme[e - 1], true);
        connect(m_cmdInsieme[e - 1], &QPushButton::clicked, this, [this, e] { generaEsercizio(e); });
    }
    m_command1 = creaPulsante(client(), QStringLiteral("STAMPA"), QRectF(9675, 5925, 2145, 645), true);
    connect(m_command1, &QPushButton::clicked, this,
            [this] { stampaPagina(QString::fromUtf8(differenze(m_tipo).messaggioIncompleta)); });
    m_cmdFine = creaPulsante(client(), QStringLiteral("ESCI"), QRectF(9660, 6660, 2145, 645), true);
    connect(m_cmdFine, &QPushButton::clicked, this, &QWidget::close);
    m_command2 = creaPulsante(client(), QString(), QRectF(165, 7305, 3390, 600), false);
    m_command2->setFont(Aspetto::arial(9.75));
    impostaMeta(m_frame3, m_frame4, m_command2, testoPrimaParteDelloScambio);
    m_mnuImpostazioneStampante = creaVoceStampante(QString::fromUtf8(diff.voceStampante));
    m_mnuSalvaPdf = creaVoceSalvaPdf(QString::fromUtf8(diff.messaggioIncompleta));
    m_mnuSerie = creaVoceSerie();

    // The load.
    catturaProporzioni();
    generaEsercizio(1);
    m_cmdInsieme[0]->setFocus();
    preparaApertura();
}

void FrmStampaSchedeElementi::generaEsercizio(int esercizio)
{
    generaNelModello(esercizio);
    mostraEsercizio(esercizio);
}

void FrmStampaSchedeElementi::mostraEsercizio(int esercizio)
{
    using Insieme = ModelloScheda::Insieme;
    const int base = slotPerInsieme * (esercizio - 1);
    std::vector<int> primo, secondo;
    for (int k = 0; k < slotPerInsieme; ++k) {
        primo.push_back(modello().figura(esercizio, Insieme::Primo, k));
        secondo.push_back(modello().figura(esercizio, Insieme::Secondo, k));
    }
    mostraFigure(&m_image1[base], primo, QStringLiteral("Esercizio %1, primo insieme").arg(esercizio));
    mostraFigure(&m_image2[base], secondo, QStringLiteral("Esercizio %1, secondo insieme").arg(esercizio));
}
