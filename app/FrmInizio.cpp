#include "app/FrmInizio.h"

#include "app/ProgettoInizio.h"
#include "comune/Contesto.h"
#include "comune/FiguraAdattata.h"
#include "app/FrmAutore.h"
#include "app/MenuVoce.h"
#include "comune/ScalaturaModulo.h"
#include "exercises/FrmOperativo.h"
#include "comune/StatoEsercizio.h"
#include "platform/EventiControllo.h"
#include "platform/SchermoIntero.h"
#include "platform/FineModulo.h"
#include "platform/Twips.h"
#include "platform/Voce.h"
#include "worksheets/FrmStampaSchede.h"
#include "platform/Aspetto.h"

#include <QApplication>
#include <QBackingStore>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace {
using Aspetto::arial;
using Aspetto::coloraSfondo;
using Aspetto::coloraTesto;
using Aspetto::rosa;
using Aspetto::rosaChiaro;

constexpr double larghezzaClientProgetto = 11910;
constexpr double altezzaClientProgetto = 8280;
constexpr int intervalloTendineMs = 10;

const QColor magenta(255, 0, 255);
const QColor colorePulsanteNormale = rosaChiaro;
const QColor colorePulsanteFuoco = rosa;

const QString iconaFinestra = QStringLiteral(":/immagini/icona.ico");
const QString figuraInsieme = QStringLiteral(":/immagini/insieme.jpg");

const auto &testiPulsanti = ProgettoInizio::testiPulsanti;
const auto &dettiPulsanti = ProgettoInizio::dettiPulsanti;
const auto &postiPulsanti = ProgettoInizio::postiPulsanti;
const auto &postiQuadretti = ProgettoInizio::postiQuadretti;
const auto &coloriQuadretti = ProgettoInizio::coloriQuadretti;

QLabel *etichetta(QWidget *contenitore, const QString &testo, const QFont &font, const QColor &colore,
                  Qt::Alignment allineamento)
{
    auto *label = new QLabel(testo, contenitore);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(allineamento);
    coloraTesto(label, colore);
    return label;
}

// Brings a top-level form in front of the others, out of the task bar if it was minimized.
void portaAvanti(QWidget *finestra)
{
    if (finestra->isMinimized())
        finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}

} // namespace

FrmInizio::FrmInizio(Contesto &contesto, DialogoStampante &dialogoStampante, QWidget *parent)
    : QMainWindow(parent)
    , m_contesto(contesto)
    , m_dialogoStampante(dialogoStampante)
{
    setWindowTitle(QStringLiteral("BRISUOLA"));
    if (QFile::exists(iconaFinestra))
        setWindowIcon(QIcon(iconaFinestra));

    auto *client = new QWidget(this);
    coloraSfondo(client, rosaChiaro);
    setCentralWidget(client);
    m_scalatura = new ScalaturaModulo(
        client, QSizeF(larghezzaClientProgetto, altezzaClientProgetto), this);

    creaControlli();
    creaMenu();
    impilaControlli();
    collegaPulsantiModo();
    // Every scaling pass, the first one at display included, closes the curtain again.
    connect(m_scalatura, &ScalaturaModulo::scalato, this, &FrmInizio::AvviaTendine);

    const QSize progetto = m_scalatura->dimensioneProgettoPixel();
    resize(progetto.width(), progetto.height() + menuBar()->sizeHint().height());

    Form_Load();
}

FrmInizio::~FrmInizio()
{
    FineModulo::staccaGestori(*this);
    // The forms it opened are not its children, yet they call it back.
    for (QObject *modulo : std::initializer_list<QObject *>{m_operativo, m_schedaVuoto, m_schedaAggiungi,
                                                             m_schedaTogli})
        if (modulo)
            QObject::disconnect(modulo, nullptr, this, nullptr);
}

void FrmInizio::registra(QWidget *controllo, const QRectF &posto)
{
    m_scalatura->aggiungi(controllo, posto);
}

