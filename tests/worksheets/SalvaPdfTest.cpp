#include "support/ContestoDiProva.h"
#include "support/Schede.h"
#include "support/StrumentiPdf.h"
#include "support/VerificaCornice.h"
#include "platform/SuperficieStampaQt.h"
#include "support/Righe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <map>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

// "Salva come PDF…" on the three worksheet forms, used from their menu bars: the file holds the
// page "STAMPA" prints, behind the same check; a failure says what and where and loses nothing.
namespace {

using Schede::Tipo;
using Schede::testi;
using TipoOp = SuperficieRegistrata::Tipo;

const QString voceSalva = QStringLiteral("Salva come PDF…");

// Everything the worksheet holds: which picture each cell shows, and the four flags.
std::vector<int> contenuto(const ModelloScheda &modello)
{
    std::vector<int> celle;
    for (int e = 1; e <= 4; ++e) {
        celle.push_back(modello.mostrato(e) ? 1 : 0);
        for (auto insieme : {ModelloScheda::Insieme::Primo, ModelloScheda::Insieme::Secondo})
            for (int k = 0; k < ModelloScheda::celle; ++k)
                celle.push_back(modello.figura(e, insieme, k));
    }
    return celle;
}

// A printed page as the test's printer recorded it, drawn again on the in-memory PDF of an A4
// printer that states no margins of its own; the PDF's path.
QString suCarta(const SuperficieRegistrata &registrata)
{
    QByteArray pdf;
    {
        SuperficieStampaQt carta(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF()),
                                 300, QStringLiteral("stampa"), [&pdf](const QByteArray &dati) {
                                     pdf = dati;
                                     return true;
                                 });
        for (const auto &op : registrata.operazioni()) {
            switch (op.tipo) {
            case TipoOp::Carattere:
                carta.impostaDimensioneCarattere(op.valore);
                break;
            case TipoOp::Posizione:
                carta.impostaPosizione(op.x1, op.y1);
                break;
            case TipoOp::Riga:
                carta.stampaRiga(op.testo);
                break;
            case TipoOp::Spessore:
                carta.impostaSpessoreLinea(static_cast<int>(op.valore));
                break;
            case TipoOp::Linea:
                carta.linea(op.x1, op.y1, op.x2, op.y2);
                break;
            case TipoOp::Immagine:
                carta.immagine(op.x1, op.y1, op.figura);
                break;
            case TipoOp::Pagina:
                carta.nuovaPagina();
                break;
            case TipoOp::Fine:
                carta.fineDocumento();
                break;
            }
        }
    }
    return StrumentiPdf::salvaTemporaneo(pdf);
}

class SalvaPdf : public ::testing::TestWithParam<Tipo>
{
protected:
    SalvaPdf()
        : modulo(Schede::apri(*prova, *prova.dialogo, GetParam()))
    {
    }

