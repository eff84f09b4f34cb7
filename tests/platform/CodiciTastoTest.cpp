#include "platform/CodiciTasto.h"
#include "support/Righe.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

struct CasoTasto
{
    const char *nome;
    int key;
    Qt::KeyboardModifiers modificatori;
    int codice;
};

using righe::PrintTo;

using CodiciTastoTest = ::testing::TestWithParam<CasoTasto>;

TEST_P(CodiciTastoTest, MapsQtKeysToProgramCodes)
{
    const CasoTasto &c = GetParam();
    QKeyEvent e(QEvent::KeyPress, c.key, c.modificatori);
    EXPECT_EQ(CodiciTasto::daEvento(e), c.codice);
}

INSTANTIATE_TEST_SUITE_P(
    Tasti, CodiciTastoTest,
    ::testing::Values(CasoTasto{"digit_1", Qt::Key_1, Qt::NoModifier, 49},
                      CasoTasto{"digit_5", Qt::Key_5, Qt::NoModifier, 53},
                      CasoTasto{"digit_0", Qt::Key_0, Qt::NoModifier, 48},
                      CasoTasto{"keypad_1", Qt::Key_1, Qt::KeypadModifier, 97},
                      CasoTasto{"keypad_5", Qt::Key_5, Qt::KeypadModifier, 101},
                      CasoTasto{"keypad_9", Qt::Key_9, Qt::KeypadModifier, 105},
                      CasoTasto{"return", Qt::Key_Return, Qt::NoModifier, 13},
                      CasoTasto{"keypad_enter", Qt::Key_Enter, Qt::KeypadModifier, 13},
                      CasoTasto{"tab", Qt::Key_Tab, Qt::NoModifier, 9},
                      CasoTasto{"f2", Qt::Key_F2, Qt::NoModifier, 113},
                      CasoTasto{"f3", Qt::Key_F3, Qt::NoModifier, 114},
                      CasoTasto{"letter_s", Qt::Key_S, Qt::NoModifier, 83},
                      CasoTasto{"letter_s_shifted", Qt::Key_S, Qt::ShiftModifier, 83},
                      CasoTasto{"letter_n", Qt::Key_N, Qt::NoModifier, 78},
                      CasoTasto{"space", Qt::Key_Space, Qt::NoModifier, 32}),
    righe::perNome);

TEST(CodiciTastoUnknown, ArrowsGetACodeNoHandlerAccepts)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    const int codice = CodiciTasto::daEvento(e);
    for (int accettato : {9, 13, 32, 49, 50, 51, 52, 53, 78, 83, 97, 98, 99, 100, 101, 113, 114})
        EXPECT_NE(codice, accettato);
}

TEST(CodiciTastoCarattere, SpaceTypesThirtyTwoAndShiftTypesNothing)
{
    QKeyEvent spazio(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    EXPECT_EQ(CodiciTasto::carattere(spazio), 32);
    EXPECT_EQ(CodiciTasto::carattere(shift), 0);
}
