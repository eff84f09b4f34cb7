#pragma once

#include "exercises/GeneratoreEsercizi.h"
#include "platform/PulsanteGrande.h"
#include "exercises/RegoleEsercizio.h"
#include "exercises/Tastierino.h"

#include <QPixmap>
#include <QWidget>
#include <array>

class Contesto;
class ContornoDecorativo;
class EventiControllo;
class QFrame;
class QLabel;
class QPushButton;
class ScalaturaModulo;

// The exercise form: the first set on the left, the second set on the right, the keypad that
// changes the second set and asks for the verdict, the help and intervention panels stacked
// in the keypad's place, and the results panel. Building it is its load step: it captures the
// layout and starts a series of exercises of the kind TipoEsercizio holds. The exercise state
// lives in the Contesto, so the counts go on across openings of the form.
//
// The three panels sit at the same place; the one in use is enabled and raised, the others
// are disabled. Keys and mouse presses on the big buttons act once per press: a latch per
// kind of event stays set until the key or button is released.
class FrmOperativo : public QWidget
{
    Q_OBJECT

public:
    static constexpr int numeroCaselle = GeneratoreEsercizi::numeroCaselle;
    static constexpr int numeroTitoliRisultati = 5;

    explicit FrmOperativo(Contesto &contesto, QWidget *parent = nullptr);
    ~FrmOperativo() override;

    QLabel *Label2() const { return m_label2; }

    // The controls, for the start screen and the tests.
    QLabel *Image1(int casella) const;
    QLabel *Image2(int casella) const;
    QPushButton *Option1(int indice) const;
    QPushButton *Option3(int indice) const;
    QPushButton *optOK() const { return m_optOK; }
    QLabel *Label5(int indice) const;
    QLabel *LblEsito() const { return m_lblEsito; }
    QLabel *LblOperazione() const { return m_lblOperazione; }
    QLabel *lblRisEsatte() const { return m_lblRisEsatte; }
    QLabel *lblRisErrate() const { return m_lblRisErrate; }
    QLabel *LblTempoParziale() const { return m_lblTempoParziale; }
    QLabel *LblTempoTotale() const { return m_lblTempoTotale; }
    QLabel *LblAiuto() const { return m_lblAiuto; }
    QLabel *lblIntervento() const { return m_lblIntervento; }
    QFrame *FraSfondoS() const { return m_fraSfondoS; }
    QFrame *FraSfondoD() const { return m_fraSfondoD; }
    QFrame *fraTastierino() const { return m_fraTastierino; }
    QFrame *fraAiuto() const { return m_fraAiuto; }
    QFrame *fraIntervento() const { return m_fraIntervento; }
    QFrame *frmElaborazione() const { return m_frmElaborazione; }
    const ScalaturaModulo &scalatura() const { return *m_scalatura; }

    // The latches that make a held key or button act once, as they stand now.
    bool tastoGiu() const { return m_tastoGiu; }
    bool tastoPremuto() const { return m_tastoPremuto; }
    bool mouseGiu() const { return m_mouseGiu; }
    bool tastoGiuAiuto() const { return m_tastoGiuAiuto; }
    bool tastoPremutoAiuto() const { return m_tastoPremutoAiuto; }

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void creaControlli();
    void creaTastierino();
    void creaAiutoEIntervento();
    void creaRisultati();
    void collegaEventi();

    // Series and exercises.
    void IniziaSessione();
    void NuovoEsercizio();
    void MostraPrimoInsieme();
    void VisualizzaD(TipoEsercizio tipo);
    void VisualizzaD0();
    void VisualizzaD1();
    void VisualizzaD2();
    void VisualizzaDConIniziali();

    // Keypad.
    void EseguiTasto(int indice);
    void Aggiungi();
    void Togli();
    void Verifica();
    void Esci();
    void DisattivaPannelli();
    void PortaInPrimoPiano(QFrame *pannello);
    void TastierinoModifica();
    void TastierinoAvanti();
    void ImpostaTastierino(const Tastierino::Stato &stato);

    // Help, intervention, times.
    void SiSi();
    void NoAiuto();
    void CalcolaTempi();

    void Option1_GotFocus(int indice);
    void Option1_LostFocus(int indice);
    void Option1_KeyDown(int indice, int &codice);
    void Option1_KeyPress(int indice, int &carattere);
    void Option1_KeyUp(int indice);
    void Option1_MouseDown(int indice);
    void Option1_MouseUp(int indice);
    void Option3_GotFocus(int indice);
    void Option3_LostFocus(int indice);
    void Option3_KeyDown(int indice, int &codice);
    void Option3_KeyPress(int indice, int &carattere);
    void Option3_KeyUp(int indice);
    void Option3_MouseDown(int indice);
    void optOK_KeyDown(int &codice);
    void optOK_MouseDown();

    // A key that has acted is held until its release, whichever panel its repeats reach.
    void TastoTenuto();
    void RilascioTasti();

    void MostraFigura(QLabel *casella);
    void AdattaCaselle();
    const QPixmap &Figura();

    Contesto &m_contesto;
    GeneratoreEsercizi m_generatore;
    RegoleEsercizio m_regole;
    ScalaturaModulo *m_scalatura = nullptr;
    EventiControllo *m_eventiOption1 = nullptr;
    EventiControllo *m_eventiOption3 = nullptr;
    EventiControllo *m_eventiOK = nullptr;

    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QFrame *m_fraSfondoS = nullptr;
    QFrame *m_fraSfondoD = nullptr;
    std::array<ContornoDecorativo *, 2> m_shape1{};
    std::array<QLabel *, numeroCaselle + 1> m_image1{}; // index 0 unused: slots are 1..15
    std::array<QLabel *, numeroCaselle + 1> m_image2{};
    QLabel *m_lblEsito = nullptr;
    QFrame *m_fraTastierino = nullptr;
    std::array<PulsanteGrande *, 5> m_option1{};
    QFrame *m_fraAiuto = nullptr;
    QLabel *m_lblAiuto = nullptr;
    std::array<PulsanteGrande *, 2> m_option3{};
    QFrame *m_fraIntervento = nullptr;
    QLabel *m_lblIntervento = nullptr;
    PulsanteGrande *m_optOK = nullptr;
    QFrame *m_frmElaborazione = nullptr;
    std::array<QLabel *, numeroTitoliRisultati> m_label5{};
    QLabel *m_lblOperazione = nullptr;
    QLabel *m_lblRisEsatte = nullptr;
    QLabel *m_lblRisErrate = nullptr;
    QLabel *m_lblTempoParziale = nullptr;
    QLabel *m_lblTempoTotale = nullptr;

    bool m_tastoGiu = false;
    bool m_tastoPremuto = false;
    bool m_mouseGiu = false;
    bool m_tastoGiuAiuto = false;
    bool m_tastoPremutoAiuto = false;

    int m_indiceFigura = -1;
    QPixmap m_figura;
};
