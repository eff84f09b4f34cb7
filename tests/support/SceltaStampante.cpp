#include "support/SceltaStampante.h"

#include "worksheets/FrmStampante.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <QTimer>

namespace SceltaStampante {

QComboBox *combo(FrmStampante &dialogo)
{
    return dialogo.findChild<QComboBox *>(QStringLiteral("Combo1"));
}

QLabel *etichetta(FrmStampante &dialogo, const char *nome)
{
    return dialogo.findChild<QLabel *>(QString::fromLatin1(nome));
}

void scegli(FrmStampante &dialogo, int indice)
{
    QComboBox *c = combo(dialogo);
    c->showPopup();
    QAbstractItemView *vista = c->view();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(vista->window())) << "the printer list did not open";
    vista->setCurrentIndex(vista->model()->index(indice, 0));
    QTest::keyClick(vista, Qt::Key_Return);
}

bool apriEChiudi(FrmStampante &dialogo, const std::function<void()> &act)
{
    bool tornato = false;
    QTimer::singleShot(0, &dialogo, [&dialogo, act] {
        if (act)
            act();
        QTest::mouseClick(dialogo.findChild<QPushButton *>(QStringLiteral("Command2")),
                          Qt::LeftButton);
    });
    dialogo.mostraModale();
    tornato = !dialogo.isVisible();
    return tornato;
}

} // namespace SceltaStampante
