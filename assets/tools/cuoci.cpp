// Build-time tool: bakes one SVG drawing into the picture file the program carries.
//
//   cuoci <drawing.svg> <output> <width> <height> <jpg|png|pngbianco|ico|ico256>
//
// The drawing is rendered at exactly width x height pixels. "jpg" flattens it on white and
// writes a 24-bit JPEG; "pngbianco" flattens it on white too but keeps every pixel exact, for
// the sharper copies drawn where a screen or a printer has more pixels than the picture; "png"
// and "ico" keep the alpha channel; "ico256" writes a 256-colour icon (8-bit palette plus a
// 1-bit transparency mask), which Qt's own icon writer cannot do.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace {

QImage disegna(const QString &sorgente, QSize dimensione, bool suBianco)
{
    QSvgRenderer renderer(sorgente);
    if (!renderer.isValid())
        return {};
    QImage img(dimensione, QImage::Format_ARGB32_Premultiplied);
    img.fill(suBianco ? Qt::white : Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(dimensione)));
    p.end();
    return img.convertToFormat(suBianco ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

// Median cut: splits the colour cloud along its widest channel until there are enough boxes,
// then takes the pixel-weighted mean of each box.
struct Scatola
{
    std::vector<std::pair<QRgb, int>> colori; // colour and how many pixels carry it

    int canale(int c, QRgb v) const { return c == 0 ? qRed(v) : c == 1 ? qGreen(v) : qBlue(v); }
    std::pair<int, int> estensione() const // widest channel and its range
    {
        int migliore = 0, ampiezza = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (const auto &[v, n] : colori) {
                lo = std::min(lo, canale(c, v));
                hi = std::max(hi, canale(c, v));
            }
            if (hi - lo > ampiezza) {
                ampiezza = hi - lo;
                migliore = c;
            }
        }
        return {migliore, ampiezza};
    }
    QRgb media() const
    {
        double r = 0, g = 0, b = 0, n = 0;
        for (const auto &[v, k] : colori) {
            r += qRed(v) * k;
            g += qGreen(v) * k;
            b += qBlue(v) * k;
            n += k;
        }
        return qRgb(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5));
    }
};

QList<QRgb> tavolozza(const std::map<QRgb, int> &istogramma, int massimo)
{
    QList<QRgb> risultato;
    if (int(istogramma.size()) <= massimo) {
        for (const auto &voce : istogramma)
            risultato.append(voce.first);
        return risultato;
    }
    std::vector<Scatola> scatole(1);
    scatole[0].colori.assign(istogramma.begin(), istogramma.end());
    while (int(scatole.size()) < massimo) {
        auto daDividere = scatole.end();
        long pesoMigliore = 0;
        for (auto it = scatole.begin(); it != scatole.end(); ++it) {
            if (it->colori.size() < 2)
                continue;
            long pixel = 0;
            for (const auto &voce : it->colori)
                pixel += voce.second;
            const long peso = pixel * it->estensione().second;
            if (peso > pesoMigliore) {
                pesoMigliore = peso;
                daDividere = it;
            }
        }
        if (daDividere == scatole.end())
            break;
        Scatola &s = *daDividere;
        const int c = s.estensione().first;
        std::sort(s.colori.begin(), s.colori.end(),
                  [&](const auto &a, const auto &b) { return s.canale(c, a.first) < s.canale(c, b.first); });
        const auto meta = s.colori.begin() + std::ptrdiff_t(s.colori.size() / 2);
        Scatola altra;
        altra.colori.assign(meta, s.colori.end());
        s.colori.erase(meta, s.colori.end());
        scatole.push_back(std::move(altra));
    }
    for (const auto &s : scatole)
        risultato.append(s.media());
    return risultato;
}

int piuVicino(const QList<QRgb> &colori, QRgb v)
{
    int migliore = 0;
    int distanza = INT_MAX;
    for (int i = 0; i < colori.size(); ++i) {
        const int dr = qRed(colori[i]) - qRed(v), dg = qGreen(colori[i]) - qGreen(v),
                  db = qBlue(colori[i]) - qBlue(v);
        const int d = dr * dr + dg * dg + db * db;
        if (d < distanza) {
            distanza = d;
            migliore = i;
        }
    }
    return migliore;
}

template<typename T>
void aggiungi(QByteArray &dati, T valore)
{
    const T le = qToLittleEndian(valore);
    dati.append(reinterpret_cast<const char *>(&le), sizeof le);
}

