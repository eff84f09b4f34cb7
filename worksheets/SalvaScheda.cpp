#include "worksheets/SalvaScheda.h"

#include "comune/Contesto.h"
#include "platform/Avvisi.h"
#include "platform/FilePdf.h"
#include "platform/Interruzione.h"
#include "platform/Orologio.h"
#include "platform/SceltaFile.h"
#include "platform/SuperficieStampa.h"
#include "worksheets/PaginaScheda.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString titoloDialogo = QStringLiteral("Salva la scheda come PDF");
const QString titoloDialogoSerie = QStringLiteral("Salva le schede per la classe come PDF");
const QString filtroPdf = QStringLiteral("Documenti PDF (*.pdf)");

QString nomeTipo(ModelloScheda::Tipo tipo)
{
    switch (tipo) {
    case ModelloScheda::Tipo::Disegno:
        return QStringLiteral("disegna");
    case ModelloScheda::Tipo::Aggiungi:
        return QStringLiteral("aggiungi");
    case ModelloScheda::Tipo::Togli:
        break;
    }
    return QStringLiteral("togli");
}

// What went wrong and where, in words a teacher can act on.
QString messaggioErrore(const FilePdf &file)
{
    if (file.esito() == FilePdf::Esito::CartellaNonScrivibile)
        return QStringLiteral("La scheda non è stata salvata: non si può scrivere nella "
                              "cartella\n%1\nScegli un'altra cartella.")
            .arg(file.cartella());
    return QStringLiteral("La scheda non è stata salvata: il file\n%1\nnon si è potuto scrivere "
                          "per intero (forse il disco è pieno).\nLibera spazio o scegli "
                          "un'altra cartella.")
        .arg(QDir::toNativeSeparators(file.percorso()));
}

} // namespace

SalvaScheda::SalvaScheda(Contesto &contesto)
    : m_contesto(contesto)
{
}

QString SalvaScheda::nomeProposto(ModelloScheda::Tipo tipo, QDate giorno)
{
    return QStringLiteral("scheda-%1-%2.pdf").arg(nomeTipo(tipo), giorno.toString(Qt::ISODate));
}

QString SalvaScheda::nomePropostoSerie(ModelloScheda::Tipo tipo, QDate giorno)
{
    return QStringLiteral("schede-%1-classe-%2.pdf").arg(nomeTipo(tipo), giorno.toString(Qt::ISODate));
}

QString SalvaScheda::percorsoSerie(QWidget *genitore, ModelloScheda::Tipo tipo)
{
    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposta
        = QDir(documenti).filePath(nomePropostoSerie(tipo, m_contesto.orologio().oggi()));
    return m_contesto.sceltaFile().percorsoPerSalvare(genitore, titoloDialogoSerie, proposta,
                                                      filtroPdf);
}

SalvaScheda::EsitoSerie SalvaScheda::scriviSerie(const QString &percorso,
                                                 const std::vector<ContenutoPagina> &pagine)
{
    FilePdf file(percorso);
    const auto documento = file.apriDocumento(QFileInfo(percorso).completeBaseName());
    if (PaginaScheda::serie(*documento, pagine))
        return {Esito::Salvata, {}};
    documento->annulla();
    const Interruzione *interruzione = Interruzione::attiva();
    if (file.esito() == FilePdf::Esito::DaScrivere && interruzione && interruzione->annullata())
        return {Esito::Annullata, {}};
    return {Esito::Fallita, messaggioErrore(file)};
}

SalvaScheda::Esito SalvaScheda::salva(QWidget *genitore, const ModelloScheda &modello,
                                      const QString &messaggioIncompleta)
{
    // A page with sets not generated yet is no worksheet: the same answer as "STAMPA" gives.
    if (!modello.completa()) {
        m_contesto.avvisi().mostra(genitore, messaggioIncompleta);
        return Esito::Incompleta;
    }

    const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString proposta = QDir(documenti).filePath(
        nomeProposto(modello.tipo(), m_contesto.orologio().oggi()));
    const QString percorso
        = m_contesto.sceltaFile().percorsoPerSalvare(genitore, titoloDialogo, proposta, filtroPdf);
    if (percorso.isEmpty())
        return Esito::Annullata;

    FilePdf file(percorso);
    const auto documento = file.apriDocumento(QFileInfo(percorso).completeBaseName());
    const ContenutoPagina pagina = modello.contenutoPagina(m_contesto.galleria());
    if (PaginaScheda::intestazione(*documento, pagina.istruzione)
        && PaginaScheda::corpo(*documento, pagina))
        return Esito::Salvata;
    documento->annulla();
    m_contesto.avvisi().mostra(genitore, messaggioErrore(file));
    return Esito::Fallita;
}