FrmOperativo *FrmInizio::operativo() const
{
    return m_operativo;
}

FrmStampaSchede *FrmInizio::schedaVuoto() const
{
    return m_schedaVuoto;
}

FrmStampaSchedeElementi *FrmInizio::schedaAggiungi() const
{
    return m_schedaAggiungi;
}

FrmStampaSchedeElementi *FrmInizio::schedaTogli() const
{
    return m_schedaTogli;
}

QWidget *FrmInizio::creaForma(QWidget *contenitore, const QColor &colore, const QRectF &posto)
{
    // Shapes are drawn filled with square corners: each pair, a darker one under a lighter
    // one, gives its band a shadow along the right and bottom edges.
    auto *forma = new QWidget(contenitore);
    coloraSfondo(forma, colore);
    registra(forma, posto);
    return forma;
}

void FrmInizio::creaControlli()
{
    QWidget *form = centralWidget();
    const double altezza = altezzaClientProgetto;

    // The curtain panels; their docked place is restored after every scaling pass.
    m_picture1 = new QWidget(form);
    coloraSfondo(m_picture1, rosa);
    registra(m_picture1, QRectF(0, 0, 120, altezza));
    m_picture2 = new QWidget(form);
    coloraSfondo(m_picture2, rosa);
    registra(m_picture2, QRectF(larghezzaClientProgetto - 228, 0, 228, altezza));

    m_frmTitolo = new QWidget(form);
    coloraSfondo(m_frmTitolo, rosaChiaro);
    registra(m_frmTitolo, QRectF(0, 0, 11745, 1485));
    m_label4 = etichetta(m_frmTitolo, QStringLiteral("TANDORINO"), arial(48), QColor(0, 0, 255),
                         Qt::AlignHCenter | Qt::AlignTop);
    coloraSfondo(m_label4, rosaChiaro);
    registra(m_label4, QRectF(540, 165, 10665, 1020));
    m_shape2 = creaForma(m_frmTitolo, rosaChiaro, QRectF(210, 120, 11205, 1185));
    m_shape1 = creaForma(m_frmTitolo, rosa, QRectF(210, 120, 11310, 1245));

    m_frame1 = new QWidget(form);
    coloraSfondo(m_frame1, rosaChiaro);
    registra(m_frame1, QRectF(5745, 2505, 5805, 4095));
    for (int i = 0; i < PulsantiModo::numeroPulsanti; ++i) {
        auto *pulsante = new PulsanteGrande(testiPulsanti[i], m_frame1);
        pulsante->setFont(arial(15.75));
        pulsante->setAccessibleName(QString::fromUtf8(dettiPulsanti[i].first));
        pulsante->setAccessibleDescription(QString::fromUtf8(dettiPulsanti[i].second));
        m_option1[i] = pulsante;
        coloraPulsante(i, i == 0 ? colorePulsanteFuoco : colorePulsanteNormale);
        registra(pulsante, postiPulsanti[i]);
    }
    for (int i = 0; i < PulsantiModo::numeroPulsanti - 1; ++i)
        QWidget::setTabOrder(m_option1[i], m_option1[i + 1]);
    for (std::size_t i = 0; i < m_label1.size(); ++i) {
        m_label1[i] = new QLabel(m_frame1);
        coloraSfondo(m_label1[i], coloriQuadretti[i]);
        registra(m_label1[i], postiQuadretti[i]);
    }

    m_timerTendine = new QTimer(this);
    m_timerTendine->setInterval(intervalloTendineMs);
    connect(m_timerTendine, &QTimer::timeout, this, &FrmInizio::timerTendine_Timer);
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::Timer);

    m_label2 = etichetta(form, QStringLiteral("SOLO    MOUSE    PER UN CORRETTO FUNZIONAMENTO"),
                         arial(12), QColor(192, 0, 0), Qt::AlignLeft | Qt::AlignVCenter);
    registra(m_label2, QRectF(2835, 7005, 8385, 330));
    m_shape5 = creaForma(form, rosaChiaro, QRectF(2700, 6900, 8640, 465));

    m_image1 = new FiguraAdattata(figuraInsieme, form); // a null picture leaves the box empty
    m_image1->setAccessibleName(QStringLiteral("Un insieme di 9 abeti"));
    registra(m_image1, QRectF(120, 2610, 5400, 3495));

    m_label5 = etichetta(form, QStringLiteral("Il nuovo software di Quessaro"), arial(21.75),
                         QColor(128, 0, 0), Qt::AlignHCenter | Qt::AlignTop);
    coloraSfondo(m_label5, rosa);
    m_label5->installEventFilter(this);
    registra(m_label5, QRectF(15, 7425, 12030, 465));

    m_lblVersione = etichetta(form, QString(), arial(12), QColor(192, 0, 0),
                              Qt::AlignHCenter | Qt::AlignVCenter);
    registra(m_lblVersione, QRectF(540, 6975, 1740, 225));
    m_shape3 = creaForma(form, rosaChiaro, QRectF(360, 6855, 2010, 465));
    m_shape4 = creaForma(form, magenta, QRectF(375, 6855, 2040, 510));
    m_shape6 = creaForma(form, magenta, QRectF(2715, 6900, 8670, 510));

}