    QStringList fileNellaCartella() const
    {
        return QDir(cartella.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    ContestoDiProva prova{{QStringLiteral("A")}, QStringLiteral("A")};
    QTemporaryDir cartella;
    std::unique_ptr<ModuloScheda> modulo;
};

TEST_P(SalvaPdf, TheFileHoldsThePageStampaPrintsBehindTheSameCheck)
{
    const QString percorso = cartella.filePath(QStringLiteral("mia scheda.pdf"));
    prova.sceltaFile.risposta = percorso;

    // Only the first set is made: the same answer as "STAMPA", and no dialog.
    ASSERT_TRUE(Schede::premiVoce(*modulo, voceSalva));
    EXPECT_EQ(prova.avvisi.messaggi, QStringList{QString::fromUtf8(testi(GetParam()).messaggio)});
    EXPECT_TRUE(prova.sceltaFile.proposte.isEmpty());
    EXPECT_TRUE(fileNellaCartella().isEmpty());

    Schede::generaTutti(*modulo);
    const std::vector<int> prima = contenuto(modulo->modello());
    ASSERT_TRUE(Schede::premiVoce(*modulo, voceSalva));
    EXPECT_EQ(prova.avvisi.messaggi.size(), 1) << prova.avvisi.messaggi.join(u'|').toStdString();
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(prova.sceltaFile.proposte,
              QStringList{QDir(documenti).filePath(
                  QStringLiteral("scheda-%1-2026-12-09.pdf").arg(Schede::nome(GetParam())))});
    ASSERT_EQ(prova.sceltaFile.filtri.size(), 1);
    EXPECT_TRUE(prova.sceltaFile.filtri[0].contains(QStringLiteral("*.pdf")));
    EXPECT_EQ(fileNellaCartella(), QStringList{QStringLiteral("mia scheda.pdf")});
    EXPECT_EQ(contenuto(modulo->modello()), prima);
    EXPECT_TRUE(modulo->isVisible());

    // The heading as text, where the printer puts it.
    VerificaCornice::intestazione(percorso, QString::fromUtf8(testi(GetParam()).istruzione));

    // The page "STAMPA" prints now, on paper of the same size, looks the same to the pixel and
    // carries the same pictures at their own pixel size.
    Schede::premiStampa(*modulo);
    ASSERT_EQ(prova.stampanti.documenti.size(), 1u);
    const SuperficieRegistrata &stampata = *prova.stampanti.documenti[0].superficie;
    const QString carta = suCarta(stampata);
    const QImage salvata = StrumentiPdf::pagina(percorso);
    ASSERT_FALSE(salvata.isNull());
    EXPECT_EQ(salvata.size(), QSize(1190, 1684)); // A4 portrait (595 x 842 points) at 144 dpi
    EXPECT_TRUE(salvata == StrumentiPdf::pagina(carta));
    QList<QSize> figure;
    for (const auto &op : stampata.operazioni())
        if (op.tipo == TipoOp::Immagine && !op.figura.isNull())
            figure.append(op.figura.size());
    EXPECT_EQ(figure.size(), testi(GetParam()).dueRiquadri ? 120 : 60);
    EXPECT_EQ(StrumentiPdf::dimensioniFigure(percorso), figure);
}

TEST_P(SalvaPdf, AnExistingFileIsReplacedWhole)
{
    const QString percorso = cartella.filePath(QStringLiteral("scheda.pdf"));
    const QByteArray vecchio(4 * 1024 * 1024, 'x');
    {
        QFile file(percorso);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(vecchio), vecchio.size());
    }
    prova.sceltaFile.risposta = percorso;
    Schede::generaTutti(*modulo);
    ASSERT_TRUE(Schede::premiVoce(*modulo, voceSalva));

    EXPECT_TRUE(prova.avvisi.messaggi.isEmpty()) << prova.avvisi.messaggi.join(u'|').toStdString();
    EXPECT_EQ(fileNellaCartella(), QStringList{QStringLiteral("scheda.pdf")});
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray dati = file.readAll();
    EXPECT_LT(dati.size(), vecchio.size());
    EXPECT_TRUE(dati.startsWith("%PDF-"));
    EXPECT_FALSE(dati.contains("xxxxxxxx"));
    VerificaCornice::intestazione(percorso, QString::fromUtf8(testi(GetParam()).istruzione));
}

TEST_P(SalvaPdf, AClassSetIsOneFileOfMarkedPagesWithTheirTextAsText)
{
    const QString percorso = cartella.filePath(QStringLiteral("classe.pdf"));
    prova.sceltaFile.risposta = percorso;
    const std::vector<int> prima = contenuto(modulo->modello());

    ASSERT_TRUE(Schede::serieDalMenu(*modulo, 5, voceSalva));
    EXPECT_TRUE(prova.avvisi.messaggi.isEmpty()) << prova.avvisi.messaggi.join(u'|').toStdString();
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(prova.sceltaFile.proposte,
              QStringList{QDir(documenti).filePath(
                  QStringLiteral("schede-%1-classe-2026-12-09.pdf").arg(Schede::nome(GetParam())))});
    EXPECT_EQ(fileNellaCartella(), QStringList{QStringLiteral("classe.pdf")});
    EXPECT_EQ(contenuto(modulo->modello()), prima);

    EXPECT_EQ(StrumentiPdf::pagine(percorso), 5);
    const QString testo = StrumentiPdf::testo(percorso);
    EXPECT_EQ(testo.count(QString::fromUtf8(testi(GetParam()).istruzione)), 5) << testo.toStdString();
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(testo.count(QStringLiteral("Scheda %1 di 5").arg(i)), 1) << i;
}

INSTANTIATE_TEST_SUITE_P(Tipi, SalvaPdf, ::testing::ValuesIn(Schede::tutti), Schede::nomeCaso);

// A file that cannot be written, or no file chosen at all.

// What stands in the way of the file.
enum class Ostacolo {
    Nessuno,
    // The folder exists but nobody may write in it (the test drops root's privileges for
    // the save when it runs as root, who could write anywhere).
    CartellaSolaLettura,
    // The file can be started but not finished: a limit on file size makes the writes fail
    // as a full disk does.
    DiscoPieno,
};

struct CasoSenzaFile
{
    const char *nome;
    // The answer of the dialog, under the test's folder unless absolute; empty: cancelled.
    const char *risposta;
    Ostacolo ostacolo;
    // The message, its %1 the folder or file named, under the test's folder unless absolute;
    // null: no message.
    const char *messaggio;
    const char *nominato;
};

using righe::PrintTo;

const char *const cartellaNonScrivibile
    = "La scheda non è stata salvata: non si può scrivere nella cartella\n%1\n"
      "Scegli un'altra cartella.";
const char *const discoPieno = "La scheda non è stata salvata: il file\n%1\nnon si è potuto "
                               "scrivere per intero (forse il disco è pieno).\nLibera spazio o "
                               "scegli un'altra cartella.";

// While it lives, this process writes as an ordinary user would: when it runs as root its
// effective user becomes "nobody", and back afterwards.
class ComeUtenteComune
{
public:
    ComeUtenteComune()
        : m_eraRoot(geteuid() == 0)
    {
        if (m_eraRoot) {
            EXPECT_EQ(seteuid(65534), 0);
        }
    }
    ~ComeUtenteComune()
    {
        if (m_eraRoot) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }
    ComeUtenteComune(const ComeUtenteComune &) = delete;
    ComeUtenteComune &operator=(const ComeUtenteComune &) = delete;

private:
    bool m_eraRoot;
};

// While it lives, no file of this process grows past a few kilobytes: a write beyond fails
// with an error, as on a full disk, instead of the signal that would end the program.
class DiscoQuasiPieno
{
public:
    DiscoQuasiPieno()
    {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &m_prima), 0);
        m_segnale = std::signal(SIGXFSZ, SIG_IGN);
        rlimit stretto = m_prima;
        stretto.rlim_cur = 16 * 1024;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &stretto), 0);
    }
    ~DiscoQuasiPieno()
    {
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &m_prima), 0);
        std::signal(SIGXFSZ, m_segnale);
    }
    DiscoQuasiPieno(const DiscoQuasiPieno &) = delete;
    DiscoQuasiPieno &operator=(const DiscoQuasiPieno &) = delete;

