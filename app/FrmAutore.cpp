#include "app/FrmAutore.h"

#include "platform/Twips.h"
#include "platform/Aspetto.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
using Aspetto::arial;

constexpr double larghezzaClient = 6975;
constexpr double altezzaClient = 3510;
const QColor sfondo(192, 255, 255);
const QColor sfondoPulsante(128, 255, 255);
const QColor bluScuro(0, 0, 192);

// A plain-text label: it reacts to no click and opens nothing.
QLabel *etichetta(QWidget *genitore, const QString &testo, const QFont &font, const QColor &colore,
                  const QRect &posto)
{
    auto *label = new QLabel(testo, genitore);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setFont(font);
    Aspetto::coloraTesto(label, colore);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(posto);
    return label;
}

} // namespace

FrmAutore::FrmAutore(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const Twips twips = Twips::schermo();
    setWindowTitle(QStringLiteral("Autore"));
    setModal(true);
    setFixedSize(twips.inPixelInteri(larghezzaClient), twips.inPixelInteri(altezzaClient));
    QPalette p = palette();
    p.setColor(QPalette::Window, sfondo);
    setPalette(p);
    setAutoFillBackground(true);

    m_command1 = new QPushButton(QStringLiteral("C h i u d i"), this);
    m_command1->setFont(arial(12, false));
    // A style sheet with a border draws no focus frame: the border darkens with the focus instead.
    m_command1->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset "
                                             "#60c0c0; } QPushButton:focus { border-color: black; } "
                                             "QPushButton:pressed { border-style: inset; }")
                                  .arg(sfondoPulsante.name()));
    m_command1->setAccessibleName(QStringLiteral("Chiudi"));
    m_command1->setGeometry(twips.rettangoloInPixel(QRectF(1845, 2940, 2700, 345)));
    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);

    m_label4 = etichetta(this, QStringLiteral("info@tandorino.example.org"), arial(18, true), bluScuro,
                         twips.rettangoloInPixel(QRectF(180, 2310, 5955, 510)));
    m_label3 = etichetta(this, QStringLiteral("Email:"), arial(18, false), Qt::black,
                         twips.rettangoloInPixel(QRectF(225, 1860, 1350, 435)));
    m_label2 = etichetta(this, QStringLiteral("www.tandorino.example.org"), arial(18, true), bluScuro,
                         twips.rettangoloInPixel(QRectF(165, 945, 6795, 510)));
    m_label1 = etichetta(this, QStringLiteral("Sito dell'autore:"), arial(18, false), Qt::black,
                         twips.rettangoloInPixel(QRectF(200, 465, 4455, 435)));
    m_command1->setFocus();
}

void FrmAutore::showEvent(QShowEvent *event)
{
    centraSulloSchermo();
    QDialog::showEvent(event);
}

void FrmAutore::centraSulloSchermo()
{
    const QScreen *schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    QRect finestra = frameGeometry();
    finestra.moveCenter(schermo->availableGeometry().center());
    move(finestra.topLeft());
}