void FrmInizio::creaMenu()
{
    QMenu *stampaSchede = menuBar()->addMenu(QStringLiteral("Stampa schede"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    m_mnuVuoto = stampaSchede->addAction(QStringLiteral("insieme vuoto"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    m_mnuAggiungi = stampaSchede->addAction(QStringLiteral("aggiungi elementi"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    m_mnuTogli = stampaSchede->addAction(QStringLiteral("togli elementi"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    m_mnuInfo = menuBar()->addAction(QStringLiteral("About"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    new MenuVoce(*menuBar(), m_contesto.voce(), m_contesto.avvisi(), this);

    connect(m_mnuVuoto, &QAction::triggered, this, &FrmInizio::MnuVuoto_Click);
    connect(m_mnuAggiungi, &QAction::triggered, this, &FrmInizio::mnuAggiungi_Click);
    connect(m_mnuTogli, &QAction::triggered, this, &FrmInizio::mnuTogli_Click);
    connect(m_mnuInfo, &QAction::triggered, this, &FrmInizio::mnuInfo_Click);
}

void FrmInizio::impilaControlli()
{
    // From bottom to top: each shadow under its band, the labels on their bands, the frames,
    // and the curtain panels over everything, so that the whole screen opens behind them.
    for (QWidget *w : {m_shape1, m_shape2, static_cast<QWidget *>(m_label4)})
        w->raise();
    for (QWidget *w : {m_shape4, m_shape3, m_shape6, m_shape5, static_cast<QWidget *>(m_image1),
                       static_cast<QWidget *>(m_label5), static_cast<QWidget *>(m_lblVersione),
                       static_cast<QWidget *>(m_label2), m_frmTitolo, m_frame1, m_picture1, m_picture2})
        w->raise();
}

void FrmInizio::collegaPulsantiModo()
{
    auto *eventi = new EventiControllo(this);
    for (int i = 0; i < PulsantiModo::numeroPulsanti; ++i)
        eventi->aggiungi(m_option1[i], i);
    connect(eventi, &EventiControllo::gotFocus, this, &FrmInizio::Option1_GotFocus);
    // Opening a menu or another window leaves the button the focus of this form, as it
    // will be again on return: only a move to another control of the form counts as lost.
    connect(eventi, &EventiControllo::lostFocus, this, [this](int i) {
        if (focusWidget() != m_option1[i])
            Option1_LostFocus(i);
    });
    connect(eventi, &EventiControllo::keyDown, this, &FrmInizio::Option1_KeyDown);
    connect(eventi, &EventiControllo::keyPress, this, &FrmInizio::Option1_KeyPress);
    connect(eventi, &EventiControllo::keyUp, this, [this] { m_pulsantiModo.keyUp(); });
    connect(eventi, &EventiControllo::mouseDown, this, &FrmInizio::ContinuaKeyDown1);
    connect(eventi, &EventiControllo::mouseUp, this, [this] { m_pulsantiModo.mouseUp(); });
    m_option1[0]->setFocus();
}

void FrmInizio::Form_Load()
{
    m_scalatura->cattura();
    m_lblVersione->setText(QStringLiteral("Vers. 1.0.0"));
}

void FrmInizio::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Minimising and restoring bring no resize event, yet they replay the scaling and the curtain.
    if (event->type() == QEvent::WindowStateChange
        && ((static_cast<const QWindowStateChangeEvent *>(event)->oldState() ^ windowState())
            & Qt::WindowMinimized))
        m_scalatura->scala();
}

void FrmInizio::AvviaTendine()
{
    // On the board the steps grow with the layout, so the curtain opens in the design's time.
    const double crescita = m_contesto.schermoIntero()
        ? double(centralWidget()->width()) / m_scalatura->dimensioneProgettoPixel().width()
        : 1.0;
    m_tendine.avvia(Twips::schermo().daPixel(frameGeometry().width()), Tendine::passoTwips * crescita);
    mostraTendine();
    m_timerTendine->start();
}

void FrmInizio::timerTendine_Timer()
{
    m_tendine.passo();
    mostraTendine();
    if (!m_tendine.attiva()) {
        m_timerTendine->stop();
        // At a fractional scale (board mode) Qt paints the panels' moves right but puts them on
        // screen with rounded edges, which can leave one device column of a panel showing even
        // after a repaint. So once open: paint what is pending, then show the whole window.
        repaint();
        if (QBackingStore *store = backingStore(); store && windowHandle())
            store->flush(QRegion(rect()), windowHandle());
    }
}

void FrmInizio::mostraTendine()
{
    // Docked panels: full client height, one against each side edge.
    const Twips twips = Twips::schermo();
    const QWidget *form = centralWidget();
    const int sinistra = twips.inPixelInteri(m_tendine.larghezzaSinistra());
    const int destra = twips.inPixelInteri(m_tendine.larghezzaDestra());
    m_picture1->setGeometry(0, 0, sinistra, form->height());
    m_picture2->setGeometry(form->width() - destra, 0, destra, form->height());
}

void FrmInizio::coloraPulsante(int indice, const QColor &colore)
{
    m_option1[indice]->setColore(colore);
}

void FrmInizio::Option1_GotFocus(int indice)
{
    coloraPulsante(indice, colorePulsanteFuoco);
}

void FrmInizio::Option1_LostFocus(int indice)
{
    coloraPulsante(indice, colorePulsanteNormale);
}

void FrmInizio::Option1_KeyDown(int indice, int codice)
{
    eseguiAzione(m_pulsantiModo.keyDown(static_cast<PulsantiModo::Pulsante>(indice), codice));
}

void FrmInizio::Option1_KeyPress(int indice, int carattere)
{
    eseguiAzione(m_pulsantiModo.keyPress(static_cast<PulsantiModo::Pulsante>(indice), carattere));
}

void FrmInizio::eseguiAzione(const PulsantiModo::Azione &azione)
{
    const int indice = PulsantiModo::indice(azione.pulsante);
    switch (azione.tipo) {
    case PulsantiModo::Azione::Tipo::Nessuna:
        break;
    case PulsantiModo::Azione::Tipo::Fuoco:
        m_option1[indice]->setFocus(Qt::OtherFocusReason);
        break;
    case PulsantiModo::Azione::Tipo::Avvia:
        ContinuaKeyDown1(indice);
        break;
    }
}

void FrmInizio::ContinuaKeyDown1(int tipo)
{
    if (tipo < 0 || tipo >= PulsantiModo::numeroPulsanti)
        return;
    m_contesto.esercizio().TipoEsercizio = static_cast<TipoEsercizio>(tipo);
    if (tipo == PulsantiModo::indice(PulsantiModo::Pulsante::Esci)) {
        ScaricaTutto();
        return;
    }
    // An open exercise form is not loaded again: the exercise on display stays, and the new
    // kind takes effect with the next exercise.
    if (m_operativo) {
        portaAvanti(m_operativo);
    } else {
        m_operativo = new FrmOperativo(m_contesto);
        SchermoIntero::mostra(m_operativo, m_contesto.schermoIntero());
    }
    m_operativo->annunciaTipo(static_cast<TipoEsercizio>(tipo));
}

void FrmInizio::MnuVuoto_Click()
{
    if (m_schedaVuoto) {
        portaAvanti(m_schedaVuoto);
        return;
    }
    m_schedaVuoto = new FrmStampaSchede(m_contesto, m_dialogoStampante);
    connect(m_schedaVuoto, &FrmStampaSchede::tornaInizio, this, &FrmInizio::tornaInizio);
    SchermoIntero::mostra(m_schedaVuoto, m_contesto.schermoIntero());
}

void FrmInizio::mnuAggiungi_Click()
{
    apriSchedaElementi(m_schedaAggiungi, FrmStampaSchedeElementi::Tipo::Aggiungi);
}

void FrmInizio::mnuTogli_Click()
{
    apriSchedaElementi(m_schedaTogli, FrmStampaSchedeElementi::Tipo::Togli);
}

void FrmInizio::apriSchedaElementi(QPointer<FrmStampaSchedeElementi> &scheda,
                                   FrmStampaSchedeElementi::Tipo tipo)
{
    if (scheda) {
        portaAvanti(scheda);
        return;
    }
    scheda = new FrmStampaSchedeElementi(m_contesto, m_dialogoStampante, tipo);
    connect(scheda, &FrmStampaSchedeElementi::tornaInizio, this, &FrmInizio::tornaInizio);
    SchermoIntero::mostra(scheda, m_contesto.schermoIntero());
}

void FrmInizio::mnuInfo_Click()
{
    FrmAutore autore(this);
    autore.exec();
}

void FrmInizio::tornaInizio()
{
    // A worksheet closing while everything is being closed must not bring this form back.
    if (m_scaricando)
        return;
    portaAvanti(this);
}

void FrmInizio::chiudiAltreFinestre()
{
    const std::array<QPointer<QWidget>, 4> moduli = {m_operativo.data(), m_schedaVuoto.data(),
                                                      m_schedaAggiungi.data(), m_schedaTogli.data()};
    for (const QPointer<QWidget> &modulo : moduli)
        if (modulo)
            modulo->close();
    // Whatever else is still on screen (the printer dialog, a message) goes too; the hidden
    // gallery and the hidden printer dialog stay with the Contesto that owns them.
    QList<QPointer<QWidget>> altre;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            altre.append(w);
    for (const QPointer<QWidget> &w : altre)
        if (w)
            w->close();
}

void FrmInizio::ScaricaTutto()
{
    if (m_scaricando)
        return;
    m_scaricando = true;
    // This form goes first, so the others' closing steps find it already closing.
    close();
    chiudiAltreFinestre();
    Q_EMIT programmaFinito();
}

void FrmInizio::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (m_scaricando)
        return; // the last step of ScaricaTutto
    // Closing the start screen ends the whole program.
    m_scaricando = true;
    chiudiAltreFinestre();
    Q_EMIT programmaFinito();
}

bool FrmInizio::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label5) {
        if (event->type() == QEvent::MouseButtonPress)
            m_label2->setVisible(true);
        else if (event->type() == QEvent::MouseButtonRelease)
            m_label2->setVisible(false);
    }
    return QMainWindow::eventFilter(watched, event);
}
