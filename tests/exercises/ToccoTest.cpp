#include "BancoOperativo.h"
#include "platform/Avvisi.h"
#include "platform/SuggerimentiAlClic.h"
#include "platform/TocchiComeClic.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointingDevice>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

constexpr int aggiungi = 0, togli = 1, verifica = 2;

QPointingDevice *schermoTattile()
{
    static QPointingDevice *schermo = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    return schermo;
}

// Where a finger goes: on a keypad button (at a fraction of its width and height), or on the
// form's bare background beside the keypad.
struct Posto
{
    int tasto; // -1: the background
    double x = 0.5, y = 0.5;
};
constexpr Posto sfondo{-1, 0.97, 0.96};

struct Passo
{
    enum Tipo { Giu, Sposta, Su } tipo;
    int dito;
    Posto posto;
};

struct CasoTocco
{
    const char *nome;
    std::vector<Passo> passi;
    std::vector<int> premuti; // the keypad buttons that get a mouse press, in order
    int elementiD;            // the second set's size after it
};

void PrintTo(const CasoTocco &caso, std::ostream *os)
{
    *os << caso.nome;
}

// Counts the mouse presses that reach each keypad button, whoever sends them.
struct Pressioni : QObject
{
    explicit Pressioni(const FrmOperativo &f)
        : form(f)
    {
        qApp->installEventFilter(this);
    }
    ~Pressioni() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            for (int i = 0; i < 5; ++i)
                if (o == form.Option1(i))
                    premuti.push_back(i);
        return false;
    }
    const FrmOperativo &form;
    std::vector<int> premuti;
};

class TocchiSulTastierino : public ::testing::TestWithParam<CasoTocco>
{
protected:
    void SetUp() override { qApp->installEventFilter(&tocchi); }
    void TearDown() override { qApp->removeEventFilter(&tocchi); }
    TocchiComeClic tocchi;
};

QPoint punto(const FrmOperativo &f, const Posto &p)
{
    const QWidget *w = p.tasto < 0 ? static_cast<const QWidget *>(&f) : f.Option1(p.tasto);
    return w->mapTo(&f, QPoint(int(w->width() * p.x), int(w->height() * p.y)));
}

TEST_P(TocchiSulTastierino, EachFingerPressesTheControlItBeganAndEndedOn)
{
    BancoOperativo b(TipoEsercizio::InsiemeVuoto);
    b.accodaEsercizio(3, {2, 7, 11});
    FrmOperativo &f = b.apri();
    Pressioni pressioni(f);

    std::map<int, QPoint> giu; // the fingers on the screen
    for (const Passo &passo : GetParam().passi) {
        auto sequenza = QTest::touchEvent(&f, schermoTattile());
        for (const auto &[dito, dove] : giu)
            if (dito != passo.dito)
                sequenza.stationary(dito);
        const QPoint dove = punto(f, passo.posto);
        if (passo.tipo == Passo::Giu) {
            sequenza.press(passo.dito, dove);
            giu[passo.dito] = dove;
        } else if (passo.tipo == Passo::Sposta) {
            sequenza.move(passo.dito, dove);
        } else {
            sequenza.release(passo.dito, dove);
            giu.erase(passo.dito);
        }
    }
    EXPECT_EQ(pressioni.premuti, GetParam().premuti);
    EXPECT_EQ(b.stato.ElementiD, GetParam().elementiD);
    EXPECT_TRUE(b.invarianteSecondoInsieme());
    // Through the mouse's own path: a pressed button takes the focus as under a click.
    if (!GetParam().premuti.empty()) {
        EXPECT_EQ(b.tastoConFuoco(), GetParam().premuti.back());
    }
}