private:
    rlimit m_prima{};
    void (*m_segnale)(int) = SIG_DFL;
};

// Every file under a folder with its bytes.
std::map<QString, QByteArray> fotografia(const QString &cartella)
{
    std::map<QString, QByteArray> risultato;
    QDirIterator it(cartella, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString percorso = it.next();
        QFile file(percorso);
        risultato[percorso] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<cartella>");
    }
    return risultato;
}

class SalvaPdfSenzaFile : public ::testing::TestWithParam<CasoSenzaFile>
{
protected:
    ~SalvaPdfSenzaFile() override
    {
        // Writable again, so the temporary folder goes away whoever runs the test.
        QFile::setPermissions(cartella.filePath(QStringLiteral("sola")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString sotto(const char *percorso) const
    {
        const QString p = QString::fromUtf8(percorso);
        return p.isEmpty() || QDir::isAbsolutePath(p) ? p : cartella.filePath(p);
    }

    ContestoDiProva prova{{QStringLiteral("A")}, QStringLiteral("A")};
    QTemporaryDir cartella;
};

TEST_P(SalvaPdfSenzaFile, SaysWhatAndWhereAndLeavesNoFileAndTheWorksheetAsItWas)
{
    const CasoSenzaFile &caso = GetParam();
    std::unique_ptr<ModuloScheda> modulo(Schede::apri(*prova, *prova.dialogo, Tipo::Aggiungi));
    Schede::generaTutti(*modulo);
    const std::vector<int> prima = contenuto(modulo->modello());
    prova.sceltaFile.risposta = sotto(caso.risposta);

    // A worksheet saved there before, which a failed save must leave as it was.
    const QByteArray vecchia("%PDF-1.4 la scheda di ieri");
    if (caso.ostacolo != Ostacolo::Nessuno) {
        QDir(cartella.path()).mkdir(QStringLiteral("sola"));
        QFile file(prova.sceltaFile.risposta);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(vecchia), vecchia.size());
    }
    if (caso.ostacolo == Ostacolo::CartellaSolaLettura) {
        ASSERT_TRUE(QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::WriteOwner
                                                               | QFile::ExeOwner | QFile::ReadOther
                                                               | QFile::ExeOther));
        ASSERT_TRUE(QFile::setPermissions(cartella.filePath(QStringLiteral("sola")),
                                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther
                                              | QFile::ExeOther));
    }
    const auto primaDelSalvataggio = fotografia(cartella.path());

    {
        std::optional<ComeUtenteComune> utente;
        std::optional<DiscoQuasiPieno> disco;
        if (caso.ostacolo == Ostacolo::CartellaSolaLettura)
            utente.emplace();
        if (caso.ostacolo == Ostacolo::DiscoPieno)
            disco.emplace();
        ASSERT_TRUE(Schede::premiVoce(*modulo, voceSalva));
    }

    EXPECT_EQ(prova.sceltaFile.proposte.size(), 1);
    const QStringList attesi = caso.messaggio
        ? QStringList{QString::fromUtf8(caso.messaggio).arg(sotto(caso.nominato))}
        : QStringList{};
    EXPECT_EQ(prova.avvisi.messaggi, attesi);
    // Not a byte more or less on disk: no half file, no leftover, the old file whole.
    EXPECT_EQ(fotografia(cartella.path()), primaDelSalvataggio);
    if (caso.ostacolo == Ostacolo::Nessuno) {
        EXPECT_FALSE(QFile::exists(prova.sceltaFile.risposta));
    }
    EXPECT_EQ(contenuto(modulo->modello()), prima);
    EXPECT_TRUE(modulo->isVisible());

    // The worksheet is still there to be printed.
    Schede::premiStampa(*modulo);
    EXPECT_EQ(prova.stampanti.documenti.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, SalvaPdfSenzaFile,
    ::testing::Values(
        CasoSenzaFile{"cartellaSolaLettura", "sola/scheda.pdf", Ostacolo::CartellaSolaLettura,
                      cartellaNonScrivibile, "sola"},
        CasoSenzaFile{"discoPieno", "sola/scheda.pdf", Ostacolo::DiscoPieno, discoPieno,
                      "sola/scheda.pdf"},
        CasoSenzaFile{"cartellaInesistente", "manca/scheda.pdf", Ostacolo::Nessuno,
                      cartellaNonScrivibile, "manca"},
        CasoSenzaFile{"sottoUnFileNonUnaCartella", "/dev/null/scheda.pdf", Ostacolo::Nessuno,
                      cartellaNonScrivibile, "/dev/null"},
        CasoSenzaFile{"dialogoAnnullato", "", Ostacolo::Nessuno, nullptr, nullptr}),
    righe::perNome);

} // namespace
