#include "platform/EventiControllo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A window with one button the watcher knows by `indice`, and every signal the watcher gives,
// in order.
struct Banco
{
    explicit Banco(int indice, std::optional<int> attesaRilascio = std::nullopt)
    {
        if (attesaRilascio)
            e.impostaAttesaRilascio(*attesaRilascio);
        e.aggiungi(b, indice);
        QObject::connect(&e, &EventiControllo::keyDown, &e,
                         [this](int i, int c) { voci << QStringLiteral("down%1:%2").arg(i).arg(c); });
        QObject::connect(&e, &EventiControllo::keyPress, &e,
                         [this](int i, int c) { voci << QStringLiteral("press%1:%2").arg(i).arg(c); });
        QObject::connect(&e, &EventiControllo::keyUp, &e, [this](int i) { voci << QStringLiteral("up%1").arg(i); });
        QObject::connect(&e, &EventiControllo::mouseDown, &e,
                         [this](int i, Qt::MouseButton) { voci << QStringLiteral("mdown%1").arg(i); });
        QObject::connect(&e, &EventiControllo::mouseUp, &e,
                         [this](int i, Qt::MouseButton) { voci << QStringLiteral("mup%1").arg(i); });
    }

    QWidget finestra;
    QPushButton *b = new QPushButton(&finestra);
    EventiControllo e{&finestra};
    QStringList voci;
};

} // namespace

TEST(EventiControllo, SpaceGivesKeyDownThenKeyPress)
{
    Banco banco(3);
    QPushButton *b = banco.b;
    int clic = 0;
    QObject::connect(b, &QPushButton::clicked, &banco.finestra, [&clic] { ++clic; });
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(banco.voci, (QStringList{"down3:32", "press3:32", "up3"}));
    EXPECT_EQ(clic, 0) << "Qt's own Space handling must not run";
}

TEST(EventiControllo, AutoRepeatRepeatsKeyDownButKeyUpComesOnlyAtTheRealRelease)
{
    Banco banco(0);
    QPushButton *b = banco.b;
    QKeyEvent giu(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent suRipetuto(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QKeyEvent giuRipetuto(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QKeyEvent su(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(b, &giu);
    QApplication::sendEvent(b, &suRipetuto);
    QApplication::sendEvent(b, &giuRipetuto);
    QApplication::sendEvent(b, &su);
    EXPECT_EQ(banco.voci.count(QStringLiteral("down0:13")), 2);
    EXPECT_EQ(banco.voci.count(QStringLiteral("up0")), 1);
    EXPECT_EQ(banco.voci.last(), QStringLiteral("up0"));
}

TEST(EventiControllo, EveryMouseButtonPressesAndADoubleClickCountsTwice)
{
    Banco banco(1);
    QPushButton *b = banco.b;
    QTest::mouseClick(b, Qt::RightButton);
    QTest::mouseClick(b, Qt::MiddleButton);
    // A real double-click arrives as press, release, double-click, release.
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseDClick(b, Qt::LeftButton);
    EXPECT_EQ(banco.voci.count(QStringLiteral("mdown1")), 4);
    EXPECT_FALSE(b->isDown());
}

TEST(EventiControllo, TabIsSwallowedAndDoesNotMoveTheFocus)
{
    Banco banco(0);
    QPushButton *a = banco.b;
    (new QPushButton(&banco.finestra))->move(0, 40);
    banco.finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&banco.finestra));
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_TRUE(a->hasFocus());
    EXPECT_TRUE(banco.voci.contains(QStringLiteral("down0:9")));
}

namespace {
void inviaInvio(QWidget *w, QEvent::Type tipo, quint64 istante)
{
    QKeyEvent e(tipo, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    e.setTimestamp(istante);
    QApplication::sendEvent(w, &e);
}
} // namespace

TEST(EventiControlloX11, AReleaseWhosePressTwinFollowsIsARepeatNotAKeyUp)
{
    Banco banco(2, 1000); // a wait long enough that only the twin press cancels the release
    QPushButton *b = banco.b;
    // A held key as X11 delivers it under load: unmarked release/press pairs, same timestamp.
    inviaInvio(b, QEvent::KeyPress, 100);
    for (quint64 istante : {500, 533, 566}) {
        inviaInvio(b, QEvent::KeyRelease, istante);
        inviaInvio(b, QEvent::KeyPress, istante);
    }
    inviaInvio(b, QEvent::KeyRelease, 700);
    EXPECT_EQ(banco.voci.count(QStringLiteral("up2")), 0);
    EXPECT_EQ(banco.voci.count(QStringLiteral("down2:13")), 4);
}

TEST(EventiControlloX11, ALoneReleaseIsDeliveredAfterTheWait)
{
    Banco banco(0, 5);
    QPushButton *b = banco.b;
    inviaInvio(b, QEvent::KeyPress, 10);
    inviaInvio(b, QEvent::KeyRelease, 90);
    EXPECT_FALSE(banco.voci.contains(QStringLiteral("up0")));
    EXPECT_TRUE(QTest::qWaitFor([&banco] { return banco.voci.contains(QStringLiteral("up0")); }));
}

TEST(EventiControlloX11, AnotherKeyPressDeliversThePendingReleaseFirst)
{
    Banco banco(0, 1000);
    QPushButton *b = banco.b;
    inviaInvio(b, QEvent::KeyPress, 10);
    inviaInvio(b, QEvent::KeyRelease, 90);
    QKeyEvent altro(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    altro.setTimestamp(200);
    QApplication::sendEvent(b, &altro);
    EXPECT_EQ(banco.voci, (QStringList{"down0:13", "press0:13", "up0", "down0:49", "press0:49"}));
}
