#include "BancoOperativo.h"
#include "comune/TipoEsercizio.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QImage>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <vector>

// What assistive technology receives from the exercise form, read through Qt's accessibility
// interfaces as a screen reader's bridge reads them.
namespace {

using TipoEsercizio::InsiemeVuoto;
using TipoEsercizio::Prevalente;
using TipoEsercizio::Suvvalente;

constexpr int aggiungi = 0, togli = 1, verifica = 2;
constexpr int no = 1;

QAccessibleInterface *interfaccia(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

QString nome(QObject *o)
{
    return interfaccia(o)->text(QAccessible::Name);
}

// ---- Pictures and sets ----

struct CasoInsiemi
{
    const char *caso;
    TipoEsercizio tipo;
    int figura;
    std::vector<int> caselle;
    int m;
    const char *soggetto;
    const char *primo;
    const char *secondo;
    // The second set after one press of "AGGIUNGI (+)".
    const char *secondoDopoAggiungi;
};

using NomiInsiemi = ::testing::TestWithParam<CasoInsiemi>;

TEST_P(NomiInsiemi, PicturesAndFramesAreNamedByWhatTheyShow)
{
    const CasoInsiemi &c = GetParam();
    BancoOperativo b(c.tipo);
    b.accodaEsercizio(c.figura, c.caselle, c.m);
    FrmOperativo &f = b.apri();

    QAccessibleInterface *figura = interfaccia(f.Image1(c.caselle.front()));
    EXPECT_EQ(figura->role(), QAccessible::Graphic);
    EXPECT_EQ(figura->text(QAccessible::Name), QString::fromUtf8(c.soggetto));
    for (RiquadroInsieme *r : {f.FraSfondoS(), f.FraSfondoD()})
        EXPECT_EQ(interfaccia(r)->role(), QAccessible::Grouping) << r->objectName().toStdString();
    EXPECT_EQ(nome(f.FraSfondoS()), QString::fromUtf8(c.primo));
    EXPECT_EQ(nome(f.FraSfondoD()), QString::fromUtf8(c.secondo));

    b.clic(f.Option1(aggiungi));
    EXPECT_EQ(nome(f.FraSfondoD()), QString::fromUtf8(c.secondoDopoAggiungi));
    const int ultima = b.stato.ElementiD;
    EXPECT_EQ(nome(f.Image2(ultima)), QString::fromUtf8(c.soggetto));
    if (c.tipo == InsiemeVuoto) { // the empty slots show, and are heard as empty
        EXPECT_EQ(nome(f.Image2(ultima + 1)), QStringLiteral("casella vuota"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Accessibilita, NomiInsiemi,
    ::testing::Values(
        CasoInsiemi{"EmptySecondSet", InsiemeVuoto, 12, {3, 4, 7, 9, 15}, 0, "gatto",
                    "Primo insieme: 5 gatti", "Secondo insieme: nessun elemento",
                    "Secondo insieme: 1 gatto"},
        CasoInsiemi{"SmallerSecondSet", Suvvalente, 11, {2, 6, 8}, 1, "ciliegie",
                    "Primo insieme: 3 coppie di ciliegie", "Secondo insieme: 1 coppia di ciliegie",
                    "Secondo insieme: 2 coppie di ciliegie"},
        CasoInsiemi{"OneElementFirstSet", InsiemeVuoto, 4, {5}, 0, "barca a vela",
                    "Primo insieme: 1 barca a vela", "Secondo insieme: nessun elemento",
                    "Secondo insieme: 1 barca a vela"},
        CasoInsiemi{"LargerSecondSet", Prevalente, 1, {1, 2}, 4, "imbuto", "Primo insieme: 2 imbuti",
                    "Secondo insieme: 4 imbuti", "Secondo insieme: 5 imbuti"}),
    [](const auto &info) { return std::string(info.param.caso); });

// ---- The verdict and the results ----

struct Evento
{
    QObject *oggetto;
    QAccessible::Event tipo;
    QString nome;
};
std::vector<Evento> eventi;

void registraEvento(QAccessibleEvent *e)
{
    QAccessibleInterface *i = e->accessibleInterface();
    eventi.push_back({e->object(), e->type(), i ? i->text(QAccessible::Name) : QString()});
}

// Catches what the form sends to the platform's bridge while the test runs. Qt passes events on
// only while accessibility is active, which a screen reader's arrival does on a desktop.
struct RegistroEventi
{
    RegistroEventi()
    {
        eventi.clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(registraEvento);
    }
    ~RegistroEventi()
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    static std::vector<Evento> di(QObject *o, QAccessible::Event tipo)
    {
        std::vector<Evento> trovati;
        for (const Evento &e : eventi)
            if (e.oggetto == o && e.tipo == tipo)
                trovati.push_back(e);
        return trovati;
    }
};

struct CasoEsito
{
    const char *caso;
    bool esatta;
    const char *didascalia;
    const char *detto;
    const char *valore; // the results value the verdict counts, by its heading
};

using AnnuncioEsito = ::testing::TestWithParam<CasoEsito>;

TEST_P(AnnuncioEsito, TheVerdictIsAnnouncedByItsWordAndCountedByHeading)
{
    const CasoEsito &c = GetParam();
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(7, {1, 2});
    FrmOperativo &f = b.apri();
    QLabel *esito = f.LblEsito();
    EXPECT_EQ(interfaccia(esito)->role(), QAccessible::Notification);
    EXPECT_TRUE(interfaccia(esito)->state().invisible);
    EXPECT_EQ(nome(f.LblOperazione()), QStringLiteral("Esercizio: 1"));
    EXPECT_EQ(nome(f.lblRisEsatte()), QStringLiteral("Risposte esatte"));

    RegistroEventi registro;
    b.clic(f.Option1(aggiungi));
    b.clic(f.Option1(aggiungi));
    if (!c.esatta)
        b.clic(f.Option1(aggiungi));
    EXPECT_TRUE(registro.di(esito, QAccessible::ObjectShow).empty());
    b.clic(f.Option1(verifica));

    EXPECT_EQ(esito->text(), QString::fromUtf8(c.didascalia));
    EXPECT_EQ(nome(esito), QString::fromUtf8(c.detto));
    EXPECT_FALSE(interfaccia(esito)->state().invisible);
    const std::vector<Evento> comparse = registro.di(esito, QAccessible::ObjectShow);
    ASSERT_EQ(comparse.size(), 1u);
    EXPECT_EQ(comparse.front().nome, QString::fromUtf8(c.detto));
    QLabel *contato = c.esatta ? f.lblRisEsatte() : f.lblRisErrate();
    EXPECT_EQ(nome(contato), QString::fromUtf8(c.valore));
    EXPECT_EQ(nome(f.LblTempoTotale()).section(QLatin1Char(':'), 0, 0), QStringLiteral("Tempo totale"));
    EXPECT_TRUE(nome(f.LblTempoTotale()).endsWith(QStringLiteral(" secondi")));
}

INSTANTIATE_TEST_SUITE_P(Accessibilita, AnnuncioEsito,
                         ::testing::Values(CasoEsito{"Right", true, "E s a t t o", "Esatto",
                                                     "Risposte esatte: 1"},
                                           CasoEsito{"Wrong", false, "E r r a t o", "Errato",
                                                     "Risposte errate: 1"}),
                         [](const auto &info) { return std::string(info.param.caso); });

TEST(AnnuncioEsito, AClearedVerdictLeavesTheTreeAndComesBackAnnouncedAgain)
{
    BancoOperativo b(Prevalente);
    b.accodaEsercizio(3, {1, 2, 3}, 5);
    FrmOperativo &f = b.apri();
    QLabel *esito = f.LblEsito();
    RegistroEventi registro;
    b.clic(f.Option1(togli));
    b.clic(f.Option1(verifica));
    ASSERT_EQ(nome(esito), QStringLiteral("Errato"));
    b.clic(f.Option3(no));
    EXPECT_TRUE(esito->text().isEmpty());
    EXPECT_TRUE(interfaccia(esito)->state().invisible);
    EXPECT_EQ(registro.di(esito, QAccessible::ObjectHide).size(), 1u);
    b.clic(f.Option1(togli));
    b.clic(f.Option1(verifica));
    const std::vector<Evento> comparse = registro.di(esito, QAccessible::ObjectShow);
    ASSERT_EQ(comparse.size(), 2u);
    EXPECT_EQ(comparse.back().nome, QStringLiteral("Errato"));
}

// ---- The panels and the focus ----

TEST(FuocoVisibile, TheInterventionOkShowsTheFocusAndOnlyThen)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(9, {1, 2});
    FrmOperativo &f = b.apri();
    for (int rifiuto = 0; rifiuto < 3; ++rifiuto) {
        b.clic(f.Option1(aggiungi));
        b.clic(f.Option1(verifica));
        b.clic(f.Option3(no));
    }
    QPushButton *ok = f.optOK();
    ASSERT_TRUE(ok->hasFocus());
    EXPECT_EQ(nome(f.fraIntervento()), QStringLiteral("Intervento"));
    EXPECT_EQ(interfaccia(f.fraIntervento())->role(), QAccessible::Grouping);
    EXPECT_EQ(interfaccia(ok)->role(), QAccessible::Button);
    EXPECT_TRUE(interfaccia(ok)->state().focused);

    const QImage conFuoco = ok->grab().toImage();
    ok->clearFocus();
    ASSERT_FALSE(ok->hasFocus());
    const QImage senzaFuoco = ok->grab().toImage();
    ASSERT_EQ(conFuoco.size(), senzaFuoco.size());
    EXPECT_NE(conFuoco, senzaFuoco);
}

TEST(NomiPannelli, EveryButtonOfThePanelsIsHeardByItsWord)
{
    BancoOperativo b(InsiemeVuoto);
    b.accodaEsercizio(2, {1});
    FrmOperativo &f = b.apri();
    const std::vector<std::pair<QWidget *, const char *>> attesi = {
        {f.fraTastierino(), "Tastierino"}, {f.fraAiuto(), "Aiuto"},
        {f.Option1(0), "Aggiungi"},        {f.Option1(1), "Togli"},
        {f.Option1(2), "Verifica"},        {f.Option1(3), "Avanti"},
        {f.Option1(4), "Esci"},            {f.Option3(0), "Sì"},
        {f.Option3(1), "No"},              {f.optOK(), "OK"},
        {f.frmElaborazione(), "Risultati"}};
    for (const auto &[controllo, detto] : attesi) {
        EXPECT_EQ(nome(controllo), QString::fromUtf8(detto)) << detto;
        if (qobject_cast<QPushButton *>(controllo)) {
            EXPECT_EQ(interfaccia(controllo)->role(), QAccessible::Button) << detto;
            EXPECT_FALSE(interfaccia(controllo)->text(QAccessible::Description).isEmpty()) << detto;
        }
    }
}

} // namespace