using P = Passo;
INSTANTIATE_TEST_SUITE_P(
    Sequenze, TocchiSulTastierino,
    ::testing::Values(
        CasoTocco{"tap", {{P::Giu, 1, {aggiungi}}, {P::Su, 1, {aggiungi}}}, {aggiungi}, 1},
        CasoTocco{"slide_inside",
                  {{P::Giu, 1, {aggiungi, 0.2, 0.3}}, {P::Sposta, 1, {aggiungi, 0.5, 0.6}},
                   {P::Su, 1, {aggiungi, 0.8, 0.7}}},
                  {aggiungi}, 1},
        CasoTocco{"slide_out",
                  {{P::Giu, 1, {aggiungi}}, {P::Sposta, 1, {aggiungi, 1.2}}, {P::Su, 1, {togli}}},
                  {}, 0},
        CasoTocco{"tap_beside_a_resting_palm",
                  {{P::Giu, 1, sfondo}, {P::Giu, 2, {aggiungi}}, {P::Su, 2, {aggiungi}},
                   {P::Su, 1, sfondo}},
                  {aggiungi}, 1},
        CasoTocco{"two_buttons_lifted_togli_first",
                  {{P::Giu, 1, {aggiungi}}, {P::Giu, 2, {togli}}, {P::Su, 2, {togli}},
                   {P::Su, 1, {aggiungi}}},
                  {togli, aggiungi}, 1},
        CasoTocco{"two_buttons_lifted_aggiungi_first",
                  {{P::Giu, 1, {togli}}, {P::Giu, 2, {aggiungi}}, {P::Su, 2, {aggiungi}},
                   {P::Su, 1, {togli}}},
                  {aggiungi, togli}, 0},
        CasoTocco{"tap_on_no_control", {{P::Giu, 1, sfondo}, {P::Su, 1, sfondo}}, {}, 0},
        CasoTocco{"tap_on_a_disabled_button", {{P::Giu, 1, {verifica}}, {P::Su, 1, {verifica}}}, {}, 0}),
    [](const auto &info) { return std::string(info.param.nome); });

// A modal message runs its own event loop; a tap on its button still answers it.
TEST(TocchiSuUnAvviso, ATapOnOkClosesTheMessage)
{
    TocchiComeClic tocchi;
    qApp->installEventFilter(&tocchi);
    QWidget modulo;
    modulo.show();
    bool toccato = false;
    QTimer::singleShot(0, &modulo, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        const QPoint centro = ok->mapTo(box, ok->rect().center());
        QTest::touchEvent(box, schermoTattile()).press(4, centro);
        QTest::touchEvent(box, schermoTattile()).release(4, centro);
        toccato = !box->isVisible();
        if (!toccato)
            box->done(QMessageBox::Cancel); // a failure, not a test that hangs
    });
    Avvisi().mostra(&modulo, QStringLiteral("Problema di stampa nella stampante utilizzata."));
    EXPECT_TRUE(toccato);
    qApp->removeEventFilter(&tocchi);
}

// What a tooltip says reaches a finger too, which cannot hover.
TEST(TocchiSuUnSuggerimento, ATapOnTheTimeHeadingShowsWhatItCounts)
{
    TocchiComeClic tocchi;
    SuggerimentiAlClic suggerimenti;
    qApp->installEventFilter(&tocchi);
    qApp->installEventFilter(&suggerimenti);
    BancoOperativo b(TipoEsercizio::InsiemeVuoto);
    b.accodaEsercizio(3, {2, 7, 11});
    FrmOperativo &f = b.apri();
    const QLabel *titolo = f.Label5(3);
    ASSERT_FALSE(titolo->toolTip().isEmpty());
    const QPoint centro = titolo->mapTo(&f, titolo->rect().center());
    QTest::touchEvent(&f, schermoTattile()).press(5, centro);
    QTest::touchEvent(&f, schermoTattile()).release(5, centro);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), titolo->toolTip());
    QToolTip::hideText();
    qApp->removeEventFilter(&suggerimenti);
    qApp->removeEventFilter(&tocchi);
}

} // namespace