// Pixels at least half covered are opaque; the rest go to the mask. Entry 0 of the palette is
// black and is what masked pixels carry, so the icon shows the background there.
QByteArray icona256(const QImage &img)
{
    const int w = img.width(), h = img.height();
    std::map<QRgb, int> istogramma;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) >= 128)
                ++istogramma[img.pixel(x, y) | 0xff000000u];
    QList<QRgb> colori{qRgb(0, 0, 0)};
    colori.append(tavolozza(istogramma, 255));
    colori.resize(256, qRgb(0, 0, 0));

    const int rigaColori = (w + 3) / 4 * 4;
    const int rigaMaschera = ((w + 7) / 8 + 3) / 4 * 4;
    const quint32 dimensioneBitmap = 40 + 256 * 4 + quint32(rigaColori * h + rigaMaschera * h);

    QByteArray dati;
    // directory with one entry
    aggiungi<quint16>(dati, 0);
    aggiungi<quint16>(dati, 1);
    aggiungi<quint16>(dati, 1);
    dati.append(char(w < 256 ? w : 0));
    dati.append(char(h < 256 ? h : 0));
    dati.append(char(0)); // 0 means 256 colours
    dati.append(char(0));
    aggiungi<quint16>(dati, 1);
    aggiungi<quint16>(dati, 8);
    aggiungi<quint32>(dati, dimensioneBitmap);
    aggiungi<quint32>(dati, 6 + 16);
    // bitmap header; the height counts colour rows and mask rows
    aggiungi<quint32>(dati, 40);
    aggiungi<qint32>(dati, w);
    aggiungi<qint32>(dati, 2 * h);
    aggiungi<quint16>(dati, 1);
    aggiungi<quint16>(dati, 8);
    aggiungi<quint32>(dati, 0);
    aggiungi<quint32>(dati, quint32(rigaColori * h + rigaMaschera * h));
    aggiungi<qint32>(dati, 0);
    aggiungi<qint32>(dati, 0);
    aggiungi<quint32>(dati, 256);
    aggiungi<quint32>(dati, 0);
    for (QRgb c : colori) {
        dati.append(char(qBlue(c)));
        dati.append(char(qGreen(c)));
        dati.append(char(qRed(c)));
        dati.append(char(0));
    }
    std::map<QRgb, int> indici;
    for (int y = h - 1; y >= 0; --y) { // rows bottom-up
        QByteArray riga(rigaColori, char(0));
        for (int x = 0; x < w; ++x) {
            const QRgb v = img.pixel(x, y);
            if (qAlpha(v) < 128)
                continue;
            const QRgb opaco = v | 0xff000000u;
            auto it = indici.find(opaco);
            if (it == indici.end())
                it = indici.emplace(opaco, piuVicino(colori.mid(1), opaco) + 1).first;
            riga[x] = char(it->second);
        }
        dati.append(riga);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray riga(rigaMaschera, char(0));
        for (int x = 0; x < w; ++x)
            if (qAlpha(img.pixel(x, y)) < 128)
                riga[x / 8] = char(riga[x / 8] | (0x80 >> (x % 8)));
        dati.append(riga);
    }
    return dati;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList argomenti = QGuiApplication::arguments();
    if (argomenti.size() != 6) {
        std::fputs("uso: cuoci <disegno.svg> <uscita> <larghezza> <altezza> <jpg|png|pngbianco|ico|ico256>\n", stderr);
        return 2;
    }
    const QString &sorgente = argomenti[1], &uscita = argomenti[2], &formato = argomenti[5];
    const QSize dimensione(argomenti[3].toInt(), argomenti[4].toInt());
    if (dimensione.isEmpty()) {
        std::fprintf(stderr, "cuoci: dimensione non valida per %s\n", qPrintable(sorgente));
        return 2;
    }
    const bool suBianco = formato == QLatin1String("jpg") || formato == QLatin1String("pngbianco");
    const QImage img = disegna(sorgente, dimensione, suBianco);
    if (img.isNull()) {
        std::fprintf(stderr, "cuoci: disegno non leggibile: %s\n", qPrintable(sorgente));
        return 1;
    }
    bool scritto = false;
    if (formato == QLatin1String("jpg")) {
        scritto = img.save(uscita, "JPEG", 95);
    } else if (formato == QLatin1String("png") || formato == QLatin1String("pngbianco")) {
        scritto = img.save(uscita, "PNG", 0); // quality 0 is the tightest compression, still lossless
    } else if (formato == QLatin1String("ico")) {
        scritto = img.save(uscita, "ico");
    } else if (formato == QLatin1String("ico256")) {
        QFile file(uscita);
        scritto = file.open(QIODevice::WriteOnly) && file.write(icona256(img)) >= 0 && file.flush();
    } else {
        std::fprintf(stderr, "cuoci: formato sconosciuto: %s\n", qPrintable(formato));
        return 2;
    }
    if (!scritto) {
        std::fprintf(stderr, "cuoci: impossibile scrivere %s\n", qPrintable(uscita));
        return 1;
    }
    return 0;
}
