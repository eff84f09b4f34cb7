#pragma once

#include "exercises/EsitoVerifica.h"
#include "exercises/GeneratoreEsercizi.h"
#include "exercises/PannelliComando.h"
#include "exercises/PannelloRisultati.h"
#include "exercises/RegoleEsercizio.h"
#include "exercises/RiquadroInsieme.h"
#include "exercises/Tastierino.h"
#include "comune/TipoEsercizio.h"
#include "platform/PulsanteGrande.h"

#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <optional>

class Contesto;
class EventiControllo;
class QFrame;
class QLabel;
class ScalaturaModulo;

// The exercise form: the first set on the left, the second set on the right, the keypad that
// changes the second set and asks for the verdict, the help and intervention panels stacked
// in the keypad's place, and the results panel. Building it is its load step: it captures the
// layout and starts a series of exercises of the kind TipoEsercizio holds. The exercise state
// lives in the Contesto, so the counts go on across openings of the form.
//
// The three panels sit at the same place; the one in use is enabled and raised, the others
// are disabled. What a key or a press on a button does, and the latches that make it act once
// per press, are the Tastierino's rules; the form performs the action it gets back.
class FrmOperativo : public QWidget
{
    Q_OBJECT

public:
    static constexpr int numeroCaselle = GeneratoreEsercizi::numeroCaselle;
    static constexpr int numeroTitoliRisultati = PannelloRisultati::numeroColonne;

    explicit FrmOperativo(Contesto &contesto, QWidget *parent = nullptr);
    ~FrmOperativo() override;

    QLabel *Label2() const { return m_label2; }
    // The kind the start screen asks for: the instruction line shows it and the voice says it.
    // The exercise on display stays; the kind in the shared state takes effect with the next.
    void annunciaTipo(TipoEsercizio tipo);

    // The controls, for the start screen and the tests.
    QLabel *Image1(int casella) const { return m_fraSfondoS->casella(casella); }
    QLabel *Image2(int casella) const { return m_fraSfondoD->casella(casella); }
    QPushButton *Option1(int indice) const
    {
        return indice >= 0 && indice < Tastierino::numeroTasti ? tasto(static_cast<Tasto>(indice)) : nullptr;
    }
    QPushButton *Option3(int indice) const
    {
        return indice == 0 || indice == 1 ? m_pannelli->risposta(static_cast<Aiuto>(indice)) : nullptr;
    }
    QPushButton *optOK() const { return m_pannelli->optOK(); }
    QLabel *Label5(int indice) const { return m_risultati->Label5(indice); }
    QLabel *LblEsito() const { return m_lblEsito; }
    QLabel *LblOperazione() const { return m_risultati->LblOperazione(); }
    QLabel *lblRisEsatte() const { return m_risultati->lblRisEsatte(); }
    QLabel *lblRisErrate() const { return m_risultati->lblRisErrate(); }
    QLabel *LblTempoParziale() const { return m_risultati->LblTempoParziale(); }
    QLabel *LblTempoTotale() const { return m_risultati->LblTempoTotale(); }
    QLabel *LblAiuto() const { return m_pannelli->LblAiuto(); }
    QLabel *lblIntervento() const { return m_pannelli->lblIntervento(); }
    RiquadroInsieme *FraSfondoS() const { return m_fraSfondoS; }
    RiquadroInsieme *FraSfondoD() const { return m_fraSfondoD; }
    QFrame *fraTastierino() const { return m_pannelli->fraTastierino(); }
    QFrame *fraAiuto() const { return m_pannelli->fraAiuto(); }
    QFrame *fraIntervento() const { return m_pannelli->fraIntervento(); }
    PannelloRisultati *frmElaborazione() const { return m_risultati; }
    const ScalaturaModulo &scalatura() const { return *m_scalatura; }
    // The keyboard rules with their latches as they stand now.
    const Tastierino &tastierino() const { return m_tastierino; }

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    using Tasto = Tastierino::Tasto;
    using Aiuto = Tastierino::Aiuto;

    void creaControlli();
    void collegaEventi();

    // Series and exercises.
    void IniziaSessione();
    void NuovoEsercizio();
    void MostraPrimoInsieme();
    void VisualizzaD(TipoEsercizio tipo);
    void VisualizzaD0();
    void VisualizzaD1(int elementi);
    void VisualizzaD2(int elementi);
    void VisualizzaDConIniziali(int elementi);

    // Keypad.
    void EseguiTasto(Tasto tasto);
    void Aggiungi();
    void Togli();
    void Verifica();
    PulsanteGrande *tasto(Tasto t) const { return m_pannelli->tasto(t); }
    void eseguiAzione(const Tastierino::Azione &azione);
    // The panel in use, in the rules and on screen.
    void usaPannello(Tastierino::Pannello pannello);
    // The keypad's buttons as `stato` enables them, and the focus on its button.
    void impostaTastierino(const Tastierino::Stato &stato);
    void abilitaVerifica(bool abilitato);

    // Help, intervention, times.
    void SiSi();
    void NoAiuto();
    void CalcolaTempi();
    void Rispondi(Aiuto risposta);
    void eseguiAzioneAiuto(const Tastierino::AzioneAiuto &azione);

    void Option1_KeyDown(int indice, int codice);
    void Option1_KeyPress(int indice, int carattere);
    void Option1_MouseDown(int indice);
    void Option3_KeyDown(int indice, int codice);
    void Option3_KeyPress(int indice, int carattere);
    void Option3_MouseDown(int indice);
    void optOK_KeyDown(int indice, int codice);
    void optOK_MouseDown();

    const QPixmap &Figura();

    Contesto &m_contesto;
    GeneratoreEsercizi m_generatore;
    RegoleEsercizio m_regole;
    Tastierino m_tastierino;
    ScalaturaModulo *m_scalatura = nullptr;
    EventiControllo *m_eventiOption1 = nullptr;
    EventiControllo *m_eventiOption3 = nullptr;
    EventiControllo *m_eventiOK = nullptr;

    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    RiquadroInsieme *m_fraSfondoS = nullptr;
    RiquadroInsieme *m_fraSfondoD = nullptr;
    EsitoVerifica *m_lblEsito = nullptr;
    std::optional<PannelliComando> m_pannelli;
    PannelloRisultati *m_risultati = nullptr;

    // What the instruction line says; "AVANTI" says it again.
    Didascalia m_istruzione;
    int m_indiceFigura = -1;
    qreal m_rapportoFigura = 0;
    QPixmap m_figura;
};
