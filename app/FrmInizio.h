#pragma once

#include "comune/Proporzioni.h"
#include "app/PulsantiModo.h"
#include "app/Tendine.h"
#include "platform/PulsanteGrande.h"
#include "worksheets/FrmStampaSchedeElementi.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class Contesto;
class DialogoStampante;
class FrmOperativo;
class FrmStampaSchede;
class QAction;
class QLabel;
class QPushButton;
class QTimer;
class ScalaturaModulo;

// The start screen: title, sample picture, credit line, the four mode buttons that start an
// exercise kind or end the program, and the menu to the worksheets and the about dialog. It
// lives for the whole run and tracks every other form it opens, so that ending the program
// closes them all. On every resize, and when it is minimised or restored, its two curtain panels
// close over the screen and slide open again.
class FrmInizio : public QMainWindow
{
    Q_OBJECT

public:
    FrmInizio(Contesto &contesto, DialogoStampante &dialogoStampante, QWidget *parent = nullptr);
    ~FrmInizio() override;

    // Starts the exercise of kind 0..2 (or brings its open form forward), or with 3 ends the
    // program.
    void ContinuaKeyDown1(int tipo);
    // Closes every form of the program, this one last, and then asks the program to end.
    void ScaricaTutto();

    // One tick of the curtain timer; public so that the curtain can be stepped without waiting.
    void timerTendine_Timer();

    QWidget *client() const { return centralWidget(); }
    QWidget *Picture1() const { return m_picture1; }
    QWidget *Picture2() const { return m_picture2; }
    QWidget *frmTitolo() const { return m_frmTitolo; }
    QWidget *Frame1() const { return m_frame1; }
    QPushButton *Option1(int indice) const { return m_option1.at(static_cast<std::size_t>(indice)); }
    QLabel *Label2() const { return m_label2; }
    QLabel *Label4() const { return m_label4; }
    QLabel *Label5() const { return m_label5; }
    QLabel *lblVersione() const { return m_lblVersione; }
    QLabel *Image1() const { return m_image1; }
    QTimer *timerTendine() const { return m_timerTendine; }
    QAction *MnuVuoto() const { return m_mnuVuoto; }
    QAction *mnuAggiungi() const { return m_mnuAggiungi; }
    QAction *mnuTogli() const { return m_mnuTogli; }
    QAction *mnuInfo() const { return m_mnuInfo; }

    const ScalaturaModulo &scalatura() const { return *m_scalatura; }
    const Tendine &tendine() const { return m_tendine; }
    const PulsantiModo &pulsantiModo() const { return m_pulsantiModo; }

    // The forms opened from here, while they are open.
    FrmOperativo *operativo() const;
    FrmStampaSchede *schedaVuoto() const;
    FrmStampaSchedeElementi *schedaAggiungi() const;
    FrmStampaSchedeElementi *schedaTogli() const;

Q_SIGNALS:
    // Every form has been closed: the program should end now.
    void programmaFinito();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void creaControlli();
    void creaMenu();
    void impilaControlli();
    QWidget *creaForma(QWidget *contenitore, const QColor &colore, const QRectF &posto);
    void registra(QWidget *controllo, const QRectF &posto);
    void collegaPulsantiModo();

    void Form_Load();
    void AvviaTendine();
    void mostraTendine();

    void Option1_GotFocus(int indice);
    void Option1_LostFocus(int indice);
    void Option1_KeyDown(int indice, int codice);
    void Option1_KeyPress(int indice, int carattere);
    void eseguiAzione(const PulsantiModo::Azione &azione);
    void coloraPulsante(int indice, const QColor &colore);

    void MnuVuoto_Click();
    void mnuAggiungi_Click();
    void mnuTogli_Click();
    void mnuInfo_Click();
    void apriSchedaElementi(QPointer<FrmStampaSchedeElementi> &scheda,
                            FrmStampaSchedeElementi::Tipo tipo);
    void tornaInizio();

    void chiudiAltreFinestre();

    Contesto &m_contesto;
    DialogoStampante &m_dialogoStampante;
    ScalaturaModulo *m_scalatura = nullptr;
    Tendine m_tendine;
    PulsantiModo m_pulsantiModo;
    bool m_scaricando = false;

    QWidget *m_picture1 = nullptr;
    QWidget *m_picture2 = nullptr;
    QWidget *m_frmTitolo = nullptr;
    QLabel *m_label4 = nullptr;
    QWidget *m_shape2 = nullptr;
    QWidget *m_shape1 = nullptr;
    QWidget *m_frame1 = nullptr;
    std::array<PulsanteGrande *, PulsantiModo::numeroPulsanti> m_option1{};
    std::array<QLabel *, 3> m_label1{};
    QTimer *m_timerTendine = nullptr;
    QLabel *m_label2 = nullptr;
    QWidget *m_shape5 = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_lblVersione = nullptr;
    QWidget *m_shape3 = nullptr;
    QWidget *m_shape4 = nullptr;
    QWidget *m_shape6 = nullptr;
    QAction *m_mnuVuoto = nullptr;
    QAction *m_mnuAggiungi = nullptr;
    QAction *m_mnuTogli = nullptr;
    QAction *m_mnuInfo = nullptr;

    QPointer<FrmOperativo> m_operativo;
    QPointer<FrmStampaSchede> m_schedaVuoto;
    QPointer<FrmStampaSchedeElementi> m_schedaAggiungi;
    QPointer<FrmStampaSchedeElementi> m_schedaTogli;
};
