#include "support/CupsPrivato.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <cups/cups.h>

#include <csignal>
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

const QStringList cartelleSistema = {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                     QStringLiteral("/usr/bin"), QStringLiteral("/bin")};

QString trovaProgramma(const QString &nome)
{
    QString percorso = QStandardPaths::findExecutable(nome);
    if (percorso.isEmpty())
        percorso = QStandardPaths::findExecutable(nome, cartelleSistema);
    return percorso;
}

QString trovaPpd()
{
    for (const char *p : {"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd",
                          "/usr/share/cups/model/CUPS-PDF_opt.ppd",
                          "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd",
                          "/usr/share/cups/model/CUPS-PDF.ppd"}) {
        if (QFileInfo::exists(QString::fromLatin1(p)))
            return QString::fromLatin1(p);
    }
    return {};
}

bool scrivi(const QString &percorso, const QString &testo)
{
    QFile f(percorso);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(testo.toUtf8()) >= 0;
}

// One key of cups-pdf's configuration file, or an empty string.
QString chiaveCupsPdf(const QString &file, const QString &chiave)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString valore;
    while (!f.atEnd()) {
        const QString riga = QString::fromUtf8(f.readLine()).trimmed();
        if (riga.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parti = riga.split(QRegularExpression(QStringLiteral("\\s+")));
        if (parti.size() >= 2 && parti.first() == chiave)
            valore = riga.mid(chiave.size()).trimmed();
    }
    return valore;
}

// A job names its queue as the last part of the queue's URI, with the bytes outside ASCII
// percent-encoded.
QString nomeCoda(const char *destinazione)
{
    return QUrl::fromPercentEncoding(QByteArray(destinazione));
}

QStringList &titoliUsati()
{
    static QStringList titoli;
    return titoli;
}

} // namespace

CupsPrivato::CupsPrivato()
    : m_cartella(QDir::tempPath() + QStringLiteral("/tandorino-cups-XXXXXX"))
{
    if (geteuid() != 0) {
        m_errore = QStringLiteral("il backend cups-pdf richiede root");
        return;
    }
    const QString cupsd = trovaProgramma(QStringLiteral("cupsd"));
    if (cupsd.isEmpty() || trovaPpd().isEmpty() || trovaProgramma(QStringLiteral("lpadmin")).isEmpty()) {
        m_errore = QStringLiteral("cupsd, lpadmin o cups-pdf mancanti");
        return;
    }
    if (!m_cartella.isValid()) {
        m_errore = QStringLiteral("cartella temporanea non creata");
        return;
    }
    const QString base = m_cartella.path();
    // Filters run as lp and have to reach the spool through this folder.
    QFile::setPermissions(base, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                    | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                    | QFileDevice::ExeOther);
    for (const char *sotto : {"etc/ppd", "spool/tmp", "cache", "run", "log", "casa"})
        QDir(base).mkpath(QString::fromLatin1(sotto));

    const QString gruppo = getgrnam("lp") ? QStringLiteral("lp") : QStringLiteral("root");
    const bool fileScritti
        = scrivi(base + QStringLiteral("/etc/cups-files.conf"),
                 QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                                "CacheDir %1/cache\nStateDir %1/run\nErrorLog %1/log/error_log\n"
                                "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                "Printcap %1/run/printcap\nUser lp\nGroup %2\nSystemGroup root\n"
                                "FileDevice No\n")
                     .arg(base, gruppo))
        && scrivi(base + QStringLiteral("/etc/cupsd.conf"),
                  QStringLiteral("Listen %1/cups.sock\nLogLevel info\nBrowsing No\n"
                                 "WebInterface No\nDefaultAuthType None\nMaxJobs 0\nDefaultPaperSize A4\n"
                                 "PreserveJobHistory Yes\n"
                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                 "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                 "  </Limit>\n</Policy>\n")
                      .arg(base));
    if (!fileScritti) {
        m_errore = QStringLiteral("configurazione non scritta");
        return;
    }

    // The test and everything it starts talk to this server only, whatever the machine has
    // configured for its user or as default destination.
    qputenv("CUPS_SERVER", socket().toLocal8Bit());
    qputenv("CUPS_SERVERROOT", (base + QStringLiteral("/etc")).toLocal8Bit());
    qputenv("HOME", (base + QStringLiteral("/casa")).toLocal8Bit());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    cupsSetServer(socket().toLocal8Bit().constData());

    m_cupsd = cupsd;
    m_avviato = avviaDemone();
}

