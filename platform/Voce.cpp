#include "platform/Voce.h"

#include "platform/MotoreVoce.h"
#include "platform/Sveglia.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// A speech service that has not answered by then is taken as not there.
constexpr std::chrono::seconds attesaMotore{10};

// The module's file, as the build and the installation name it.
const QString fileModulo = QStringLiteral("libtandorino_voce.so");

QStringList cartelleDelProgramma()
{
    const QString programma = QCoreApplication::applicationDirPath();
    // In the build folder the module sits beside the program; installed, in its library folder.
    return {programma, QDir(programma).filePath(QStringLiteral(TANDORINO_MODULI_DAL_PROGRAMMA))};
}

} // namespace

Voce::Voce(QString motore, QStringList cartelle, std::unique_ptr<Sveglia> attesa, QObject *parent)
    : QObject(parent)
    , m_nomeMotore(std::move(motore))
    , m_cartelle(cartelle.isEmpty() ? cartelleDelProgramma() : std::move(cartelle))
    , m_attesa(attesa ? std::move(attesa) : std::make_unique<Sveglia>())
{
}

Voce::~Voce()
{
    // The module stays mapped until the program ends: its thread may still be saying goodbye to
    // the speech service, and unmapping code that runs would crash.
    if (m_caricatore && m_caricatore->isLoaded())
        delete m_caricatore->instance();
}

QString Voce::motoreDelSistema()
{
    return QStringLiteral("speechd");
}

void Voce::accendi(bool accesa)
{
    if (accesa == m_accesa || (accesa && !disponibile()))
        return;
    m_accesa = accesa;
    if (m_accesa && !m_caricatore)
        carica();
    else if (!m_accesa && m_motore)
        m_motore->taci();
    Q_EMIT cambiata();
}

void Voce::dici(const QString &testo)
{
    if (m_accesa && m_motore)
        m_motore->dici(testo);
}

void Voce::carica()
{
    QString percorso;
    for (const QString &cartella : std::as_const(m_cartelle)) {
        const QFileInfo file(QDir(cartella), fileModulo);
        if (file.exists()) {
            percorso = file.absoluteFilePath();
            break;
        }
    }
    m_caricatore = new QPluginLoader(this);
    if (percorso.isEmpty()) {
        nonDisponibile(tr("La voce non è installata per intero (manca %1): reinstallare il pacchetto tandorino.")
                           .arg(fileModulo));
        return;
    }
    m_caricatore->setFileName(percorso);
    m_motore = qobject_cast<MotoreVoce *>(m_caricatore->instance());
    if (!m_motore) {
        nonDisponibile(tr("La voce non si carica (%1): reinstallare il pacchetto tandorino.")
                           .arg(m_caricatore->errorString()));
        return;
    }
    m_attesa->punta(attesaMotore, [this] {
        nonDisponibile(tr("Il servizio di sintesi vocale non risponde. Chiudere e riaprire Tandorino; "
                          "se non basta, riavviare il computer."));
    });
    m_motore->avvia(m_nomeMotore, this, [this](const QString &motivo) {
        // A late answer from a service already given up on changes nothing.
        if (!m_attesa->puntata() && !disponibile())
            return;
        m_attesa->ferma();
        if (!motivo.isEmpty())
            nonDisponibile(motivo);
    });
}

void Voce::nonDisponibile(const QString &motivo)
{
    m_motivo = motivo;
    m_accesa = false;
    if (m_motore)
        m_motore->taci();
    Q_EMIT cambiata();
}
