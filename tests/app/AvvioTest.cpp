#include "app/Avvio.h"

#include <QApplication>
#include <gtest/gtest.h>

// The save dialog and its questions come from Qt: they must not be the only English in the program.
TEST(Avvio, IDialoghiDiQtParlanoItaliano)
{
    ASSERT_TRUE(Avvio::installaTraduzioni(*qApp)) << "Qt's Italian translations are not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annulla"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save"), QStringLiteral("Salva"));
}
