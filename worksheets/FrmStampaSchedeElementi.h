#pragma once

#include "worksheets/ModuloScheda.h"

#include <array>

class CasellaFigura;
class CorniceInsieme;
class QWidget;

// The add and remove worksheets' preview form, one implementation for both kinds: four
// exercises of a scattered first set and a smaller or equal second set in the first slots,
// shown two at a time. The kinds differ only in their texts and in which set the preview
// puts on the left.
class FrmStampaSchedeElementi : public ModuloScheda
{
    Q_OBJECT

public:
    enum class Tipo { Aggiungi, Togli };

    static constexpr int numeroCaselle = 60;

    FrmStampaSchedeElementi(Contesto &contesto, DialogoStampante &dialogo, Tipo tipo,
                            QWidget *parent = nullptr);

    Tipo tipo() const { return m_tipo; }
    CasellaFigura *Image1(int i) const { return m_image1.at(i); }
    CasellaFigura *Image2(int i) const { return m_image2.at(i); }
    // The frames of the first and second set of exercise e (1..4).
    CorniceInsieme *cornicePrimo(int esercizio) const { return m_cornicePrimo.at(esercizio - 1); }
    CorniceInsieme *corniceSecondo(int esercizio) const { return m_corniceSecondo.at(esercizio - 1); }
    QWidget *Frame3() const { return m_frame3; }
    QWidget *Frame4() const { return m_frame4; }
    QPushButton *CmdInsieme(int esercizio) const { return m_cmdInsieme.at(esercizio - 1); }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *CmdFine() const { return m_cmdFine; }
    QPushButton *Command2() const { return m_command2; }
    QAction *mnuImpostazioneStampante() const { return m_mnuImpostazioneStampante; }
    QAction *mnuSalvaPdf() const { return m_mnuSalvaPdf; }
    QAction *mnuSerie() const { return m_mnuSerie; }

private:
    void generaEsercizio(int esercizio);
    // Draws the slots of both sets of exercise e from the model.
    void mostraEsercizio(int esercizio);

    Tipo m_tipo;

    QWidget *m_frame3 = nullptr;
    QWidget *m_frame4 = nullptr;
    std::array<CorniceInsieme *, 4> m_cornicePrimo{};
    std::array<CorniceInsieme *, 4> m_corniceSecondo{};
    std::array<CasellaFigura *, numeroCaselle> m_image1{};
    std::array<CasellaFigura *, numeroCaselle> m_image2{};
    std::array<QPushButton *, 4> m_cmdInsieme{};
    QPushButton *m_command1 = nullptr;
    QPushButton *m_cmdFine = nullptr;
    QPushButton *m_command2 = nullptr;
    QAction *m_mnuImpostazioneStampante = nullptr;
    QAction *m_mnuSalvaPdf = nullptr;
    QAction *m_mnuSerie = nullptr;
};
