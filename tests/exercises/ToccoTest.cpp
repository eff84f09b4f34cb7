#include "BancoOperativo.h"
#include "platform/Avvisi.h"
#include "platform/SuggerimentiAlClic.h"
#include "platform/TocchiComeClic.h"
#include "support/Righe.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointingDevice>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

using righe::PrintTo;

constexpr int aggiungi = 0, togli = 1, verifica = 2, sfondo = -1, titoloTempo = -2;

// One finger going down (G), moving (M) or lifting (S) on a keypad button, at a fraction of its
// width and height, on the form's bare background beside the keypad, or on the heading of the
// time fields.
struct Passo
{
    char cosa;
    int dito, tasto;
    double x = 0.5, y = 0.5;
};

struct CasoTocco
{
    const char *nome;
    std::vector<Passo> passi;
    std::vector<int> premuti; // the keypad buttons that get a mouse press, in order
    int elementiD;            // the second set's size after it
    // The heading's tooltip shows: what a tooltip says reaches a finger too, which cannot hover.
    bool suggerimento = false;
};

QPointingDevice *schermoTattile()
{
    static QPointingDevice *schermo = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return schermo;
}

// Touch taken as the program takes it; every mouse press on a keypad button counted, whoever
// sends it.
class Tocchi : public QObject, public ::testing::TestWithParam<CasoTocco>
{
protected:
    std::array<QObject *, 3> filtri() { return {&tocchi, &suggerimenti, this}; }
    void SetUp() override
    {
        for (QObject *filtro : filtri())
            qApp->installEventFilter(filtro);
        b.accodaEsercizio(3, {2, 7, 11});
        b.apri();
    }
    void TearDown() override
    {
        for (QObject *filtro : filtri())
            qApp->removeEventFilter(filtro);
    }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            for (int i = 0; i < Tastierino::numeroTasti; ++i)
                if (o == b.f().Option1(i))
                    premuti.push_back(i);
        return false;
    }
    QPoint punto(const Passo &p) const
    {
        const QWidget *w = p.tasto == sfondo        ? static_cast<QWidget *>(b.form)
                           : p.tasto == titoloTempo ? static_cast<QWidget *>(b.f().Label5(3))
                                                    : b.f().Option1(p.tasto);
        const double x = p.tasto == sfondo ? 0.97 : p.x, y = p.tasto == sfondo ? 0.96 : p.y;
        return w->mapTo(b.form, QPoint(int(w->width() * x), int(w->height() * y)));
    }

    TocchiComeClic tocchi;
    SuggerimentiAlClic suggerimenti;
    BancoOperativo b{TipoEsercizio::InsiemeVuoto};
    std::vector<int> premuti;
};

TEST_P(Tocchi, EachFingerPressesTheControlItBeganAndEndedOnOnce)
{
    std::set<int> giu; // the fingers on the screen
    for (const Passo &p : GetParam().passi) {
        auto sequenza = QTest::touchEvent(b.form, schermoTattile());
        for (int dito : giu)
            if (dito != p.dito)
                sequenza.stationary(dito);
        if (p.cosa == 'G')
            sequenza.press(p.dito, punto(p)), giu.insert(p.dito);
        else if (p.cosa == 'M')
            sequenza.move(p.dito, punto(p));
        else
            sequenza.release(p.dito, punto(p)), giu.erase(p.dito);
    }
    EXPECT_EQ(premuti, GetParam().premuti);
    EXPECT_EQ(b.stato.ElementiD, GetParam().elementiD);
    EXPECT_TRUE(b.invarianteSecondoInsieme());
    // Through the mouse's own path: the pressed button takes the focus, as under a click.
    if (!premuti.empty()) {
        EXPECT_EQ(b.tastoConFuoco(), premuti.back());
    }
    if (GetParam().suggerimento) {
        const QString atteso = b.f().Label5(3)->toolTip();
        ASSERT_FALSE(atteso.isEmpty());
        EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
        EXPECT_EQ(QToolTip::text(), atteso);
        QToolTip::hideText();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequenze, Tocchi,
    ::testing::Values(
        CasoTocco{"tap", {{'G', 1, aggiungi}, {'S', 1, aggiungi}}, {aggiungi}, 1},
        CasoTocco{"slide_inside",
                  {{'G', 1, aggiungi, 0.2, 0.3}, {'M', 1, aggiungi, 0.5, 0.6}, {'S', 1, aggiungi, 0.8, 0.7}},
                  {aggiungi}, 1},
        CasoTocco{"slide_out", {{'G', 1, aggiungi}, {'M', 1, aggiungi, 1.2}, {'S', 1, togli}}, {}, 0},
        CasoTocco{"tap_beside_a_resting_palm",
                  {{'G', 1, sfondo}, {'G', 2, aggiungi}, {'S', 2, aggiungi}, {'S', 1, sfondo}},
                  {aggiungi}, 1},
        CasoTocco{"two_buttons_pressed_in_the_order_they_lift",
                  {{'G', 1, aggiungi}, {'G', 2, togli}, {'S', 2, togli}, {'S', 1, aggiungi}},
                  {togli, aggiungi}, 1},
        CasoTocco{"tap_on_no_control", {{'G', 1, sfondo}, {'S', 1, sfondo}}, {}, 0},
        CasoTocco{"tap_on_a_disabled_button", {{'G', 1, verifica}, {'S', 1, verifica}}, {}, 0},
        CasoTocco{"tap_on_the_time_heading_shows_what_it_counts",
                  {{'G', 5, titoloTempo}, {'S', 5, titoloTempo}}, {}, 0, true}),
    righe::perNome);

using TocchiAltrove = Tocchi;

// A modal message runs its own event loop, outside the form the table's fingers touch; a tap on
// its button still answers it.
TEST_F(TocchiAltrove, ATapOnOkClosesAMessage)
{
    bool chiuso = false;
    QTimer::singleShot(0, b.form, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box && QTest::qWaitForWindowExposed(box));
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        const QPoint centro = ok->mapTo(box, ok->rect().center());
        QTest::touchEvent(box, schermoTattile()).press(4, centro);
        QTest::touchEvent(box, schermoTattile()).release(4, centro);
        chiuso = !box->isVisible();
        if (!chiuso)
            box->done(QMessageBox::Cancel); // a failure, not a test that hangs
    });
    Avvisi().mostra(b.form, QStringLiteral("Completa la scheda"));
    EXPECT_TRUE(chiuso);
}

} // namespace
