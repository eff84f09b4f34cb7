#include "app/FrmAutore.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(FrmAutore, ChiudiButtonClosesTheDialog)
{
    FrmAutore dialogo;
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    QSignalSpy finito(&dialogo, &QDialog::finished);
    EXPECT_EQ(dialogo.Command1()->text(), QStringLiteral("C h i u d i"));
    QTest::mouseClick(dialogo.Command1(), Qt::LeftButton);
    EXPECT_EQ(finito.count(), 1);
    EXPECT_FALSE(dialogo.isVisible());
}

TEST(FrmAutore, AddressesArePlainTextThatOpensNothing)
{
    FrmAutore dialogo;
    for (QLabel *label : {dialogo.Label2(), dialogo.Label4()}) {
        EXPECT_FALSE(label->text().isEmpty());
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_FALSE(label->openExternalLinks());
        EXPECT_EQ(label->textInteractionFlags(), Qt::NoTextInteraction);
    }
}

TEST(FrmAutore, OpensCentredOnTheScreenAtItsFixedSize)
{
    FrmAutore dialogo;
    const QSize prima = dialogo.size();
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    EXPECT_EQ(dialogo.size(), prima);
    const QPoint centro = dialogo.screen()->availableGeometry().center();
    EXPECT_LE((dialogo.frameGeometry().center() - centro).manhattanLength(), 2);
}
