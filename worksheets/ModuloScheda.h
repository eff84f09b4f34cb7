#pragma once

#include "comune/Didascalia.h"
#include "worksheets/ContenutoPagina.h"
#include "worksheets/ModelloScheda.h"

#include <QMainWindow>
#include <QPointer>
#include <QSizeF>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class CasellaFigura;
class Contesto;
class DialogoStampante;
class Interruzione;
class StampaInCorso;
class QAction;
class QLabel;
class QPushButton;
class ScalaturaModulo;

// What the three worksheet preview forms share: the pink window with its menu bar and its
// scaled client area, the worksheet's model (its sets and the four flags that gate printing),
// the printer menu entry, the printing of the model's page and its saving as a PDF file, and the
// way back to the start screen.
class ModuloScheda : public QMainWindow
{
    Q_OBJECT

public:
    // What the worksheet holds; the slots on screen are drawn from it.
    const ModelloScheda &modello() const { return m_modello; }
    // Whether exercise e (1..4) has been generated since the form was opened.
    bool mostrato(int esercizio) const { return m_modello.mostrato(esercizio); }

    ScalaturaModulo &scalatura() const { return *m_scalatura; }

    // The page as "STAMPA" would print it now, computed from the model.
    ContenutoPagina contenutoPagina() const;

    ~ModuloScheda() override;

    // Whether a page of this form is on its way to the printer, or a class set to its file;
    // the form takes no input then.
    bool stampaInCorso() const;
    // The window that comes up when the printer is slow to answer, while it is up.
    QWidget *finestraStampaInCorso() const;

Q_SIGNALS:
    // The form is closing and asks for the start screen to come back to the front.
    void tornaInizio();
    // A press of "STAMPA", or a class set, has been dealt with: printed or saved, failed,
    // cancelled or refused.
    void stampaConclusa();

protected:
    ModuloScheda(Contesto &contesto, DialogoStampante &dialogo, ModelloScheda::Tipo tipo,
                 const QString &titolo, QSizeF clientProgettoTwips, QWidget *parent);

    Contesto &contesto() const { return m_contesto; }
    QWidget *client() const { return m_client; }

    // The first title line of every worksheet form.
    static inline const Didascalia titoloScheda{QStringLiteral(" SCHEDA: COSTRUIRE L'INSIEME EQUIPOTENTE"),
                                                QStringLiteral("Scheda: costruire l'insieme equipotente.")};

    // Controls are registered with the layout scaling as they are made, in this order. The
    // voice says the titles, in order, as the form opens.
    QLabel *creaTitolo(QWidget *genitore, const Didascalia &titolo, const QRectF &progetto);
    QPushButton *creaPulsante(QWidget *genitore, const QString &testo, const QRectF &progetto,
                              bool rosa);
    CasellaFigura *creaCasella(QWidget *genitore, const QRectF &progetto);
    // Shows the gallery entries `figure` in the slots from `caselle` on, and names their frame
    // for a screen reader by `quale` and what it holds ("Esercizio 1, primo insieme: 5 gatti").
    void mostraFigure(CasellaFigura *const *caselle, const std::vector<int> &figure,
                      const QString &quale);
    QAction *creaVoceStampante(const QString &testo);
    // "Salva come PDF…", beside the printer entry; it answers an unfinished worksheet as
    // "STAMPA" does.
    QAction *creaVoceSalvaPdf(const QString &messaggioIncompleta);
    // "Schede per la classe…", beside "Salva come PDF…": a set of different worksheets of this
    // kind, printed as one job or saved as one PDF. The worksheet on screen stays as it is.
    QAction *creaVoceSerie();

    // The load's first step, then the form's own start; finally sized and set to open maximized.
    void catturaProporzioni();
    void preparaApertura();

    // The preview's two halves and the button under it that switches between them. Its caption
    // names the half a press will show; `primaDopoScambio` is how a switch words the first.
    void impostaMeta(QWidget *prima, QWidget *seconda, QPushButton *scambio,
                     const QString &primaDopoScambio);
    // Draws set e (1..4) again in the model and shows its half; the form then shows the set.
    void generaNelModello(int esercizio);
    void stampaPagina(const QString &messaggioIncompleta);

    void closeEvent(QCloseEvent *event) override;

private:
    // Runs lavoro on a worker while the form waits, painted but deaf, behind a window that says
    // attesa if it takes long; lavoro answers the message for the user, empty when all went
    // well. "Annulla" in that window gives the work up and shows seAnnullata, if anything.
    using Lavoro = std::function<QString()>;
    void inSottofondo(const QString &attesa, std::chrono::seconds limite, Lavoro lavoro,
                      const QString &seAnnullata);
    void concludiStampa(const QString &messaggio);
    void apriDialogoSerie();
    // quante different worksheets of this kind, drawn afresh, as the pages they print.
    std::vector<ContenutoPagina> pagineSerie(int quante) const;
    void stampaSerie(int quante);
    void salvaSerie(int quante);
    void mostraMeta(bool dopoScambio);

    Contesto &m_contesto;
    DialogoStampante &m_dialogoStampante;
    QWidget *m_client;
    ScalaturaModulo *m_scalatura;
    ModelloScheda m_modello;
    bool m_inChiusura = false;
    QStringList m_titoli;
    QWidget *m_metaPrima = nullptr;
    QWidget *m_metaSeconda = nullptr;
    QPushButton *m_scambioMeta = nullptr;
    QString m_primaDopoScambio;
    QPointer<StampaInCorso> m_stampaInCorso;
    std::shared_ptr<Interruzione> m_interruzione;
};