bool CupsPrivato::avviaDemone()
{
    const QString base = m_cartella.path();
    m_demone = std::make_unique<QProcess>();
    m_demone->setProgram(m_cupsd);
    m_demone->setArguments({QStringLiteral("-f"), QStringLiteral("-c"),
                            base + QStringLiteral("/etc/cupsd.conf"), QStringLiteral("-s"),
                            base + QStringLiteral("/etc/cups-files.conf")});
    m_demone->setStandardOutputFile(base + QStringLiteral("/log/cupsd.out"), QIODevice::Append);
    m_demone->setStandardErrorFile(base + QStringLiteral("/log/cupsd.out"), QIODevice::Append);
    // If the test dies, the daemon goes with it.
    m_demone->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_demone->start();
    if (!m_demone->waitForStarted(10000)) {
        m_errore = QStringLiteral("cupsd non parte");
        return false;
    }
    for (int i = 0; i < 200; ++i) {
        if (m_demone->state() != QProcess::Running) {
            m_errore = QStringLiteral("cupsd si è fermato");
            return false;
        }
        if (QFileInfo::exists(socket())
            && comando(QStringLiteral("lpstat"), {QStringLiteral("-r")}))
            return true;
        QThread::msleep(50);
    }
    m_errore = QStringLiteral("cupsd non risponde");
    return false;
}

bool CupsPrivato::fermaDemone()
{
    if (!m_demone || m_demone->state() != QProcess::Running)
        return false;
    riprendiDemone();
    m_demone->terminate();
    if (!m_demone->waitForFinished(10000)) {
        m_demone->kill();
        m_demone->waitForFinished(5000);
    }
    return m_demone->state() == QProcess::NotRunning;
}

bool CupsPrivato::riavviaDemone()
{
    if (m_demone && m_demone->state() == QProcess::Running)
        return true;
    return avviaDemone();
}

bool CupsPrivato::sospendiDemone()
{
    if (!m_demone || m_demone->state() != QProcess::Running)
        return false;
    m_sospeso = ::kill(static_cast<pid_t>(m_demone->processId()), SIGSTOP) == 0;
    return m_sospeso;
}

bool CupsPrivato::riprendiDemone()
{
    if (!m_sospeso)
        return true;
    m_sospeso = ::kill(static_cast<pid_t>(m_demone->processId()), SIGCONT) != 0;
    return !m_sospeso;
}

CupsPrivato::~CupsPrivato()
{
    riprendiDemone();
    if (m_demone && m_demone->state() == QProcess::Running) {
        m_demone->terminate();
        if (!m_demone->waitForFinished(10000))
            m_demone->kill();
        m_demone->waitForFinished(5000);
    }
    for (const QString &coda : std::as_const(m_code)) {
        const QDir cartella(cartellaPdf(coda));
        for (const QString &titolo : titoliUsati()) {
            for (const QString &pdf : cartella.entryList({titolo + QStringLiteral("*.pdf")}, QDir::Files))
                QFile::remove(cartella.filePath(pdf));
        }
    }
}

QString CupsPrivato::socket() const
{
    return m_cartella.path() + QStringLiteral("/cups.sock");
}

bool CupsPrivato::comando(const QString &programma, const QStringList &argomenti)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(trovaProgramma(programma), argomenti);
    if (!p.waitForFinished(30000))
        return false;
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool CupsPrivato::aggiungiCoda(const QString &nome)
{
    if (!m_code.contains(nome))
        m_code.append(nome);
    return comando(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), nome, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), trovaPpd(),
                    // Keeps the text of the page readable in the PDF (as text, not as
                    // glyph drawings), so a test can read the heading back.
                    QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")});
}

bool CupsPrivato::impostaPredefinita(const QString &nome)
{
    return comando(QStringLiteral("lpadmin"), {QStringLiteral("-d"), nome});
}

bool CupsPrivato::rimuoviCoda(const QString &nome)
{
    return comando(QStringLiteral("lpadmin"), {QStringLiteral("-x"), nome});
}

bool CupsPrivato::rimuoviTutte()
{
    cups_dest_t *dest = nullptr;
    const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dest);
    QStringList nomi;
    for (int i = 0; i < n; ++i)
        nomi.append(QString::fromUtf8(dest[i].name));
    cupsFreeDests(n, dest);
    bool ok = true;
    for (const QString &nome : nomi)
        ok = rimuoviCoda(nome) && ok;
    return ok;
}

bool CupsPrivato::soloCode(const QStringList &code, const QString &predefinita)
{
    if (!rimuoviTutte())
        return false;
    for (const QString &coda : code)
        if (!aggiungiCoda(coda))
            return false;
    return impostaPredefinita(predefinita);
}

bool CupsPrivato::fermaCoda(const QString &nome)
{
    return comando(QStringLiteral("cupsdisable"), {nome});
}

