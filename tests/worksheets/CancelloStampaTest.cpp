#include "support/ContestoDiProva.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "AiutiSchede.h"

#include <QPointer>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// The print gate of the three worksheet kinds: "STAMPA" refuses with the kind's own message
// until each of the four sets has been generated since the form was opened.
namespace {

struct Tipo
{
    const char *nome;
    std::function<ModuloScheda *(Contesto &)> apri;
    const char *pulsanteInsieme; // caption with %1 for the number
    const char *messaggio;
};

void PrintTo(const Tipo &tipo, std::ostream *os)
{
    *os << tipo.nome;
}

class CancelloStampa : public ::testing::TestWithParam<Tipo>
{
protected:
    ModuloScheda *apri()
    {
        ModuloScheda *m = GetParam().apri(*prova);
        m->show();
        return m;
    }
    static void premi(QWidget *modulo, const QString &testo)
    {
        QPushButton *p = aiuti::pulsante(modulo, testo);
        ASSERT_NE(p, nullptr) << testo.toStdString();
        QTest::mouseClick(p, Qt::LeftButton);
    }
    void premiInsieme(QWidget *modulo, int s)
    {
        premi(modulo, QString::fromUtf8(GetParam().pulsanteInsieme).arg(s));
    }
    int richiamiCancello() const
    {
        return prova.avvisi.messaggi.count(QString::fromUtf8(GetParam().messaggio));
    }

    ContestoDiProva prova;
};

TEST_P(CancelloStampa, RefusesRightAfterOpening)
{
    std::unique_ptr<ModuloScheda> modulo(apri());
    premi(modulo.get(), QStringLiteral("STAMPA"));
    EXPECT_EQ(prova.avvisi.messaggi, QStringList{QString::fromUtf8(GetParam().messaggio)});
}

TEST_P(CancelloStampa, RefusesAfterReopeningEvenIfTheLastOpeningHadAllFourSets)
{
    QPointer<ModuloScheda> primo = apri();
    for (int s = 2; s <= 4; ++s)
        premiInsieme(primo, s);
    premi(primo, QStringLiteral("STAMPA"));
    EXPECT_EQ(richiamiCancello(), 0);
    premi(primo, QStringLiteral("ESCI"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(primo.isNull());

    std::unique_ptr<ModuloScheda> secondo(apri());
    for (int s = 2; s <= 4; ++s)
        EXPECT_FALSE(secondo->mostrato(s)) << "set " << s;
    premi(secondo.get(), QStringLiteral("STAMPA"));
    EXPECT_EQ(richiamiCancello(), 1);
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
    }
}

TEST_P(CancelloStampa, PassesOnceAllFourSetsWereMadeInAnyOrder)
{
    std::unique_ptr<ModuloScheda> modulo(apri());
    for (int s : {4, 2, 3})
        premiInsieme(modulo.get(), s);
    premi(modulo.get(), QStringLiteral("STAMPA"));
    EXPECT_EQ(richiamiCancello(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tipi, CancelloStampa,
    ::testing::Values(
        Tipo{"disegna", [](Contesto &c) -> ModuloScheda * { return new FrmStampaSchede(c); },
             "VISUALIZZA %1° INSIEME", "Completa la scheda "},
        Tipo{"aggiungi",
             [](Contesto &c) -> ModuloScheda * {
                 return new FrmStampaSchedeElementi(c, FrmStampaSchedeElementi::Tipo::Aggiungi);
             },
             "VISUALIZZA %1° ESERCIZIO", "Completa la scheda"},
        Tipo{"togli",
             [](Contesto &c) -> ModuloScheda * {
                 return new FrmStampaSchedeElementi(c, FrmStampaSchedeElementi::Tipo::Togli);
             },
             "VISUALIZZA %1° ESERCIZIO", " Completa la scheda"}),
    [](const auto &info) { return std::string(info.param.nome); });

} // namespace
