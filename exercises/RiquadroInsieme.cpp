#include "exercises/RiquadroInsieme.h"

#include "comune/Galleria.h"
#include "comune/ScalaturaModulo.h"
#include "exercises/ContornoDecorativo.h"
#include "platform/Aspetto.h"

#include <QLabel>
#include <QPixmap>

namespace {
constexpr double latoCasella = 735;

struct Punto
{
    double sinistra, alto;
};
// Slot places (left, top) in twips inside the two frames, slots 1 to 15.
constexpr std::array<Punto, 15> caselleS{{{300, 270},   {1140, 270},  {1950, 270},  {2790, 270},
                                          {3630, 270},  {300, 1170},  {1140, 1170}, {1950, 1170},
                                          {2790, 1170}, {3630, 1170}, {300, 2010},  {1110, 2010},
                                          {1920, 2010}, {2760, 2010}, {3600, 2010}}};
constexpr std::array<Punto, 15> caselleD{{{240, 255},   {1080, 255},  {1920, 255},  {2775, 255},
                                          {3630, 255},  {255, 1140},  {1080, 1155}, {1920, 1155},
                                          {2775, 1155}, {3630, 1155}, {255, 2025},  {1095, 2040},
                                          {1920, 2040}, {2760, 2040}, {3600, 2040}}};
} // namespace

RiquadroInsieme::RiquadroInsieme(Insieme quale, ScalaturaModulo &scalatura, QWidget *parent)
    : RiquadroAccessibile(QString(), parent)
    , m_quale(quale)
{
    const bool primo = quale == Insieme::Primo;
    setObjectName(primo ? QStringLiteral("FraSfondoS") : QStringLiteral("FraSfondoD"));
    Aspetto::coloraSfondo(this, Aspetto::rosaChiaro);
    setFrameShape(QFrame::NoFrame);
    scalatura.aggiungi(this, primo ? 570 : 6075, 1020, 4620, 3240);
    // The outline first, so the pictures lie above it.
    m_contorno = new ContornoDecorativo(this);
    scalatura.aggiungi(m_contorno, 30, 30, 4545, 3030);
    const std::array<Punto, 15> &posti = primo ? caselleS : caselleD;
    for (int c = 1; c <= numeroCaselle; ++c) {
        auto *l = new QLabel(this);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        l->hide();
        scalatura.aggiungi(l, posti[c - 1].sinistra, posti[c - 1].alto, latoCasella, latoCasella);
        m_caselle[c] = l;
    }
    descrivi();
}

QLabel *RiquadroInsieme::casella(int numero) const
{
    return numero >= 1 && numero <= numeroCaselle ? m_caselle[numero] : nullptr;
}

void RiquadroInsieme::impostaSoggetto(int figura)
{
    m_soggetto = figura;
    descrivi();
}

void RiquadroInsieme::mostraFigura(int numero, const QPixmap &figura)
{
    m_caselle[numero]->setPixmap(figura);
    m_caselle[numero]->show();
    adattaCaselle();
    descrivi();
}

void RiquadroInsieme::nascondi(int numero)
{
    m_caselle[numero]->hide();
    descrivi();
}

void RiquadroInsieme::nascondiTutte()
{
    for (int c = 1; c <= numeroCaselle; ++c)
        m_caselle[c]->hide();
    descrivi();
}

void RiquadroInsieme::svuota()
{
    for (int c = 1; c <= numeroCaselle; ++c)
        m_caselle[c]->clear();
    descrivi();
}

void RiquadroInsieme::mostraVuote()
{
    for (int c = 1; c <= numeroCaselle; ++c) {
        m_caselle[c]->clear();
        m_caselle[c]->show();
    }
    descrivi();
}

// The names follow what shows: the frame counts the slots that show a picture, a slot is named
// by its picture's subject, or as empty.
void RiquadroInsieme::descrivi()
{
    const QString soggetto = Galleria::soggetto(m_soggetto);
    int copie = 0;
    for (int c = 1; c <= numeroCaselle; ++c) {
        QLabel *l = m_caselle[c];
        const bool conFigura = !l->pixmap().isNull();
        if (conFigura && !l->isHidden())
            ++copie;
        const QString nome = conFigura ? soggetto : QStringLiteral("casella vuota");
        if (l->accessibleName() != nome)
            l->setAccessibleName(nome);
    }
    const QString nome = QStringLiteral("%1: %2").arg(
        m_quale == Insieme::Primo ? QStringLiteral("Primo insieme") : QStringLiteral("Secondo insieme"),
        Galleria::quantita(m_soggetto, copie));
    if (accessibleName() != nome)
        setAccessibleName(nome);
}

void RiquadroInsieme::adattaCaselle()
{
    for (int c = 1; c <= numeroCaselle; ++c) {
        QLabel *l = m_caselle[c];
        // The logical size: a sharper copy covers the same place as the picture itself.
        const QSize figura = l->pixmap().deviceIndependentSize().toSize();
        if (figura.isEmpty())
            continue;
        const QSize voluta = l->size().expandedTo(figura);
        if (voluta != l->size())
            l->resize(voluta);
    }
}
