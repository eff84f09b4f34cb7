#include "app/RigaDiComando.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QRegularExpression>

namespace {

const QString aiuto = QStringLiteral("help");
const QString versione = QStringLiteral("version");
const QString voce = QStringLiteral("voce");
const QString schermoIntero = QStringLiteral("schermo-intero");

// The options every Qt program takes (the platform, the style, the window's geometry...): Qt
// reads them itself, so they are accepted here without a word in the help.
QList<QCommandLineOption> opzioniDiQt()
{
    QList<QCommandLineOption> elenco;
    const QStringList conValore = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
        QStringLiteral("platformtheme"), QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("qwindowicon"), QStringLiteral("qwindowtitle"), QStringLiteral("session"),
        QStringLiteral("display"), QStringLiteral("geometry"), QStringLiteral("name"),
        QStringLiteral("title"), QStringLiteral("style"), QStringLiteral("stylesheet")};
    const QStringList senzaValore = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                     QStringLiteral("sync"), QStringLiteral("nograb"),
                                     QStringLiteral("dograb")};
    for (const QString &nome : conValore)
        elenco.append(QCommandLineOption(nome, QString(), QStringLiteral("valore")));
    for (const QString &nome : senzaValore)
        elenco.append(QCommandLineOption(nome));
    for (QCommandLineOption &opzione : elenco)
        opzione.setFlags(QCommandLineOption::HiddenFromHelp);
    return elenco;
}

// "-h", "--help": one letter takes one dash, a word two.
QString conTrattini(const QString &nome)
{
    return (nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nome;
}

QString testoAiuto(const QList<QCommandLineOption> &opzioni)
{
    QString testo = QStringLiteral("Uso: tandorino [opzioni]\n"
                                   "Insiemi equipotenti per la scuola primaria.\n\n"
                                   "Opzioni:\n");
    for (const QCommandLineOption &opzione : opzioni) {
        QStringList nomi;
        for (const QString &nome : opzione.names())
            nomi.append(conTrattini(nome));
        testo += QStringLiteral("  %1%2\n").arg(nomi.join(QStringLiteral(", ")), -20).arg(opzione.description());
    }
    return testo;
}

} // namespace

RigaDiComando::RigaDiComando(const QStringList &argomenti)
{
    const QList<QCommandLineOption> nostre = {
        QCommandLineOption({QStringLiteral("h"), aiuto}, QStringLiteral("Mostra queste righe ed esce.")),
        QCommandLineOption({QStringLiteral("v"), versione}, QStringLiteral("Mostra la versione ed esce.")),
        QCommandLineOption(voce, QStringLiteral("Parte con la lettura ad alta voce accesa.")),
        QCommandLineOption(schermoIntero,
                           QStringLiteral("Parte a schermo intero, per la lavagna interattiva.")),
    };
    QCommandLineParser lettore;
    // Qt's own options have one dash and a whole word ("-platform xcb").
    lettore.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    lettore.addOptions(nostre);
    lettore.addOptions(opzioniDiQt());

    const auto fine = [this](int stato) {
        m_avvia = false;
        m_stato = stato;
    };
    if (!lettore.parse(argomenti)) {
        const QStringList sconosciute = lettore.unknownOptionNames();
        if (!sconosciute.isEmpty()) {
            m_errore = QStringLiteral("opzione sconosciuta \"%1\"").arg(conTrattini(sconosciute.first()));
        } else {
            // A value missing after an option that takes one, or given to one that takes none:
            // Qt's English sentence quotes the option, which is all the user needs.
            static const QRegularExpression citata(QStringLiteral("'([^']*)'"));
            const QString nome = citata.match(lettore.errorText()).captured(1);
            m_errore = lettore.errorText().startsWith(QLatin1String("Missing"))
                ? QStringLiteral("all'opzione \"%1\" manca il valore").arg(nome)
                : QStringLiteral("l'opzione \"%1\" non prende valori").arg(nome);
        }
        m_errore = QStringLiteral("tandorino: %1; \"tandorino --help\" elenca le opzioni.\n").arg(m_errore);
        fine(statoRigaSbagliata);
        return;
    }
    if (lettore.isSet(aiuto)) {
        m_uscita = testoAiuto(nostre);
        fine(0);
        return;
    }
    if (lettore.isSet(versione)) {
        m_uscita = QStringLiteral("Tandorino " TANDORINO_VERSIONE "\n");
        fine(0);
        return;
    }
    // The program opens no files.
    if (!lettore.positionalArguments().isEmpty()) {
        m_errore = QStringLiteral("tandorino: argomento inatteso \"%1\"; \"tandorino --help\" elenca le opzioni.\n")
                       .arg(lettore.positionalArguments().constFirst());
        fine(statoRigaSbagliata);
        return;
    }
    m_opzioni.voce = lettore.isSet(voce);
    m_opzioni.schermoIntero = lettore.isSet(schermoIntero);
}
