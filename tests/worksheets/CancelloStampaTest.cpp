#include "support/ContestoDiProva.h"
#include "support/Schede.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The print gate of the three worksheet kinds: "STAMPA" refuses with the kind's own message
// until each of the four sets has been generated since the form was opened.
namespace {

using Schede::Tipo;
using Schede::testi;

class CancelloStampa : public ::testing::TestWithParam<Tipo>
{
protected:
    ModuloScheda *apri()
    {
        return Schede::apri(*prova, *prova.dialogo, GetParam());
    }
    static void premi(QWidget *modulo, const QString &testo)
    { Schede::premi(modulo, testo); }
    void premiInsieme(QWidget *modulo, int s)
    {
        premi(modulo, QString::fromUtf8(testi(GetParam()).pulsanteInsieme).arg(s));
    }
    int richiamiCancello() const
    {
        return prova.avvisi.messaggi.count(QString::fromUtf8(testi(GetParam()).messaggio));
    }

    std::size_t stampe() const { return prova.stampanti.documenti.size(); }

    // A printer is there, so a refusal can only come from the gate.
    ContestoDiProva prova{{QStringLiteral("P")}, QStringLiteral("P")};
};

TEST_P(CancelloStampa, RefusesRightAfterOpening)
{
    std::unique_ptr<ModuloScheda> modulo(apri());
    premi(modulo.get(), QStringLiteral("STAMPA"));
    EXPECT_EQ(prova.avvisi.messaggi, QStringList{QString::fromUtf8(testi(GetParam()).messaggio)});
    EXPECT_EQ(stampe(), 0u);
}

TEST_P(CancelloStampa, RefusesAfterReopeningEvenIfTheLastOpeningHadAllFourSets)
{
    QPointer<ModuloScheda> primo = apri();
    for (int s = 2; s <= 4; ++s)
        premiInsieme(primo, s);
    premi(primo, QStringLiteral("STAMPA"));
    EXPECT_EQ(richiamiCancello(), 0);
    EXPECT_EQ(stampe(), 1u);
    premi(primo, QStringLiteral("ESCI"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(primo.isNull());

    std::unique_ptr<ModuloScheda> secondo(apri());
    for (int s = 2; s <= 4; ++s)
        EXPECT_FALSE(secondo->mostrato(s)) << "set " << s;
    premi(secondo.get(), QStringLiteral("STAMPA"));
    EXPECT_EQ(richiamiCancello(), 1);
    EXPECT_EQ(stampe(), 1u);
}

TEST_P(CancelloStampa, RefusesWhileAnyOneSetIsMissing)
{
    for (int mancante = 2; mancante <= 4; ++mancante) {
        std::unique_ptr<ModuloScheda> modulo(apri());
        for (int s = 4; s >= 2; --s)
            if (s != mancante)
                premiInsieme(modulo.get(), s);
        const int prima = richiamiCancello();
        premi(modulo.get(), QStringLiteral("STAMPA"));
        EXPECT_EQ(richiamiCancello(), prima + 1) << "missing set " << mancante;
        EXPECT_EQ(stampe(), 0u) << "missing set " << mancante;
    }
}

TEST_P(CancelloStampa, PassesOnceAllFourSetsWereMadeInAnyOrder)
{
    std::unique_ptr<ModuloScheda> modulo(apri());
    for (int s : {4, 2, 3})
        premiInsieme(modulo.get(), s);
    premi(modulo.get(), QStringLiteral("STAMPA"));
    EXPECT_EQ(richiamiCancello(), 0);
    EXPECT_TRUE(prova.avvisi.messaggi.isEmpty());
    EXPECT_EQ(stampe(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Tipi, CancelloStampa,
                         ::testing::ValuesIn(Schede::tutti),
                         Schede::nomeCaso);

} // namespace
