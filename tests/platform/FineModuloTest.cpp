#include "platform/EventiControllo.h"
#include "platform/FineModulo.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// A form whose focus handler is its own member, as every form of the program has them. The
// handler writes what it sees into `visti`, which outlives the form.
class Modulo : public QWidget
{
public:
    explicit Modulo(QStringList &visti)
        : m_visti(visti)
    {
        m_pulsante = new QPushButton(this);
        auto *eventi = new EventiControllo(this);
        eventi->aggiungi(m_pulsante, 0);
        connect(eventi, &EventiControllo::lostFocus, this, &Modulo::fuocoPerso);
    }
    ~Modulo() override { FineModulo::staccaGestori(*this); }
    QPushButton *pulsante() const { return m_pulsante; }

private:
    void fuocoPerso() { m_visti << QStringLiteral("fuoco perso"); }

    QStringList &m_visti;
    QPushButton *m_pulsante;
};

} // namespace

// The focused button's last focus-out comes while Qt's base destructor deletes it, when the
// form is only a QWidget any more.
TEST(FineModulo, NoHandlerOfTheFormRunsWhileItsChildrenGo)
{
    QStringList visti;
    auto *modulo = new Modulo(visti);
    modulo->show();
    QApplication::setActiveWindow(modulo);
    modulo->pulsante()->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return modulo->pulsante()->hasFocus(); }));
    ASSERT_TRUE(visti.isEmpty());
    delete modulo;
    EXPECT_TRUE(visti.isEmpty()) << visti.join(QLatin1Char(' ')).toStdString();
}
