#include "support/DifferenzaImmagini.h"
#include "app/FrmInizio.h"
#include "comune/FiguraNitida.h"
#include "comune/Galleria.h"
#include "exercises/BancoOperativo.h"
#include "support/ContestoDiProva.h"
#include "worksheets/CasellaFigura.h"

#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The pictures on a screen with more pixels to the point. ctest starts this program once for
// each of the ratios 1, 1.25, 1.5, 2 and 3 (QT_SCALE_FACTOR), and every case works at the ratio
// the screen has. What a widget draws is held against the drawing itself rendered straight at
// the same pixels, and against the natural picture merely enlarged, which is what the screen
// would show without the sharper copies.
namespace {

const std::vector<int> vociConFigura{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15};

qreal rapportoChiesto()
{
    const QByteArray fattore = qgetenv("QT_SCALE_FACTOR");
    return fattore.isEmpty() ? 1.0 : fattore.toDouble();
}

bool eIcona(int voce)
{
    return voce >= 10 && voce <= 13;
}

// The icons are transparent around the drawing and show the ground they lie on; the other
// pictures carry their own white ground.
QColor fondoDellaFigura(int voce, const QColor &fondo)
{
    return eIcona(voce) ? fondo : QColor(Qt::white);
}

QImage suFondo(const QImage &img, const QColor &fondo)
{
    QImage risultato(img.size(), QImage::Format_RGB32);
    risultato.fill(fondo);
    QPainter p(&risultato);
    p.drawImage(QRect(QPoint(0, 0), img.size()), img, QRectF(img.rect()));
    return risultato;
}

// The drawing a picture is baked from, rendered directly at these pixels.
QImage disegnoDiretto(const QString &nome, QSize pixel, const QColor &fondo)
{
    QSvgRenderer disegno(QStringLiteral(TANDORINO_SVG "/%1.svg").arg(nome));
    EXPECT_TRUE(disegno.isValid()) << qPrintable(nome);
    QImage img(pixel, QImage::Format_RGB32);
    img.fill(fondo);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    disegno.render(&p, QRectF(QPointF(0, 0), QSizeF(pixel)));
    return img;
}

QImage riferimento(int voce, QSize pixel, const QColor &fondo)
{
    return disegnoDiretto(QStringLiteral("figura%1").arg(voce, 2, 10, QLatin1Char('0')), pixel,
                          fondoDellaFigura(voce, fondo));
}

// The natural picture enlarged smoothly to these pixels.
QImage ingrandita(const QImage &naturale, QSize pixel, const QColor &fondo)
{
    return suFondo(naturale, fondo).scaled(pixel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

using DifferenzaImmagini::media;

// What a widget drew (its device pixels) is the drawing. At ratio 1 it is the natural picture,
// pixel for pixel, as it always was. Above, it is close to the direct rendering and clearly
// closer than the enlarged picture (the blank picture is the same at any size and proves
// nothing there).
void comeIlDisegno(const QImage &disegnata, int voce, const QImage &naturale, const QColor &fondo,
                   qreal rapporto)
{
    const QImage sulFondo = suFondo(disegnata, fondoDellaFigura(voce, fondo));
    if (rapporto == 1) {
        EXPECT_TRUE(sulFondo == suFondo(naturale, fondoDellaFigura(voce, fondo))) << "figura " << voce;
        return;
    }
    const QImage vera = riferimento(voce, disegnata.size(), fondo);
    const double scarto = media(sulFondo, vera);
    const double scartoIngrandita = media(ingrandita(naturale, disegnata.size(), fondo), vera);
    EXPECT_LT(scarto, 3.0) << "figura " << voce;
    if (scartoIngrandita > 1) {
        EXPECT_LT(scarto, 0.5 * scartoIngrandita)
            << "figura " << voce << " non più nitida: " << scarto << " contro " << scartoIngrandita;
    }
}

std::string nomeVoce(const ::testing::TestParamInfo<int> &info)
{
    return "voce" + std::to_string(info.param);
}

class FiguraAlRapporto : public ::testing::TestWithParam<int>
{
protected:
    Galleria galleria;
    const qreal rapporto = rapportoChiesto();
};

TEST_P(FiguraAlRapporto, LaCopiaSceltaHaIPixelCheServonoEDisegnaAllaMisuraNaturale)
{
    const int voce = GetParam();
    const QSize naturale = galleria.Image3(voce).size();
    ASSERT_FALSE(naturale.isEmpty());

    const QImage &sorgente = galleria.figura(voce).sorgente(rapporto);
    EXPECT_GE(sorgente.width(), std::ceil(naturale.width() * rapporto - 1e-9));
    EXPECT_GE(sorgente.height(), std::ceil(naturale.height() * rapporto - 1e-9));
    EXPECT_EQ(sorgente.deviceIndependentSize(), QSizeF(naturale));

    const QImage &schermo = galleria.perSchermo(voce, rapporto);
    EXPECT_DOUBLE_EQ(schermo.devicePixelRatio(), rapporto);
    EXPECT_EQ(schermo.deviceIndependentSize().toSize(), naturale);
    comeIlDisegno(schermo, voce, galleria.Image3(voce), Qt::white, rapporto);

    // The page takes the sharpest copy, in the picture's own box.
    const QImage &stampa = galleria.perStampa(voce);
    EXPECT_EQ(stampa.size(), naturale * FiguraNitida::fattoreMassimo);
    EXPECT_EQ(stampa.deviceIndependentSize(), QSizeF(naturale));
}

// A worksheet preview slot keeps the picture's size in the layout and paints it in the
// screen's pixels.
TEST_P(FiguraAlRapporto, LaCasellaDellaSchedaDisegnaNitidoAllaMisuraNaturale)
{
    const int voce = GetParam();
    const QSize naturale = galleria.Image3(voce).size();
    CasellaFigura casella;
    QPalette tavolozza = casella.palette();
    tavolozza.setColor(QPalette::Window, Qt::white);
    casella.setPalette(tavolozza);
    casella.impostaFigura(galleria.figura(voce));
    casella.resize(naturale);
    ASSERT_DOUBLE_EQ(casella.devicePixelRatioF(), rapporto);
    EXPECT_EQ(casella.size(), naturale);
    EXPECT_EQ(casella.minimumSize(), naturale);

    const QPixmap presa = casella.grab();
    EXPECT_DOUBLE_EQ(presa.devicePixelRatio(), rapporto);
    comeIlDisegno(presa.toImage(), voce, galleria.Image3(voce), Qt::white, rapporto);
}

INSTANTIATE_TEST_SUITE_P(Galleria, FiguraAlRapporto, ::testing::ValuesIn(vociConFigura), nomeVoce);

// The exercise form's slots: a picture with its own ground and an icon on the frame's pink.
using SetAlRapporto = ::testing::TestWithParam<int>;

TEST_P(SetAlRapporto, LeCaselleDellEsercizioDisegnanoNitidoAllaMisuraNaturale)
{
    const int voce = GetParam();
    const qreal rapporto = rapportoChiesto();
    BancoOperativo banco(TipoEsercizio::InsiemeVuoto);
    banco.accodaEsercizio(voce, {1}); // alone, so no later slot covers part of it
    FrmOperativo &form = banco.apri();
    const QImage &naturale = banco.prova.contesto->galleria().Image3(voce);
    QLabel *casella = form.Image1(1);
    ASSERT_TRUE(casella->isVisible());
    EXPECT_DOUBLE_EQ(casella->pixmap().devicePixelRatio(), rapporto);
    EXPECT_EQ(casella->pixmap().deviceIndependentSize().toSize(), naturale.size());
    EXPECT_GE(casella->width(), naturale.width());
    EXPECT_GE(casella->height(), naturale.height());
    // Taken from the frame, whose pink shows through the icons.
    QWidget *riquadro = casella->parentWidget();
    const QColor rosa = riquadro->palette().color(QPalette::Window);
    const QImage presa = riquadro->grab(QRect(casella->pos(), naturale.size())).toImage();
    comeIlDisegno(presa, voce, naturale, rosa, rapporto);
}

INSTANTIATE_TEST_SUITE_P(Esercizio, SetAlRapporto, ::testing::Values(4, 12), nomeVoce);

// The start screen stretches its sample set over a box larger than the picture: above ratio 1
// the box is filled from a copy with at least its pixels; at ratio 1 it is the picture itself.
TEST(SchermataIniziale, LInsiemeDiEsempioRiempieIlRiquadroConIPixelCheServono)
{
    const qreal rapporto = rapportoChiesto();
    ContestoDiProva contesto;
    FrmInizio form(*contesto, *contesto.dialogo);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // Half as large again, as on a large classroom screen: the box grows with the form.
    form.resize(form.size() * 3 / 2);
    QApplication::processEvents();
    QLabel *riquadro = form.Image1();
    ASSERT_GT(riquadro->width(), 399); // the picture's own width
    const QImage presa = riquadro->grab().toImage(); // painted at the box's size on this screen
    const QImage naturale(QStringLiteral(":/immagini/insieme.jpg"));
    ASSERT_FALSE(naturale.isNull());
    const QPixmap mostrata = riquadro->pixmap();
    if (rapporto == 1) {
        EXPECT_TRUE(mostrata.toImage().convertToFormat(QImage::Format_RGB32) == naturale);
        return;
    }
    // As many pixels as the box covers, or the largest copy there is.
    const QSize massima = naturale.size() * FiguraNitida::fattoreMassimo;
    EXPECT_GE(mostrata.width(),
              std::min<double>(std::ceil(riquadro->width() * rapporto - 1e-9), massima.width()));
    EXPECT_GE(mostrata.height(),
              std::min<double>(std::ceil(riquadro->height() * rapporto - 1e-9), massima.height()));
    const QImage vero = disegnoDiretto(QStringLiteral("insieme"), presa.size(), Qt::white);
    const double scarto = media(presa, vero);
    const double scartoIngrandita = media(ingrandita(naturale, presa.size(), Qt::white), vero);
    EXPECT_LT(scarto, 3.0);
    EXPECT_LT(scarto, 0.5 * scartoIngrandita) << scarto << " contro " << scartoIngrandita;
}

} // namespace
