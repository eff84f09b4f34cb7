#include "worksheets/ModuloScheda.h"

#include "comune/Contesto.h"
#include "comune/Galleria.h"
#include "comune/ScalaturaModulo.h"
#include "platform/PulsanteGrande.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/SalvaScheda.h"
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

ModuloScheda::ModuloScheda(Contesto &contesto, DialogoStampante &dialogo,
                           ModelloScheda::Tipo tipo, const QString &titolo,
                           QSizeF clientProgettoTwips, QWidget *parent)
    : QMainWindow(parent)
    , m_contesto(contesto)
    , m_dialogoStampante(dialogo)
    , m_client(new QWidget(this))
    , m_scalatura(new ScalaturaModulo(m_client, clientProgettoTwips, this))
    , m_modello(tipo, contesto.casuale(), contesto.orologio())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titolo);

    Aspetto::coloraSfondo(m_client, coloreModulo);
    setCentralWidget(m_client);
}

ContenutoPagina ModuloScheda::contenutoPagina() const
{
    return m_modello.contenutoPagina(m_contesto.galleria());
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

QAction *ModuloScheda::creaVoceSalvaPdf(const QString &messaggioIncompleta)
{
    QAction *voce = menuBar()->addAction(QStringLiteral("Salva come PDF…"));
    m_scalatura->aggiungiSenzaGeometria(TipoControllo::VoceMenu);
    connect(voce, &QAction::triggered, this, [this, messaggioIncompleta] {
        SalvaScheda(m_contesto).salva(this, m_modello, messaggioIncompleta);
    });
    return voce;
}

void ModuloScheda::catturaProporzioni()
{
    m_scalatura->cattura();
    m_modello.ricomincia();
}

void ModuloScheda::preparaApertura()
{
    const QSize clientPixel = m_scalatura->dimensioneProgettoPixel();
    resize(clientPixel.width(), clientPixel.height() + menuBar()->sizeHint().height());
    setWindowState(windowState() | Qt::WindowMaximized);
}

void ModuloScheda::stampaPagina(const QString &messaggioIncompleta)
{
    StampaScheda(m_contesto).stampa(this, m_modello.mostrati(), messaggioIncompleta,
                                    contenutoPagina());
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
