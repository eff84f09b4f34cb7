#pragma once

#include <QString>
#include <memory>

class Avvisi;
class QObject;
class Galleria;
class GeneratoreCasuale;
class Orologio;
class SceltaFile;
class Stampanti;
class Voce;
struct StatoEsercizio;

// What the whole run shares: the clock, the random generator, the message boxes, the file
// dialog, the printers and the current printer, the exercise state and the picture gallery.
// It owns no window.
// main() owns one; tests build their own with fakes. Forms receive it by reference.
class Contesto
{
public:
    Contesto(Orologio &orologio, GeneratoreCasuale &casuale, Avvisi &avvisi, Stampanti &stampanti,
             StatoEsercizio &esercizio);
    ~Contesto();
    Contesto(const Contesto &) = delete;
    Contesto &operator=(const Contesto &) = delete;

    Orologio &orologio() const { return m_orologio; }
    GeneratoreCasuale &casuale() const { return m_casuale; }
    Avvisi &avvisi() const { return m_avvisi; }
    Stampanti &stampanti() const { return m_stampanti; }
    StatoEsercizio &esercizio() const { return m_esercizio; }

    // The system's file dialog until a test puts its own chooser in its place.
    SceltaFile &sceltaFile() const { return *m_sceltaFile; }
    void impostaSceltaFile(SceltaFile &scelta) { m_sceltaFile = &scelta; }

    // Reading aloud, off at start: the system's voice until a test puts its own in its place.
    Voce &voce() const { return *m_voce; }
    void impostaVoce(Voce &voce) { m_voce = &voce; }

    // Board mode, for a classroom touch display: every form full screen. Off unless asked for
    // at start.
    bool schermoIntero() const { return m_schermoIntero; }
    void impostaSchermoIntero(bool acceso) { m_schermoIntero = acceso; }

    // The gallery is loaded on first use and stays until the run ends.
    const Galleria &galleria();

    // The printer every worksheet prints on: the system default at start, then the user's choice.
    // Empty until the printers have named their default, or when there is none.
    const QString &stampanteCorrente() const { return m_stampanteCorrente; }
    // The user's choice: it stands for the rest of the run.
    void impostaStampanteCorrente(const QString &nome);
    // The system's default, once read: it becomes the current printer unless the user has
    // already chosen one.
    void stampantePredefinitaLetta(const QString &nome);
    // Reads the default on a worker, so that start-up never waits on the printers; the answer
    // is taken only while `destinatario` still exists.
    void cercaStampantePredefinita(QObject *destinatario);

private:
    Orologio &m_orologio;
    GeneratoreCasuale &m_casuale;
    Avvisi &m_avvisi;
    Stampanti &m_stampanti;
    StatoEsercizio &m_esercizio;
    std::unique_ptr<SceltaFile> m_sceltaSistema;
    SceltaFile *m_sceltaFile;
    std::unique_ptr<Voce> m_voceSistema;
    Voce *m_voce;
    std::unique_ptr<Galleria> m_galleria;
    QString m_stampanteCorrente;
    bool m_stampanteScelta = false;
    bool m_schermoIntero = false;
};
