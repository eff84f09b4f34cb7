#pragma once

#include "comune/TipoEsercizio.h"

#include "exercises/FrmOperativo.h"
#include "support/ContestoFinto.h"

#include <QPointer>
#include <gtest/gtest.h>
#include <vector>

class QFrame;

// An exercise form on a test context: the test lays out the draws of each exercise, opens the
// form, sends it real key and mouse events and reads what the child would see.
struct BancoOperativo
{
    explicit BancoOperativo(TipoEsercizio tipo);
    ~BancoOperativo();

    // Queues the draws that give the next exercise of the current kind this picture, these
    // first-set slots (N is their count) and, for kinds 1 and 2, this starting size.
    void accodaEsercizio(int figura, const std::vector<int> &caselle, int m = 0);

    // Builds the form (its load starts the series), shows it and gives it the keyboard.
    FrmOperativo &apri();
    FrmOperativo &f() const { return *form; }

    // A key pressed and released where the focus is, as the keyboard delivers it.
    void premi(Qt::Key tasto, Qt::KeyboardModifiers modificatori = Qt::NoModifier);
    // A key held down long enough to repeat `ripetizioni` times, then released.
    void tieni(Qt::Key tasto, int ripetizioni);
    void clic(QWidget *controllo, Qt::MouseButton pulsante = Qt::LeftButton);

    // What shows: the slots holding a visible picture, in order.
    std::vector<int> caselleConFigura(bool secondoInsieme) const;
    // The panel the child sees in front at the panels' place.
    QFrame *pannelloDavanti() const;
    // The index of the keypad button with the focus, -1 when none has it.
    int tastoConFuoco() const;
    // Slots 1 to ElementiD show the picture and no other slot shows anything.
    ::testing::AssertionResult invarianteSecondoInsieme() const;

    ContestoFinto prova;
    StatoEsercizio &stato;
    QPointer<FrmOperativo> form;
};
