#include "support/StrumentiPdf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

QByteArray esegui(const QString &programma, const QStringList &argomenti)
{
    QProcess p;
    p.start(programma, argomenti);
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

QTemporaryDir &cartella()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

namespace StrumentiPdf {

QString testo(const QString &pdf)
{
    return QString::fromUtf8(esegui(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
}

QList<Parola> parole(const QString &pdf)
{
    const QByteArray html
        = esegui(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QXmlStreamReader xml(html);
    QList<Parola> risultato;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            const QPointF alto(a.value(QLatin1String("xMin")).toDouble(),
                               a.value(QLatin1String("yMin")).toDouble());
            const QPointF basso(a.value(QLatin1String("xMax")).toDouble(),
                                a.value(QLatin1String("yMax")).toDouble());
            risultato.append({xml.readElementText(), QRectF(alto, basso)});
        }
    }
    return risultato;
}

QImage pagina(const QString &pdf)
{
    const QString prefisso = cartella().filePath(QStringLiteral("pagina"));
    QFile::remove(prefisso + QStringLiteral(".png"));
    esegui(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("144"),
                                        QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                        pdf, prefisso});
    return QImage(prefisso + QStringLiteral(".png"));
}

int pagine(const QString &pdf)
{
    const QString info = QString::fromUtf8(esegui(QStringLiteral("pdfinfo"), {pdf}));
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QList<QSize> dimensioniFigure(const QString &pdf)
{
    const QStringList righe = QString::fromUtf8(
        esegui(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})).split(QLatin1Char('\n'),
                                                                                  Qt::SkipEmptyParts);
    // Two heading lines, then one line per picture drawn: page, number, type, width, height...
    // (soft masks are listed as "smask" and are not pictures of their own).
    QList<QSize> risultato;
    for (int i = 2; i < righe.size(); ++i) {
        const QStringList campi = righe[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (campi.size() > 4 && campi[2] == QLatin1String("image"))
            risultato.append(QSize(campi[3].toInt(), campi[4].toInt()));
    }
    return risultato;
}

int figure(const QString &pdf)
{
    return static_cast<int>(dimensioniFigure(pdf).size());
}

QString salvaTemporaneo(const QByteArray &dati)
{
    static int numero = 0;
    const QString percorso = cartella().filePath(QStringLiteral("doc%1.pdf").arg(++numero));
    QFile f(percorso);
    if (f.open(QIODevice::WriteOnly))
        f.write(dati);
    return percorso;
}

bool scuro(const QImage &immagine, double xTwips, double yTwips)
{
    const QPoint centro(qRound(pixel(xTwips)), qRound(pixel(yTwips)));
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = centro + QPoint(dx, dy);
            if (immagine.rect().contains(p) && qGray(immagine.pixel(p)) < 160)
                return true;
        }
    }
    return false;
}

} // namespace StrumentiPdf
