#include "platform/SceltaFile.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

// The system's "save as" dialog as the program opens it, answered by the test while it is up:
// it proposes the given name in the given folder, shows only PDF files, and choosing a file
// that exists asks before replacing it; "No" keeps the dialog open; a name typed without an
// extension comes back as a PDF file's.
namespace {

TEST(SceltaFile, ProposesTheNameAsksBeforeReplacingAFileAndAddsTheExtension)
{
    QTemporaryDir cartella;
    const QString esistente = cartella.filePath(QStringLiteral("scheda-togli-2026-12-09.pdf"));
    {
        QFile file(esistente);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("%PDF-1.4");
    }

    QStringList proposti;
    QStringList filtri;
    bool chiedeConferma = false;
    QString domanda;
    bool apertoDopoIlNo = false;

    // Polls for the modal windows the dialog opens, one after the other.
    QTimer passi;
    int fase = 0;
    QObject::connect(&passi, &QTimer::timeout, &passi, [&] {
        QWidget *modale = QApplication::activeModalWidget();
        if (fase == 0) {
            auto *dialogo = qobject_cast<QFileDialog *>(modale);
            if (!dialogo)
                return;
            proposti = dialogo->selectedFiles();
            filtri = dialogo->nameFilters();
            chiedeConferma = !dialogo->testOption(QFileDialog::DontConfirmOverwrite);
            fase = 1;
            // The proposed name, which exists, as if "Salva" were pressed.
            QMetaObject::invokeMethod(dialogo, "accept", Qt::QueuedConnection);
        } else if (fase == 1) {
            auto *avviso = qobject_cast<QMessageBox *>(modale);
            if (!avviso)
                return;
            domanda = avviso->text();
            fase = 2;
            avviso->button(QMessageBox::No)->click();
        } else if (fase == 2) {
            auto *dialogo = qobject_cast<QFileDialog *>(modale);
            if (!dialogo)
                return;
            apertoDopoIlNo = dialogo->isVisible();
            fase = 3;
            // A name without its extension.
            dialogo->selectFile(QStringLiteral("nuova"));
            QMetaObject::invokeMethod(dialogo, "accept", Qt::QueuedConnection);
        }
    });
    passi.start(20);

    SceltaFile scelta;
    const QString risposta = scelta.percorsoPerSalvare(nullptr, QStringLiteral("Salva"), esistente,
                                                       QStringLiteral("Documenti PDF (*.pdf)"));
    passi.stop();

    EXPECT_EQ(fase, 3);
    EXPECT_EQ(proposti, QStringList{esistente});
    EXPECT_EQ(filtri, QStringList{QStringLiteral("Documenti PDF (*.pdf)")});
    EXPECT_TRUE(chiedeConferma);
    EXPECT_TRUE(domanda.contains(QStringLiteral("scheda-togli-2026-12-09.pdf")))
        << domanda.toStdString();
    EXPECT_TRUE(apertoDopoIlNo);
    EXPECT_EQ(risposta, cartella.filePath(QStringLiteral("nuova.pdf")));
}

} // namespace