bool CupsPrivato::rifiutaLavori(const QString &nome)
{
    return comando(QStringLiteral("cupsreject"), {nome});
}

bool CupsPrivato::riattivaCoda(const QString &nome)
{
    return comando(QStringLiteral("cupsenable"), {nome})
        && comando(QStringLiteral("cupsaccept"), {nome});
}

QStringList CupsPrivato::codeDeiLavori(const QString &titolo) const
{
    cups_job_t *lavori = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, nullptr, 0, CUPS_WHICHJOBS_ALL);
    QStringList code;
    for (int i = 0; i < n; ++i) {
        if (QString::fromUtf8(lavori[i].title) == titolo)
            code.append(nomeCoda(lavori[i].dest));
    }
    cupsFreeJobs(n, lavori);
    return code;
}

int CupsPrivato::pdfConTitolo(const QString &titolo) const
{
    // Queues usually share one folder: each is searched once.
    QStringList cartelle;
    for (const QString &coda : std::as_const(m_code)) {
        const QString cartella = QDir(cartellaPdf(coda)).canonicalPath();
        if (!cartella.isEmpty() && !cartelle.contains(cartella))
            cartelle.append(cartella);
    }
    int trovati = 0;
    for (const QString &cartella : std::as_const(cartelle))
        trovati += static_cast<int>(
            QDir(cartella).entryList({titolo + QStringLiteral("*.pdf")}, QDir::Files).size());
    return trovati;
}

QString CupsPrivato::titoloUnico()
{
    static int contatore = 0;
    const QString titolo = QStringLiteral("tandorino-prova-%1-%2-%3")
                               .arg(QCoreApplication::applicationPid())
                               .arg(QDateTime::currentMSecsSinceEpoch())
                               .arg(++contatore);
    titoliUsati().append(titolo);
    return titolo;
}

bool CupsPrivato::lavoriInCorso() const
{
    cups_job_t *lavori = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(n, lavori);
    return n > 0;
}

QList<int> CupsPrivato::lavoriCompletati(const QString &coda) const
{
    cups_job_t *lavori = nullptr;
    const QByteArray nome = coda.toUtf8();
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, nome.constData(), 0,
                               CUPS_WHICHJOBS_COMPLETED);
    QList<int> id;
    for (int i = 0; i < n; ++i) {
        if (lavori[i].state == IPP_JSTATE_COMPLETED)
            id.append(lavori[i].id);
    }
    cupsFreeJobs(n, lavori);
    std::sort(id.begin(), id.end());
    return id;
}

// Where cups-pdf puts the files of the user who sends the jobs: read from its configuration
// (the queue's own file first), never changed.
QString CupsPrivato::cartellaPdf(const QString &coda) const
{
    const QString conf = QStringLiteral("/etc/cups/cups-pdf.conf");
    const QString confCoda = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(coda);
    const QString letta = QFileInfo::exists(confCoda) ? confCoda : conf;

    const QByteArray utente = cupsUser();
    const passwd *pw = getpwnam(utente.constData());
    if (!pw) {
        const QString anonima = chiaveCupsPdf(letta, QStringLiteral("AnonDirName"));
        return anonima.isEmpty() ? QStringLiteral("/var/spool/cups-pdf/ANONYMOUS") : anonima;
    }
    QString uscita = chiaveCupsPdf(letta, QStringLiteral("Out"));
    if (uscita.isEmpty())
        uscita = QStringLiteral("/var/spool/cups-pdf/${USER}");
    uscita.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(pw->pw_dir));
    uscita.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(utente));
    return uscita;
}

QString CupsPrivato::attendiPdf(const QString &titolo, int attesaMs)
{
    // The queue is only needed for its own cups-pdf file, if there is one; the title alone
    // tells the job apart, so any queue's folder is searched.
    cups_job_t *lavori = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, nullptr, 0, CUPS_WHICHJOBS_ALL);
    QString coda;
    for (int i = 0; i < n; ++i) {
        if (QString::fromUtf8(lavori[i].title) == titolo)
            coda = nomeCoda(lavori[i].dest);
    }
    cupsFreeJobs(n, lavori);
    if (coda.isEmpty())
        return {};

    const QDir cartella(cartellaPdf(coda));
    const QDateTime limite = QDateTime::currentDateTime().addMSecs(attesaMs);
    while (QDateTime::currentDateTime() < limite) {
        if (!lavoriInCorso()) {
            const QFileInfoList trovati = cartella.entryInfoList(
                {titolo + QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            if (!trovati.isEmpty()) {
                return trovati.first().absoluteFilePath();
            }
        }
        QThread::msleep(100);
    }
    return {};
}
