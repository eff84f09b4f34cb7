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

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <grp.h>
#include <netinet/in.h>
#include <sys/socket.h>
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

// A TCP port on the loopback interface that nothing listens on now.
int portaLibera()
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lunghezza = sizeof indirizzo;
    int porta = 0;
    if (::bind(s, reinterpret_cast<sockaddr *>(&indirizzo), sizeof indirizzo) == 0
        && ::getsockname(s, reinterpret_cast<sockaddr *>(&indirizzo), &lunghezza) == 0)
        porta = ntohs(indirizzo.sin_port);
    ::close(s);
    return porta;
}

void fermaProcesso(QProcess *processo)
{
    if (!processo || processo->state() == QProcess::NotRunning)
        return;
    processo->terminate();
    if (!processo->waitForFinished(10000))
        processo->kill();
    processo->waitForFinished(5000);
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
    for (const char *sotto : {"etc/ppd", "spool/tmp", "cache", "run", "log", "casa", "ipp"})
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
    fermaProcesso(m_demone.get());
    fermaProcesso(m_stampanteIpp.get());
    fermaProcesso(m_bus.get());
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
    return predefinita.isEmpty() ? predefinitaDelServer().isEmpty()
                                 : impostaPredefinita(predefinita);
}

QString CupsPrivato::predefinitaDelServer() const
{
    // Asked of the server itself: the library's own answer would put the user's lpoptions first.
    ipp_t *risposta = cupsDoRequest(CUPS_HTTP_DEFAULT, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    QString nome;
    if (ipp_attribute_t *a = risposta ? ippFindAttribute(risposta, "printer-name", IPP_TAG_NAME)
                                      : nullptr)
        nome = QString::fromUtf8(ippGetString(a, 0, nullptr));
    ippDelete(risposta);
    return nome;
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

QStringList CupsPrivato::fileOpzioniUtente() const
{
    // Where lpoptions keeps a user's settings: at home, or for root with the server's
    // configuration on older CUPS. Both point into this object's folder.
    const QString base = m_cartella.path();
    return {base + QStringLiteral("/casa/.cups/lpoptions"), base + QStringLiteral("/etc/lpoptions")};
}

bool CupsPrivato::lpoptions(const QStringList &argomenti)
{
    if (!comando(QStringLiteral("lpoptions"), argomenti))
        return false;
    const QStringList file = fileOpzioniUtente();
    return std::any_of(file.begin(), file.end(), [](const QString &f) { return QFileInfo::exists(f); });
}

bool CupsPrivato::impostaPredefinitaUtente(const QString &destinazione)
{
    return lpoptions({QStringLiteral("-d"), destinazione});
}

bool CupsPrivato::salvaOpzioniUtente(const QString &destinazione, const QStringList &opzioni)
{
    QStringList argomenti{QStringLiteral("-p"), destinazione};
    for (const QString &opzione : opzioni)
        argomenti << QStringLiteral("-o") << opzione;
    return lpoptions(argomenti);
}

bool CupsPrivato::dimenticaOpzioniUtente()
{
    bool tolti = true;
    for (const QString &file : fileOpzioniUtente())
        tolti = (!QFileInfo::exists(file) || QFile::remove(file)) && tolti;
    return tolti;
}

bool CupsPrivato::avviaStampanteIpp()
{
    if (m_stampanteIpp && m_stampanteIpp->state() == QProcess::Running)
        return true;
    const QString programma = trovaProgramma(QStringLiteral("ippeveprinter"));
    m_portaIpp = portaLibera();
    if (programma.isEmpty() || m_portaIpp == 0) {
        m_errore = QStringLiteral("ippeveprinter mancante");
        return false;
    }
    const QString base = m_cartella.path();
    // ippeveprinter will not start without a message bus to reach the DNS-SD daemon through,
    // even when it announces nothing: it gets a bus of its own, with no daemon on it.
    const QString bus = base + QStringLiteral("/run/bus.sock");
    const QString dbus = trovaProgramma(QStringLiteral("dbus-daemon"));
    if (dbus.isEmpty()) {
        m_errore = QStringLiteral("dbus-daemon mancante");
        return false;
    }
    m_bus = std::make_unique<QProcess>();
    m_bus->setProgram(dbus);
    m_bus->setArguments({QStringLiteral("--session"), QStringLiteral("--nofork"),
                         QStringLiteral("--nopidfile"),
                         QStringLiteral("--address=unix:path=") + bus});
    m_bus->setStandardOutputFile(base + QStringLiteral("/log/bus.out"), QIODevice::Append);
    m_bus->setStandardErrorFile(base + QStringLiteral("/log/bus.out"), QIODevice::Append);
    m_bus->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_bus->start();
    for (int i = 0; i < 200 && !QFileInfo::exists(bus) && m_bus->state() != QProcess::NotRunning; ++i)
        QThread::msleep(25);
    if (!QFileInfo::exists(bus)) {
        m_errore = QStringLiteral("dbus-daemon non parte");
        return false;
    }

    m_stampanteIpp = std::make_unique<QProcess>();
    m_stampanteIpp->setProgram(programma);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=") + bus);
    m_stampanteIpp->setProcessEnvironment(ambiente);
    // Loopback only, no announcement on the network; every document kept in the spool.
    m_stampanteIpp->setArguments({QStringLiteral("-p"), QString::number(m_portaIpp),
                                  QStringLiteral("-n"), QStringLiteral("localhost"),
                                  QStringLiteral("-r"), QStringLiteral("off"),
                                  QStringLiteral("-f"), QStringLiteral("application/pdf"),
                                  QStringLiteral("-d"), base + QStringLiteral("/ipp"),
                                  QStringLiteral("-k"), QStringLiteral("Stampante IPP")});
    m_stampanteIpp->setStandardOutputFile(base + QStringLiteral("/log/ipp.out"), QIODevice::Append);
    m_stampanteIpp->setStandardErrorFile(base + QStringLiteral("/log/ipp.out"), QIODevice::Append);
    m_stampanteIpp->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_stampanteIpp->start();
    if (!m_stampanteIpp->waitForStarted(10000)) {
        m_errore = QStringLiteral("ippeveprinter non parte");
        return false;
    }
    const QString uri = QStringLiteral("ipp://localhost:%1/ipp/print").arg(m_portaIpp);
    for (int i = 0; i < 200; ++i) {
        if (m_stampanteIpp->state() != QProcess::Running)
            break;
        if (comando(QStringLiteral("ipptool"), {QStringLiteral("-q"), QStringLiteral("-T"),
                                                QStringLiteral("2"), uri,
                                                QStringLiteral("get-printer-attributes.test")}))
            return true;
        QThread::msleep(50);
    }
    m_errore = QStringLiteral("ippeveprinter non risponde");
    return false;
}

bool CupsPrivato::aggiungiCodaIpp(const QString &nome)
{
    if (!avviaStampanteIpp())
        return false;
    return comando(QStringLiteral("lpadmin"),
                   {QStringLiteral("-p"), nome, QStringLiteral("-E"), QStringLiteral("-v"),
                    QStringLiteral("ipp://localhost:%1/ipp/print").arg(m_portaIpp),
                    QStringLiteral("-m"), QStringLiteral("everywhere")});
}

QStringList CupsPrivato::documentiIpp() const
{
    QStringList documenti;
    const QDir cartella(m_cartella.path() + QStringLiteral("/ipp"));
    for (const QFileInfo &f : cartella.entryInfoList(QDir::Files, QDir::Time | QDir::Reversed))
        documenti.append(f.absoluteFilePath());
    return documenti;
}

QMap<QString, QString> CupsPrivato::attributiLavoro(const QString &titolo,
                                                    const QStringList &nomi) const
{
    cups_job_t *lavori = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, nullptr, 0, CUPS_WHICHJOBS_ALL);
    int id = 0;
    for (int i = 0; i < n; ++i) {
        if (QString::fromUtf8(lavori[i].title) == titolo)
            id = lavori[i].id;
    }
    cupsFreeJobs(n, lavori);
    QMap<QString, QString> attributi;
    if (id == 0)
        return attributi;

    ipp_t *richiesta = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/jobs/%d", id);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ipp_t *risposta = cupsDoRequest(CUPS_HTTP_DEFAULT, richiesta, "/");
    for (const QString &nome : nomi) {
        ipp_attribute_t *a = risposta
            ? ippFindAttribute(risposta, nome.toUtf8().constData(), IPP_TAG_ZERO)
            : nullptr;
        if (a && ippGetGroupTag(a) == IPP_TAG_JOB) {
            char valore[2048];
            ippAttributeString(a, valore, sizeof valore);
            attributi.insert(nome, QString::fromUtf8(valore));
        }
    }
    ippDelete(risposta);
    return attributi;
}
