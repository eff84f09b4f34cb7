#include "support/DifferenzaImmagini.h"
#include "comune/Galleria.h"
#include "support/Righe.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct VoceGalleria
{
    const char *nome;
    int indice;
    const char *risorsa;
    QSize dimensione;
    const char *formato; // as QImageReader names it
};

const std::vector<VoceGalleria> voci = {
    {"vuota", 0, ":/figure/figura00.jpg", {61, 60}, "jpeg"},
    {"imbuto", 1, ":/figure/figura01.jpg", {49, 47}, "jpeg"},
    {"lampada", 2, ":/figure/figura02.jpg", {54, 55}, "jpeg"},
    {"sveglia", 3, ":/figure/figura03.jpg", {53, 53}, "jpeg"},
    {"barca", 4, ":/figure/figura04.jpg", {46, 56}, "jpeg"},
    {"bandiera", 5, ":/figure/figura05.jpg", {45, 59}, "jpeg"},
    {"candela", 6, ":/figure/figura06.jpg", {42, 62}, "jpeg"},
    {"dado", 7, ":/figure/figura07.jpg", {48, 46}, "jpeg"},
    {"aquilone", 8, ":/figure/figura08.jpg", {45, 55}, "jpeg"},
    {"sedia", 9, ":/figure/figura09.jpg", {49, 50}, "jpeg"},
    {"abete", 10, ":/figure/figura10.ico", {48, 48}, "ico"},
    {"ciliegie", 11, ":/figure/figura11.ico", {48, 48}, "ico"},
    {"gatto", 12, ":/figure/figura12.ico", {48, 48}, "ico"},
    {"corno", 13, ":/figure/figura13.ico", {48, 48}, "ico"},
    {"riquadro", 15, ":/figure/figura15.jpg", {61, 60}, "jpeg"},
};

using righe::PrintTo;

std::vector<VoceGalleria> vociElemento()
{
    std::vector<VoceGalleria> risultato;
    for (const auto &v : voci)
        if (v.indice >= Galleria::primaFiguraElemento && v.indice <= 13)
            risultato.push_back(v);
    return risultato;
}

bool quasiBianco(QRgb c)
{
    return qRed(c) >= 245 && qGreen(c) >= 245 && qBlue(c) >= 245;
}

// Share of the picture's pixels that are drawn: opaque and clearly not white.
double quotaDisegnata(const QImage &img)
{
    int disegnati = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) >= 128 && !quasiBianco(c))
                ++disegnati;
        }
    return double(disegnati) / (img.width() * img.height());
}

// The picture as a small opaque thumbnail on white, so that pictures of any size compare.
QImage miniatura(const QImage &img)
{
    QImage suBianco(img.size(), QImage::Format_RGB32);
    suBianco.fill(Qt::white);
    {
        QPainter p(&suBianco);
        p.drawImage(0, 0, img);
    }
    return suBianco.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

using DifferenzaImmagini::media;

class GalleriaFixture : public ::testing::Test
{
protected:
    Galleria galleria;
};

class VoceGalleriaTest : public GalleriaFixture, public ::testing::WithParamInterface<VoceGalleria>
{
};


TEST_P(VoceGalleriaTest, LaRisorsaHaFormatoEDimensioneDellaVoce)
{
    const VoceGalleria &v = GetParam();
    QImageReader lettore(QString::fromLatin1(v.risorsa));
    ASSERT_TRUE(lettore.canRead()) << v.risorsa;
    EXPECT_EQ(lettore.format(), QByteArray(v.formato));
    const QImage img = lettore.read();
    ASSERT_FALSE(img.isNull()) << qPrintable(lettore.errorString());
    EXPECT_EQ(img.size(), v.dimensione);
}

TEST_P(VoceGalleriaTest, LaGalleriaServeLaFiguraDellaRisorsa)
{
    const VoceGalleria &v = GetParam();
    const QImage &figura = galleria.Image3(v.indice);
    ASSERT_FALSE(figura.isNull());
    EXPECT_EQ(figura.size(), v.dimensione);
    EXPECT_EQ(figura, QImage(QString::fromLatin1(v.risorsa)));
}

INSTANTIATE_TEST_SUITE_P(Galleria, VoceGalleriaTest, ::testing::ValuesIn(voci), righe::perNome);

class FiguraElementoTest : public GalleriaFixture, public ::testing::WithParamInterface<VoceGalleria>
{
};

TEST_P(FiguraElementoTest, NonEVuota)
{
    const QImage &figura = galleria.Image3(GetParam().indice);
    ASSERT_FALSE(figura.isNull());
    EXPECT_GT(quotaDisegnata(figura), 0.15);
}

TEST_P(FiguraElementoTest, DiversaDaTutteLeAltre)
{
    const VoceGalleria &questa = GetParam();
    const QImage mia = miniatura(galleria.Image3(questa.indice));
    for (const auto &altra : vociElemento()) {
        if (altra.indice == questa.indice)
            continue;
        EXPECT_GT(media(mia, miniatura(galleria.Image3(altra.indice))), 8.0)
            << questa.nome << " somiglia a " << altra.nome;
    }
}

// The pictures sit on white frames and on paper, so their ground must be white or, for the
// icons, transparent, which lets the pink of the exercise form show through.
TEST_P(FiguraElementoTest, AngoloSuperioreSinistroBiancoOTrasparente)
{
    const VoceGalleria &v = GetParam();
    const QRgb angolo = galleria.Image3(v.indice).pixel(0, 0);
    if (QByteArray(v.formato) == "ico")
        EXPECT_EQ(qAlpha(angolo), 0);
    else
        EXPECT_TRUE(quasiBianco(angolo)) << std::hex << angolo;
}

INSTANTIATE_TEST_SUITE_P(Galleria, FiguraElementoTest, ::testing::ValuesIn(vociElemento()), righe::perNome);

TEST_F(GalleriaFixture, LaFiguraVuotaETuttaBianca)
{
    const QImage &vuota = galleria.Image3(Galleria::figuraVuota);
    ASSERT_FALSE(vuota.isNull());
    for (int y = 0; y < vuota.height(); ++y)
        for (int x = 0; x < vuota.width(); ++x)
            ASSERT_TRUE(quasiBianco(vuota.pixel(x, y))) << x << "," << y;
}

TEST_F(GalleriaFixture, IlRiquadroHaBordoScuroEInternoBianco)
{
    const QImage &riquadro = galleria.Image3(15);
    ASSERT_FALSE(riquadro.isNull());
    const int mezzo = riquadro.height() / 2;
    EXPECT_TRUE(quasiBianco(riquadro.pixel(riquadro.width() / 2, mezzo)));
    int scuri = 0;
    for (int x = 0; x < 8; ++x)
        if (qGray(riquadro.pixel(x, mezzo)) < 100)
            ++scuri;
    EXPECT_GT(scuri, 0);
    // The corners are rounded: the very corner stays white.
    EXPECT_TRUE(quasiBianco(riquadro.pixel(3, 3)));
}

class VoceSenzaFiguraTest : public GalleriaFixture, public ::testing::WithParamInterface<int>
{
};

TEST_P(VoceSenzaFiguraTest, ENulla)
{
    EXPECT_TRUE(galleria.Image3(GetParam()).isNull());
}

INSTANTIATE_TEST_SUITE_P(Galleria, VoceSenzaFiguraTest, ::testing::Values(14, 16, 17, -1, 18, 1000),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return info.param < 0 ? "meno" + std::to_string(-info.param)
                                                   : "voce" + std::to_string(info.param);
                         });

