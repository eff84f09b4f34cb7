#include "app/RigaDiComando.h"

#include <QProcess>
#include <QRegularExpression>
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

std::ostream &operator<<(std::ostream &os, const Riga &r)
{
    return os << r.nome;
}

class RigaDiComandoProva : public ::testing::TestWithParam<Riga>
{
};

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
const char *const aiuto = "Uso: tandorino \\[opzioni\\]\n.*\n  -h, --help +\\S.*\n  -v, --version +\\S.*\n"
                          "  --voce +\\S.*\n  --schermo-intero +\\S[^\n]*\n";
const char *const senzaDisplay = "tandorino: [^\n]*display[^\n]*\n";
const char *const unaRigaSbagliata = "tandorino: [^\n]*\"tandorino --help\" elenca le opzioni\\.\n";
} // namespace

INSTANTIATE_TEST_SUITE_P(
    Opzioni, RigaDiComandoProva,
    ::testing::Values(
        Riga{"nessuna", {}, true, 1, "", senzaDisplay, false, false},
        Riga{"aiuto", {"--help"}, false, 0, aiuto, "", false, false},
        Riga{"aiuto_breve", {"-h"}, false, 0, aiuto, "", false, false},
        Riga{"aiuto_vince_sulle_altre", {"--voce", "--help"}, false, 0, aiuto, "", false, false},
        Riga{"versione", {"--version"}, false, 0, "Tandorino 1\\.0\\.0\n", "", false, false},
        Riga{"versione_breve", {"-v"}, false, 0, "Tandorino 1\\.0\\.0\n", "", false, false},
        Riga{"voce", {"--voce"}, true, 1, "", senzaDisplay, true, false},
        Riga{"schermo_intero", {"--schermo-intero"}, true, 1, "", senzaDisplay, false, true},
        Riga{"tutte_e_due", {"--schermo-intero", "--voce"}, true, 1, "", senzaDisplay, true, true},
        Riga{"opzioni_di_qt", {"-platform", "xcb", "-reverse", "--voce"}, true, 1, "", senzaDisplay, true, false},
        Riga{"sconosciuta", {"--pippo"}, false, 2, "", "tandorino: opzione sconosciuta \"--pippo\";[^\n]*\n", false, false},
        Riga{"sconosciuta_con_valida", {"--voce", "-x"}, false, 2, "", "tandorino: opzione sconosciuta \"-x\";[^\n]*\n", false, false},
        Riga{"valore_mancante", {"-style"}, false, 2, "", "tandorino: all'opzione \"-style\" manca il valore;[^\n]*\n", false, false},
        Riga{"valore_di_troppo", {"--voce=1"}, false, 2, "", "tandorino: l'opzione \"--voce\" non prende valori;[^\n]*\n", false, false},
        Riga{"file", {"scheda.pdf"}, false, 2, "", unaRigaSbagliata, false, false}),
    [](const ::testing::TestParamInfo<Riga> &info) { return std::string(info.param.nome); });
