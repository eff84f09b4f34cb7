#include "platform/EventiControllo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct Registro
{
    QStringList voci;
};

void collega(EventiControllo &e, Registro &r)
{
    QObject::connect(&e, &EventiControllo::keyDown, &e,
                     [&r](int i, int c) { r.voci << QStringLiteral("down%1:%2").arg(i).arg(c); });
    QObject::connect(&e, &EventiControllo::keyPress, &e,
                     [&r](int i, int c) { r.voci << QStringLiteral("press%1:%2").arg(i).arg(c); });
    QObject::connect(&e, &EventiControllo::keyUp, &e, [&r](int i) { r.voci << QStringLiteral("up%1").arg(i); });
    QObject::connect(&e, &EventiControllo::mouseDown, &e,
                     [&r](int i, Qt::MouseButton) { r.voci << QStringLiteral("mdown%1").arg(i); });
    QObject::connect(&e, &EventiControllo::mouseUp, &e,
                     [&r](int i, Qt::MouseButton) { r.voci << QStringLiteral("mup%1").arg(i); });
}
} // namespace

TEST(EventiControllo, SpaceGivesKeyDownThenKeyPress)
{
    QWidget finestra;
    auto *b = new QPushButton(&finestra);
    EventiControllo e(&finestra);
    e.aggiungi(b, 3);
    Registro r;
    collega(e, r);
    int clic = 0;
    QObject::connect(b, &QPushButton::clicked, &finestra, [&clic] { ++clic; });
    QTest::keyClick(b, Qt::Key_Space);
    EXPECT_EQ(r.voci, (QStringList{"down3:32", "press3:32", "up3"}));
    EXPECT_EQ(clic, 0) << "Qt's own Space handling must not run";
}

TEST(EventiControllo, AutoRepeatRepeatsKeyDownButKeyUpComesOnlyAtTheRealRelease)
{
    QWidget finestra;
    auto *b = new QPushButton(&finestra);
    EventiControllo e(&finestra);
    e.aggiungi(b, 0);
    Registro r;
    collega(e, r);
    QKeyEvent giu(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QKeyEvent suRipetuto(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QKeyEvent giuRipetuto(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QKeyEvent su(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(b, &giu);
    QApplication::sendEvent(b, &suRipetuto);
    QApplication::sendEvent(b, &giuRipetuto);
    QApplication::sendEvent(b, &su);
    EXPECT_EQ(r.voci.count(QStringLiteral("down0:13")), 2);
    EXPECT_EQ(r.voci.count(QStringLiteral("up0")), 1);
    EXPECT_EQ(r.voci.last(), QStringLiteral("up0"));
}

TEST(EventiControllo, EveryMouseButtonPressesAndADoubleClickCountsTwice)
{
    QWidget finestra;
    auto *b = new QPushButton(&finestra);
    EventiControllo e(&finestra);
    e.aggiungi(b, 1);
    Registro r;
    collega(e, r);
    QTest::mouseClick(b, Qt::RightButton);
    QTest::mouseClick(b, Qt::MiddleButton);
    // A real double-click arrives as press, release, double-click, release.
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseDClick(b, Qt::LeftButton);
    EXPECT_EQ(r.voci.count(QStringLiteral("mdown1")), 4);
    EXPECT_FALSE(b->isDown());
}

TEST(EventiControllo, TabIsSwallowedAndDoesNotMoveTheFocus)
{
    QWidget finestra;
    auto *a = new QPushButton(&finestra);
    auto *b = new QPushButton(&finestra);
    b->move(0, 40);
    EventiControllo e(&finestra);
    e.aggiungi(a, 0);
    Registro r;
    collega(e, r);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Tab);
    EXPECT_TRUE(a->hasFocus());
    EXPECT_TRUE(r.voci.contains(QStringLiteral("down0:9")));
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
    QWidget finestra;
    auto *b = new QPushButton(&finestra);
    EventiControllo e(&finestra);
    e.impostaAttesaRilascio(1000); // long enough that only the twin press can cancel it
    e.aggiungi(b, 2);
    Registro r;
    collega(e, r);
    // A held key as X11 delivers it under load: unmarked release/press pairs, same timestamp.
    inviaInvio(b, QEvent::KeyPress, 100);
    for (quint64 istante : {500, 533, 566}) {
        inviaInvio(b, QEvent::KeyRelease, istante);
        inviaInvio(b, QEvent::KeyPress, istante);
    }
    inviaInvio(b, QEvent::KeyRelease, 700);
    EXPECT_EQ(r.voci.count(QStringLiteral("up2")), 0);
    EXPECT_EQ(r.voci.count(QStringLiteral("down2:13")), 4);
}

TEST(EventiControlloX11, ALoneReleaseIsDeliveredAfterTheWait)
{
    QWidget finestra;
    auto *b = new QPushButton(&finestra);
    EventiControllo e(&finestra);
    e.impostaAttesaRilascio(5);
    e.aggiungi(b, 0);
    Registro r;
    collega(e, r);
    inviaInvio(b, QEvent::KeyPress, 10);
    inviaInvio(b, QEvent::KeyRelease, 90);
    EXPECT_FALSE(r.voci.contains(QStringLiteral("up0")));
    EXPECT_TRUE(QTest::qWaitFor([&r] { return r.voci.contains(QStringLiteral("up0")); }, 1000));
}

TEST(EventiControlloX11, AnotherKeyPressDeliversThePendingReleaseFirst)
{
    QWidget finestra;
    auto *b = new QPushButton(&finestra);
    EventiControllo e(&finestra);
    e.impostaAttesaRilascio(1000);
    e.aggiungi(b, 0);
    Registro r;
    collega(e, r);
    inviaInvio(b, QEvent::KeyPress, 10);
    inviaInvio(b, QEvent::KeyRelease, 90);
    QKeyEvent altro(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
    altro.setTimestamp(200);
    QApplication::sendEvent(b, &altro);
    EXPECT_EQ(r.voci, (QStringList{"down0:13", "press0:13", "up0", "down0:49", "press0:49"}));
}
