#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class QProcess;

// A CUPS server that belongs to the test alone: its own configuration, spool and socket in a
// temporary folder, so the machine's printers are never seen or touched. Queues print through
// the cups-pdf backend, which turns every page into a PDF file the test can read back.
//
// Use: create one before anything in the test program asks for printers (libcups remembers the
// server it first talked to); it points CUPS_SERVER at itself. Add queues with aggiungiCoda(),
// print with a StampantiSistema whose job title is titoloUnico(), then attendiPdf(title) gives
// the file cups-pdf wrote. The daemon stops when the object goes, or with the test process.
// cups-pdf runs as root, so this needs root; avviato() is false otherwise, with the reason.
class CupsPrivato
{
public:
    CupsPrivato();
    ~CupsPrivato();
    CupsPrivato(const CupsPrivato &) = delete;
    CupsPrivato &operator=(const CupsPrivato &) = delete;

    bool avviato() const { return m_avviato; }
    const QString &errore() const { return m_errore; }
    QString socket() const;

    // A cups-pdf queue, enabled and accepting jobs.
    bool aggiungiCoda(const QString &nome);
    bool impostaPredefinita(const QString &nome);
    bool rimuoviCoda(const QString &nome);
    bool rimuoviTutte();
    // Leaves the server with these queues alone, `predefinita` the default; an empty one leaves
    // the server without a default (true only if it has none).
    bool soloCode(const QStringList &code, const QString &predefinita);
    // The server's default queue, empty when it has none.
    QString predefinitaDelServer() const;
    // Stops the queue (cupsdisable), or makes it refuse new jobs (cupsreject).
    bool fermaCoda(const QString &nome);
    bool rifiutaLavori(const QString &nome);
    // Undoes both: the queue prints and takes jobs again.
    bool riattivaCoda(const QString &nome);

    // The user's own settings, as lpoptions saves them: the default destination and options
    // saved for a queue or an instance ("queue/instance"). They go to a file of this server's
    // folder (under HOME, or CUPS_SERVERROOT for root on older CUPS), never to the machine's;
    // dimenticaOpzioniUtente() removes them.
    bool impostaPredefinitaUtente(const QString &destinazione);
    bool salvaOpzioniUtente(const QString &destinazione, const QStringList &opzioni);
    bool dimenticaOpzioniUtente();

    // A driverless queue, made by lpadmin's "everywhere" model from what an IPP printer of this
    // object's own (ippeveprinter, on a free loopback port, started on first use) says of itself.
    // documentiIpp() lists the documents that printer has received, oldest first.
    bool aggiungiCodaIpp(const QString &nome);
    QStringList documentiIpp() const;

    // The job with this title as the server describes it: each requested job attribute by name,
    // its values as text (absent when the job does not carry it).
    QMap<QString, QString> attributiLavoro(const QString &titolo, const QStringList &nomi) const;

    // The daemon going away mid-session (terminated, its socket gone) and coming back with the
    // same queues; or frozen (SIGSTOP), still holding its socket but answering nothing.
    bool fermaDemone();
    bool riavviaDemone();
    bool sospendiDemone();
    bool riprendiDemone();

    // A job title no other print, here or in another test run, carries. The files cups-pdf
    // writes for these titles are removed with the object.
    static QString titoloUnico();
    // The PDF cups-pdf wrote for the job with this title, once the server has finished every
    // job; empty if none appears in time.
    QString attendiPdf(const QString &titolo, int attesaMs = 60000);
    // Whether the server has any job that has not finished.
    bool lavoriInCorso() const;
    // Ids of the jobs the server has finished on this queue, oldest first.
    QList<int> lavoriCompletati(const QString &coda) const;
    // The queue of every job with this title the server knows of, in any state.
    QStringList codeDeiLavori(const QString &titolo) const;
    // Files cups-pdf wrote for this title, on any queue added here.
    int pdfConTitolo(const QString &titolo) const;

private:
    bool avviaDemone();
    bool avviaStampanteIpp();
    bool lpoptions(const QStringList &argomenti);
    QStringList fileOpzioniUtente() const;
    bool comando(const QString &programma, const QStringList &argomenti);
    QString cartellaPdf(const QString &coda) const;

    QTemporaryDir m_cartella;
    std::unique_ptr<QProcess> m_demone;
    std::unique_ptr<QProcess> m_bus;
    std::unique_ptr<QProcess> m_stampanteIpp;
    int m_portaIpp = 0;
    QString m_cupsd;
    bool m_avviato = false;
    bool m_sospeso = false;
    QString m_errore;
    QStringList m_code;
};
