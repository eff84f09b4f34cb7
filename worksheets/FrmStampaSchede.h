#pragma once

#include "worksheets/ModuloScheda.h"

#include <array>

class CasellaFigura;
class CorniceInsieme;
class QFrame;
class QWidget;

// The draw worksheet's preview form: four sets of one picture each, shown two at a time, each
// beside a blank frame where the child will draw an equipotent set on the printed page.
class FrmStampaSchede : public ModuloScheda
{
    Q_OBJECT

public:
    static constexpr int numeroCornici = 8;
    static constexpr int numeroCaselle = 120;
    // First slot of sets 1..4; the slots in between belong to the blank frames.
    static constexpr std::array<int, 4> basi = ModelloScheda::basiDisegno;

    FrmStampaSchede(Contesto &contesto, DialogoStampante &dialogo, QWidget *parent = nullptr);

    CasellaFigura *Image1(int i) const { return m_image1.at(i); }
    CorniceInsieme *FraSfondoS(int i) const { return m_fraSfondoS.at(i); }
    QWidget *Frame3() const { return m_frame3; }
    QWidget *Frame4() const { return m_frame4; }
    QPushButton *CmdInsieme(int insieme) const { return m_cmdInsieme.at(insieme - 1); }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *CmdFine() const { return m_cmdFine; }
    QPushButton *Command2() const { return m_command2; }
    QAction *mnuStampante() const { return m_mnuStampante; }
    QAction *mnuSalvaPdf() const { return m_mnuSalvaPdf; }
    QAction *mnuSerie() const { return m_mnuSerie; }

private:
    void GeneraInsieme(int insieme);
    // Draws the slots of set s from the model.
    void mostraInsieme(int insieme);

    QWidget *m_frame3 = nullptr;
    QWidget *m_frame4 = nullptr;
    std::array<CorniceInsieme *, numeroCornici> m_fraSfondoS{};
    std::array<CasellaFigura *, numeroCaselle> m_image1{};
    std::array<QPushButton *, 4> m_cmdInsieme{};
    QPushButton *m_command1 = nullptr;
    QPushButton *m_cmdFine = nullptr;
    QPushButton *m_command2 = nullptr;
    QAction *m_mnuStampante = nullptr;
    QAction *m_mnuSalvaPdf = nullptr;
    QAction *m_mnuSerie = nullptr;
};
