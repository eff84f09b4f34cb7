#include "app/Avvio.h"

#include "comune/Contesto.h"
#include "app/FrmInizio.h"
#include "app/RigaDiComando.h"
#include "comune/StatoEsercizio.h"
#include "platform/Avvisi.h"
#include "platform/GeneratoreCasuale.h"
#include "platform/InSottofondo.h"
#include "platform/Orologio.h"
#include "platform/SchermoIntero.h"
#include "platform/StampantiSistema.h"
#include "platform/SuggerimentiAlClic.h"
#include "platform/TocchiComeClic.h"
#include "platform/Twips.h"
#include "platform/Voce.h"
#include "worksheets/DialogoStampante.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdlib>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString iconaProgramma = QStringLiteral(":/immagini/icona.ico");

// True when a local X display such as ":0" or "unix:0.0" has no server listening, the one
// case where Qt would abort with a long plugin message instead of a word to the user.
bool displayX11LocaleSpento(const QString &display)
{
    static const QRegularExpression locale(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch m = locale.match(display);
    if (!m.hasMatch())
        return false; // remote or unusual displays are left to Qt
    const QByteArray percorso = "/tmp/.X11-unix/X" + m.captured(1).toLatin1();
    const int presa = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (presa < 0)
        return false;
    sockaddr_un indirizzo{};
    indirizzo.sun_family = AF_UNIX;
    qstrncpy(indirizzo.sun_path, percorso.constData(), sizeof indirizzo.sun_path);
    const bool collegato =
        ::connect(presa, reinterpret_cast<sockaddr *>(&indirizzo), sizeof indirizzo) == 0;
    ::close(presa);
    // An abstract-namespace socket may serve the display without a file; only a refused
    // connection to an absent file counts as no server.
    return !collegato && !QFile::exists(QString::fromLatin1(percorso));
}

} // namespace

const char *Avvio::displayMancante()
{
    const QString piattaforma = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    if (!piattaforma.isEmpty() && !piattaforma.startsWith(QLatin1String("xcb")))
        return nullptr;
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return "tandorino: nessun display grafico disponibile (DISPLAY non impostato)";
    if (!display.isEmpty() && displayX11LocaleSpento(display))
        return "tandorino: il display grafico non risponde (nessun server X su DISPLAY)";
    return nullptr;
}

bool Avvio::installaTraduzioni(QCoreApplication &app)
{
    auto *traduzioni = new QTranslator(&app);
    if (!traduzioni->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traduzioni;
        return false;
    }
    return QCoreApplication::installTranslator(traduzioni);
}

int Avvio::esegui(QApplication &app, const std::function<void(QWidget &)> &sonda)
{
    QApplication::setApplicationName(QStringLiteral("Tandorino"));
    installaTraduzioni(app);
    if (QFile::exists(iconaProgramma))
        QApplication::setWindowIcon(QIcon(iconaProgramma));
    TocchiComeClic tocchi;
    app.installEventFilter(&tocchi);
    SuggerimentiAlClic suggerimenti;
    app.installEventFilter(&suggerimenti);
    // "--schermo-intero" is board mode, as the desktop entry's action "Tandorino a schermo
    // intero" starts it. Qt's scale is set before the first window: the design that must fit
    // the board is the tallest working form, a worksheet, with its menu bar.
    // main() has already turned away a command line that does not read.
    const RigaDiComando::Opzioni opzioni = RigaDiComando(QCoreApplication::arguments()).opzioni();
    const bool schermoIntero = opzioni.schermoIntero;
    if (schermoIntero) {
        QMenuBar barra;
        barra.addMenu(QStringLiteral("Stampa schede"));
        const Twips twips = Twips::schermo();
        SchermoIntero::ingrandisci(
            QSizeF(twips.inPixel(11910), twips.inPixel(8430) + barra.sizeHint().height()));
    }

    Orologio orologio;
    GeneratoreCasuale casuale;
    Avvisi avvisi;
    StampantiSistema stampanti;
    StatoEsercizio esercizio;
    Contesto contesto(orologio, casuale, avvisi, stampanti, esercizio);
    DialogoStampante dialogoStampante(contesto);
    // "--voce" starts with reading aloud on, as the desktop entry's second action does.
    if (opzioni.voce)
        contesto.voce().accendi(true);
    contesto.impostaSchermoIntero(schermoIntero);

    int esito = EXIT_SUCCESS;
    {
        // The start screen lives for the whole run; once it has closed every form the program
        // ends, even if a hidden window (the printer dialog) is still around.
        FrmInizio inizio(contesto, dialogoStampante);
        QObject::connect(&inizio, &FrmInizio::programmaFinito, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
        if (sonda)
            sonda(inizio);
        SchermoIntero::mostra(&inizio, schermoIntero);
        // The first frame does not wait for the printers: their default comes when it comes.
        contesto.cercaStampantePredefinita(&inizio);
        esito = QApplication::exec();
        // Forms closed at the end are deleted before the context they refer to.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // A print or a question to the printers still on a worker has been told to give up by its
    // form; the printers it uses must outlive it.
    InSottofondo::attendiTutti();
    return esito;
}
