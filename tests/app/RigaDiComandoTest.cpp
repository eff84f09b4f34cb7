#include "app/RigaDiComando.h"
#include "support/Righe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

struct Riga
{
    const char *nome;
    QStringList argomenti;
    bool avvia;
    int stato; // the real program's, run without a display: 1 when it would start
    const char *uscita; // patterns for the whole of standard output and standard error
    const char *errore;
    bool voce;
    bool schermoIntero;
};

using righe::PrintTo;

using RigaDiComandoProva = ::testing::TestWithParam<Riga>;

bool combacia(const char *modello, const QString &testo)
{
    return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(QString::fromUtf8(modello)),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(testo)
        .hasMatch();
}

} // namespace

// The options as the class reads them, and as the real program answers them on a terminal with
// no display at all: help and version still answer, a wrong option is one line and status 2.
TEST_P(RigaDiComandoProva, RispostaEStato)
{
    const Riga &r = GetParam();
    const RigaDiComando riga(QStringList{QStringLiteral("tandorino")} + r.argomenti);
    EXPECT_EQ(riga.avvia(), r.avvia);
    EXPECT_EQ(riga.opzioni().voce, r.voce);
    EXPECT_EQ(riga.opzioni().schermoIntero, r.schermoIntero);

    QProcess programma;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char *variabile : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ambiente.remove(QString::fromLatin1(variabile));
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(PROGRAMMA_TANDORINO), r.argomenti);
    ASSERT_TRUE(programma.waitForFinished(60000));
    const QString uscita = QString::fromUtf8(programma.readAllStandardOutput());
    const QString errore = QString::fromUtf8(programma.readAllStandardError());
    EXPECT_EQ(programma.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programma.exitCode(), r.stato);
    EXPECT_TRUE(combacia(r.uscita, uscita)) << uscita.toStdString();
    EXPECT_TRUE(combacia(r.errore, errore)) << errore.toStdString();
}

namespace {
// Every option listed with its description.
const char *const aiuto = "Uso: tandorino \\[opzioni\\]\n.*\n  -h, --help +\\S.*\n  -v, --version +\\S.*\n"
                          "  --voce +\\S.*\n  --schermo-intero +\\S[^\n]*\n";
// The name and the version of this build.
const std::string versione =
    "Tandorino " + QRegularExpression::escape(QStringLiteral(VERSIONE_PROGETTO)).toStdString() + "\n";
const char *const senzaDisplay = "tandorino: [^\n]*display[^\n]*\n";
// One line that names the argument at fault and points to the list of options.
#define RIGA_SBAGLIATA(argomento) "tandorino: [^\n]*\"" argomento "\"[^\n]*\"tandorino --help\"[^\n]*\n"
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Opzioni, RigaDiComandoProva,
    ::testing::Values(
        Riga{"nessuna", {}, true, 1, "", senzaDisplay, false, false},
        Riga{"aiuto", {"--help"}, false, 0, aiuto, "", false, false},
        Riga{"aiuto_breve", {"-h"}, false, 0, aiuto, "", false, false},
        Riga{"aiuto_vince_sulle_altre", {"--voce", "--help"}, false, 0, aiuto, "", false, false},
        Riga{"versione", {"--version"}, false, 0, versione.c_str(), "", false, false},
        Riga{"versione_breve", {"-v"}, false, 0, versione.c_str(), "", false, false},
        Riga{"voce", {"--voce"}, true, 1, "", senzaDisplay, true, false},
        Riga{"schermo_intero", {"--schermo-intero"}, true, 1, "", senzaDisplay, false, true},
        Riga{"tutte_e_due", {"--schermo-intero", "--voce"}, true, 1, "", senzaDisplay, true, true},
        Riga{"opzioni_di_qt", {"-platform", "xcb", "-reverse", "--voce"}, true, 1, "", senzaDisplay, true, false},
        Riga{"sconosciuta", {"--pippo"}, false, 2, "", RIGA_SBAGLIATA("--pippo"), false, false},
        Riga{"sconosciuta_con_valida", {"--voce", "-x"}, false, 2, "", RIGA_SBAGLIATA("-x"), false, false},
        Riga{"valore_mancante", {"-style"}, false, 2, "", RIGA_SBAGLIATA("-style"), false, false},
        Riga{"valore_di_troppo", {"--voce=1"}, false, 2, "", RIGA_SBAGLIATA("--voce"), false, false},
        Riga{"file", {"scheda.pdf"}, false, 2, "", RIGA_SBAGLIATA("scheda\\.pdf"), false, false}),
    righe::perNome);

// The line says what is wrong: the same mistake with another option reads the same, each kind of
// mistake reads differently.
TEST(RigaSbagliata, EachKindOfMistakeIsToldApart)
{
    auto motivo = [](const QStringList &argomenti, const QString &colpevole) {
        QString errore = RigaDiComando(QStringList{QStringLiteral("tandorino")} + argomenti).errore();
        EXPECT_TRUE(errore.contains(colpevole)) << errore.toStdString();
        return errore.replace(colpevole, QStringLiteral("X"));
    };
    const QString sconosciuta = motivo({"--pippo"}, QStringLiteral("--pippo"));
    EXPECT_EQ(motivo({"-x"}, QStringLiteral("-x")), sconosciuta);
    const QSet<QString> motivi{sconosciuta, motivo({"-style"}, QStringLiteral("-style")),
                               motivo({"--voce=1"}, QStringLiteral("--voce")),
                               motivo({"scheda.pdf"}, QStringLiteral("scheda.pdf"))};
    EXPECT_EQ(motivi.size(), 4);
}
