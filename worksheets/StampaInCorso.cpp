#include "worksheets/StampaInCorso.h"

#include "platform/Aspetto.h"
#include "platform/Interruzione.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

StampaInCorso::StampaInCorso(QWidget *modulo, std::shared_ptr<Interruzione> interruzione,
                             const QString &testo)
    : QObject(modulo)
    , m_modulo(modulo)
    , m_testo(testo)
    , m_interruzione(std::move(interruzione))
{
    qApp->installEventFilter(this);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    m_attesa.setSingleShot(true);
    connect(&m_attesa, &QTimer::timeout, this, &StampaInCorso::mostraFinestra);
    m_attesa.start(attesaPrimaDellaFinestraMs);
}

StampaInCorso::~StampaInCorso()
{
    termina();
}

void StampaInCorso::termina()
{
    if (m_terminata)
        return;
    m_terminata = true;
    m_attesa.stop();
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    if (m_finestra) {
        m_finestra->hide();
        m_finestra->deleteLater();
    }
}

bool StampaInCorso::delModulo(QObject *oggetto) const
{
    // The form's own menus are windows of their own, but still its children.
    for (QObject *o = oggetto; o; o = o->parent()) {
        if (o == m_finestra)
            return false;
        if (o == m_modulo)
            return true;
    }
    return false;
}

bool StampaInCorso::eventFilter(QObject *oggetto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return delModulo(oggetto);
    case QEvent::Close:
        // The window's close button is input like any other. A close the program itself asks
        // for (the start screen going away, the end of the run) goes ahead: the form's end
        // withdraws the print.
        if (oggetto == m_modulo && evento->spontaneous()) {
            evento->ignore();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void StampaInCorso::mostraFinestra()
{
    auto *finestra = new QDialog(m_modulo, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    finestra->setWindowTitle(QStringLiteral("Tandorino"));
    finestra->setWindowModality(Qt::ApplicationModal);
    finestra->setObjectName(QStringLiteral("StampaInCorso"));

    auto *testo = new QLabel(m_testo, finestra);
    testo->setFont(Aspetto::arial(12));
    auto *barra = new QProgressBar(finestra);
    barra->setRange(0, 0); // no measure of how far the printer has got: just alive
    barra->setTextVisible(false);
    auto *annulla = new QPushButton(QStringLiteral("Annulla"), finestra);
    annulla->setFont(Aspetto::arial(9.75));
    annulla->setObjectName(QStringLiteral("Annulla"));

    auto *colonna = new QVBoxLayout(finestra);
    colonna->addWidget(testo);
    colonna->addWidget(barra);
    colonna->addWidget(annulla, 0, Qt::AlignHCenter);

    connect(annulla, &QPushButton::clicked, this, [this] {
        m_interruzione->annulla();
        Q_EMIT annullata();
    });
    // Escape or the window's close button mean the same as "Annulla".
    connect(finestra, &QDialog::rejected, annulla, &QPushButton::click);
    m_finestra = finestra;
    finestra->show();
    annulla->setFocus(Qt::OtherFocusReason);
}