TEST(FormatoFigure, LeIconeDellaGalleriaSonoA256Colori)
{
    for (int i = 10; i <= 13; ++i) {
        QFile file(QStringLiteral(":/figure/figura%1.ico").arg(i));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << i;
        const QByteArray dati = file.readAll();
        ASSERT_GE(dati.size(), 22 + 40) << i;
        const auto *byte = reinterpret_cast<const uchar *>(dati.constData());
        EXPECT_EQ(qFromLittleEndian<quint16>(byte + 4), 1) << "una sola immagine nell'icona " << i;
        EXPECT_EQ(qFromLittleEndian<quint16>(byte + 6 + 6), 8) << "bit per pixel nella directory " << i;
        const quint32 inizio = qFromLittleEndian<quint32>(byte + 6 + 12);
        ASSERT_LE(inizio + 40, quint32(dati.size())) << i;
        EXPECT_EQ(qFromLittleEndian<quint16>(byte + inizio + 14), 8) << "bit per pixel della bitmap " << i;
    }
}

TEST(FormatoFigure, LeFigureJpegSonoAColori)
{
    for (const auto &v : voci) {
        if (QByteArray(v.formato) != "jpeg")
            continue;
        QImageReader lettore(QString::fromLatin1(v.risorsa));
        EXPECT_EQ(lettore.imageFormat(), QImage::Format_RGB32) << v.nome;
    }
}

TEST(ImmaginiSchermataIniziale, InsiemeDiEsempio399x258SuFondoRosa)
{
    QImageReader lettore(QStringLiteral(":/immagini/insieme.jpg"));
    EXPECT_EQ(lettore.format(), QByteArray("jpeg"));
    EXPECT_EQ(lettore.imageFormat(), QImage::Format_RGB32);
    const QImage img = lettore.read();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(399, 258));
    const QColor angolo = img.pixelColor(2, 2);
    EXPECT_NEAR(angolo.red(), 255, 8);
    EXPECT_NEAR(angolo.green(), 192, 8);
    EXPECT_NEAR(angolo.blue(), 255, 8);
    EXPECT_TRUE(quasiBianco(img.pixel(img.width() / 2, img.height() / 2 + 10)));
    EXPECT_GT(quotaDisegnata(img), 0.3);
}

TEST(ImmaginiSchermataIniziale, IconaDellaFinestra32x32)
{
    QImageReader lettore(QStringLiteral(":/immagini/icona.ico"));
    EXPECT_EQ(lettore.format(), QByteArray("ico"));
    const QImage img = lettore.read();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(32, 32));
    EXPECT_GT(quotaDisegnata(img), 0.15);
}

} // namespace
