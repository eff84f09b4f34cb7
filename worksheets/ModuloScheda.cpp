#include "worksheets/ModuloScheda.h"

#include "comune/Contesto.h"
#include "comune/ScalaturaModulo.h"
#include "platform/PulsanteGrande.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/StampaScheda.h"
#include "platform/Aspetto.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace {
const QColor coloreModulo(255, 192, 255);
const QColor coloreTitolo(192, 0, 0);
const QColor coloreRosa(255, 128, 255); // the graphical buttons
}

ModuloScheda::ModuloScheda(Contesto &contesto, DialogoStampante &dialogo, const QString &titolo,
                           QSizeF clientProgettoTwips, QWidget *parent)
    : QMainWindow(parent)
    , m_contesto(contesto)
    , m_dialogoStampante(dialogo)
    , m_client(new QWidget(this))
    , m_scalatura(new ScalaturaModulo(m_client, clientProgettoTwips, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titolo);

    Aspetto::coloraSfondo(m_client, coloreModulo);
    setCentralWidget(m_client);
}

bool ModuloScheda::mostrato(int esercizio) const
{
    if (esercizio < 1 || esercizio > static_cast<int>(m_mostrati.size()))
        return false;
    return m_mostrati[esercizio - 1];
}

QLabel *ModuloScheda::creaTitolo(QWidget *genitore, const QString &testo, const QRectF &progetto)
{
    auto *etichetta = new QLabel(testo, genitore);
    etichetta->setFont(Aspetto::arial(20.25));
    etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Aspetto::coloraTesto(etichetta, coloreTitolo);
    m_scalatura->aggiungi(etichetta, progetto);
    return etichetta;
}

QPushButton *ModuloScheda::creaPulsante(QWidget *genitore, const QString &testo,
                                        const QRectF &progetto, bool rosa)
{
    QPushButton *pulsante = nullptr;
    if (rosa) {
        auto *grafico = new PulsanteGrande(testo, genitore);
        grafico->setColore(coloreRosa);
        grafico->setCorniceFuoco(true);
        pulsante = grafico;
    } else {
        pulsante = new QPushButton(testo, genitore);
    }
    pulsante->setFont(Aspetto::arial(8.25, false));
    m_scalatura->aggiungi(pulsante, progetto);
    return pulsante;
}

CasellaFigura *ModuloScheda::creaCasella(QWidget *genitore, const QRectF &progetto)
{
    auto *casella = new CasellaFigura(genitore);
    m_scalatura->aggiungi(casella, progetto);
    return casella;
}

QAction *ModuloScheda::creaVoceStampante(const QString &testo)
{
    QAction *voce = menuBar()->addAction(testo);
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    connect(voce, &QAction::triggered, this,
            [this] { m_dialogoStampante.mostra(); });
    return voce;
}

void ModuloScheda::catturaProporzioni()
{
    m_scalatura->cattura();
    m_mostrati.fill(false);
}

void ModuloScheda::preparaApertura()
{
    const QSize clientPixel = m_scalatura->dimensioneProgettoPixel();
    resize(clientPixel.width(), clientPixel.height() + menuBar()->sizeHint().height());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void ModuloScheda::segnaMostrato(int esercizio)
{
    m_mostrati.at(esercizio - 1) = true;
}

void ModuloScheda::stampaPagina(const QString &messaggioIncompleta)
{
    StampaScheda(m_contesto).stampa(this, m_mostrati, messaggioIncompleta, contenutoPagina());
}

void ModuloScheda::closeEvent(QCloseEvent *event)
{
    // "ESCI" and every other way of closing end here; a second request while the form is
    // already going away must not call the start screen again.
    if (!m_inChiusura) {
        m_inChiusura = true;
        Q_EMIT tornaInizio();
    }
    event->accept();
}
