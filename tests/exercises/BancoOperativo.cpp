#include "BancoOperativo.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString testoDi(Qt::Key tasto)
{
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter)
        return QStringLiteral("\r");
    if (tasto == Qt::Key_Space)
        return QStringLiteral(" ");
    if (tasto == Qt::Key_Tab)
        return QStringLiteral("\t");
    if ((tasto >= Qt::Key_0 && tasto <= Qt::Key_9) || (tasto >= Qt::Key_A && tasto <= Qt::Key_Z))
        return QString(QChar(tasto)).toLower();
    return {};
}

} // namespace

BancoOperativo::BancoOperativo(TipoEsercizio tipo)
    : stato(prova.esercizio)
{
    stato.TipoEsercizio = tipo;
}

BancoOperativo::~BancoOperativo()
{
    delete form.data();
}

void BancoOperativo::accodaEsercizio(int figura, const std::vector<int> &caselle, int m)
{
    GeneratoreFinto &g = prova.casuale;
    g.accodaIntero(figura, 12, 1);
    g.accodaIntero(static_cast<int>(caselle.size()), 8, 1);
    for (int c : caselle)
        g.accodaIntero(c, 15, 1);
    if (stato.TipoEsercizio == TipoEsercizio::Suvvalente)
        g.accodaIntero(m, static_cast<int>(caselle.size()), 1);
    if (stato.TipoEsercizio == TipoEsercizio::Prevalente)
        g.accodaIntero(m, 8, 3);
}

FrmOperativo &BancoOperativo::apri()
{
    form = new FrmOperativo(*prova);
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    return *form;
}

void BancoOperativo::premi(Qt::Key tasto, Qt::KeyboardModifiers modificatori)
{
    const QString testo = testoDi(tasto);
    QWidget *dove = QApplication::focusWidget() ? QApplication::focusWidget() : form.data();
    QKeyEvent giu(QEvent::KeyPress, tasto, modificatori, testo);
    QApplication::sendEvent(dove, &giu);
    // The release reaches whatever holds the focus by then.
    dove = QApplication::focusWidget() ? QApplication::focusWidget() : form.data();
    QKeyEvent su(QEvent::KeyRelease, tasto, modificatori, testo);
    QApplication::sendEvent(dove, &su);
}

void BancoOperativo::tieni(Qt::Key tasto, int ripetizioni)
{
    const QString testo = testoDi(tasto);
    const auto qui = [this] {
        return QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget *>(form.data());
    };
    QKeyEvent giu(QEvent::KeyPress, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(qui(), &giu);
    for (int i = 0; i < ripetizioni; ++i) {
        QKeyEvent suRipetuto(QEvent::KeyRelease, tasto, Qt::NoModifier, testo, true);
        QApplication::sendEvent(qui(), &suRipetuto);
        QKeyEvent giuRipetuto(QEvent::KeyPress, tasto, Qt::NoModifier, testo, true);
        QApplication::sendEvent(qui(), &giuRipetuto);
    }
    QKeyEvent su(QEvent::KeyRelease, tasto, Qt::NoModifier, testo);
    QApplication::sendEvent(qui(), &su);
}

void BancoOperativo::clic(QWidget *controllo, Qt::MouseButton pulsante)
{
    QTest::mousePress(controllo, pulsante);
    QTest::mouseRelease(controllo, pulsante);
}

std::vector<int> BancoOperativo::caselleConFigura(bool secondoInsieme) const
{
    std::vector<int> caselle;
    for (int c = 1; c <= FrmOperativo::numeroCaselle; ++c) {
        const QLabel *l = secondoInsieme ? form->Image2(c) : form->Image1(c);
        if (l->isVisibleTo(form) && !l->pixmap().isNull())
            caselle.push_back(c);
    }
    return caselle;
}

QFrame *BancoOperativo::pannelloDavanti() const
{
    const QRect zona = form->fraTastierino()->geometry();
    for (QWidget *w = form->childAt(zona.center()); w; w = w->parentWidget()) {
        if (w == form->fraTastierino() || w == form->fraAiuto() || w == form->fraIntervento())
            return static_cast<QFrame *>(w);
    }
    return nullptr;
}

int BancoOperativo::tastoConFuoco() const
{
    for (int i = 0; i < 5; ++i)
        if (form->Option1(i)->hasFocus())
            return i;
    return -1;
}

::testing::AssertionResult BancoOperativo::invarianteSecondoInsieme() const
{
    std::vector<int> attese;
    for (int c = 1; c <= stato.ElementiD; ++c)
        attese.push_back(c);
    const std::vector<int> viste = caselleConFigura(true);
    if (viste == attese)
        return ::testing::AssertionSuccess();
    auto r = ::testing::AssertionFailure() << "ElementiD " << stato.ElementiD << " but slots";
    for (int c : viste)
        r << ' ' << c;
    return r << " show the picture";
}
