#include "worksheets/FrmStampante.h"

#include "comune/Contesto.h"
#include "platform/FineModulo.h"
#include "platform/InSottofondo.h"
#include "platform/Interruzione.h"
#include "platform/Stampanti.h"
#include "platform/Twips.h"
#include "platform/Aspetto.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextLayout>
#include <chrono>

namespace {

const QColor sfondo(255, 255, 192);
const QString testoPredefinita = QStringLiteral("La stampante predefinita è ");
const QString testoScelta = QStringLiteral("La stampante scelta è ");
const QString nessunaStampante = QStringLiteral("Nessuna stampante installata.");
// How long the dialog waits for the printers to answer at all.
constexpr std::chrono::seconds attesaMassima{60};

// What the printers said when the dialog was loaded.
struct Elenco
{
    QStringList nomi;
    QString predefinita;
};

// Keeps Return and Enter away from the combo box's text field: typing there is never a choice.
class SoloTesto : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (evento->type() == QEvent::KeyPress) {
            const int tasto = static_cast<QKeyEvent *>(evento)->key();
            if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter)
                return true;
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

// Lines of text as they fall when broken at word boundaries, or anywhere inside a word that
// is wider than the line.
QStringList righe(const QString &testo, const QFont &font, int larghezza,
                  QTextOption::WrapMode modo)
{
    QTextLayout layout(testo, font);
    QTextOption opzione;
    opzione.setWrapMode(modo);
    layout.setTextOption(opzione);
    layout.beginLayout();
    QStringList risultato;
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(larghezza);
        risultato.append(testo.mid(riga.textStart(), riga.textLength()));
    }
    layout.endLayout();
    return risultato;
}

} // namespace

FrmStampante::~FrmStampante()
{
    FineModulo::staccaGestori(*this);
}

FrmStampante::FrmStampante(Contesto &contesto, QWidget *parent)
    : QDialog(parent)
    , m_contesto(contesto)
    , m_command2(new QPushButton(QStringLiteral("C H I U D I"), this))
    , m_combo1(new QComboBox(this))
    , m_label2(new QLabel(this))
    , m_label1(new QLabel(this))
{
    setWindowTitle(QStringLiteral("Form1"));
    Aspetto::coloraSfondo(this, sfondo);

    const Twips twips = Twips::schermo();
    setFixedSize(twips.inPixelInteri(6060), twips.inPixelInteri(5460));
    auto posiziona = [&twips](QWidget *w, double l, double t, double larg, double alt) {
        w->setGeometry(twips.rettangoloInPixel(QRectF(l, t, larg, alt)));
    };

    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setFont(Aspetto::arial(13.5));
    m_command2->setAutoDefault(false);
    // A style sheet with a border draws no focus frame: the border darkens with the focus instead.
    m_command2->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(255, 255, 128); border: 2px outset rgb(160, 160, 96); }"
        "QPushButton:focus { border-color: black; }"
        "QPushButton:pressed { border-style: inset; }"));
    m_command2->setAccessibleName(QStringLiteral("Chiudi"));
    posiziona(m_command2, 1128, 4188, 3168, 648);

    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setFont(Aspetto::arial(9.75));
    m_combo1->setEditable(true);
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setCompleter(nullptr);
    m_combo1->setEditText(QStringLiteral("Combo1"));
    m_combo1->lineEdit()->installEventFilter(new SoloTesto(m_combo1));
    // A long printer name must not stretch the box; the list shortens names in the middle.
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_combo1->setMinimumContentsLength(16);
    m_combo1->view()->setTextElideMode(Qt::ElideMiddle);
    m_combo1->setAccessibleName(QStringLiteral("Stampante"));
    posiziona(m_combo1, 612, 2400, 4632, 336);

    for (QLabel *etichetta : {m_label2, m_label1}) {
        etichetta->setFont(Aspetto::arial(9.75));
        etichetta->setTextFormat(Qt::PlainText);
        etichetta->setWordWrap(true);
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etichetta->setAttribute(Qt::WA_TranslucentBackground);
    }
    m_label2->setObjectName(QStringLiteral("Label2"));
    posiziona(m_label2, 3276, 120, 1704, 1452);
    m_label1->setObjectName(QStringLiteral("Label1"));
    posiziona(m_label1, 432, 168, 1716, 1524);

    connect(m_combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(m_command2, &QPushButton::clicked, this, [this] { Command2_Click(); });

    Form_Load();
}

void FrmStampante::mostraModale()
{
    if (const QScreen *schermo = screen() ? screen() : QGuiApplication::primaryScreen())
        move(schermo->availableGeometry().center() - rect().center());
    exec();
}

void FrmStampante::Form_Load()
{
    // The printers are asked on a worker; the dialog opens at once and fills when they answer.
    // The default is asked too if the start-up's question has not been answered yet.
    ++m_attese;
    InSottofondo::esegui(
        this,
        [&stampanti = m_contesto.stampanti(), serve = m_contesto.stampanteCorrente().isEmpty()] {
            const Interruzione limite(attesaMassima);
            const Interruzione::Ambito ambito(limite);
            Elenco elenco;
            elenco.nomi = stampanti.nomi();
            if (serve)
                elenco.predefinita = stampanti.predefinita();
            return elenco;
        },
        [this](const Elenco &elenco) {
            if (!elenco.predefinita.isEmpty())
                m_contesto.stampantePredefinitaLetta(elenco.predefinita);
            RiempiStampanti(elenco.nomi);
            MostraPredefinita();
            --m_attese;
            Q_EMIT aggiornato();
        });
}

void FrmStampante::RiempiStampanti(const QStringList &nomi)
{
    if (nomi.isEmpty()) {
        // Nothing to choose from: the list stays empty and closed.
        m_combo1->setEditText(QString());
        m_combo1->setEnabled(false);
        return;
    }
    m_combo1->addItems(nomi);
    m_combo1->setCurrentIndex(0);
    // Selecting the first entry raises the list's click event, as a choice by hand would.
    Combo1_Click();
}

void FrmStampante::MostraPredefinita()
{
    if (m_combo1->count() == 0 && m_contesto.stampanteCorrente().isEmpty()) {
        m_label1->setText(nessunaStampante);
        return;
    }
    impostaDidascalia(m_label1, testoPredefinita, m_contesto.stampanteCorrente());
}

void FrmStampante::Combo1_Click()
{
    if (!m_primoClickFatto) {
        m_primoClickFatto = true;
        return;
    }
    // The list may be out of date: only a printer that is still installed can be chosen, and
    // the printers are asked on a worker.
    ++m_attese;
    InSottofondo::esegui(
        this,
        [&stampanti = m_contesto.stampanti()] {
            const Interruzione limite(attesaMassima);
            const Interruzione::Ambito ambito(limite);
            return stampanti.nomi();
        },
        [this, testo = m_combo1->currentText()](const QStringList &installate) {
            sceltaVerificata(testo, installate);
            --m_attese;
            Q_EMIT aggiornato();
        });
}

void FrmStampante::sceltaVerificata(const QString &testo, const QStringList &installate)
{
    for (const QString &nome : installate) {
        if (nome == testo) {
            m_contesto.impostaStampanteCorrente(nome);
            break;
        }
    }
    impostaDidascalia(m_label2, testoScelta, m_contesto.stampanteCorrente());
}

void FrmStampante::Command2_Click()
{
    hide();
}

void FrmStampante::impostaDidascalia(QLabel *etichetta, const QString &testo, const QString &nome)
{
    const QFontMetrics metriche(etichetta->font());
    const int larghezza = etichetta->width();
    auto entra = [etichetta, larghezza] {
        return etichetta->heightForWidth(larghezza) <= etichetta->height();
    };

    // As it is, when every word of the name fits across the label and the lines fit down it.
    bool paroleStretteAbbastanza = true;
    for (const QString &parola : nome.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        paroleStretteAbbastanza = paroleStretteAbbastanza && metriche.horizontalAdvance(parola) <= larghezza;
    etichetta->setText(testo + QLatin1Char('\n') + nome);
    if (paroleStretteAbbastanza && entra())
        return;

    // Otherwise broken anywhere, with as many lines as the label holds, the last one shortened.
    const QStringList spezzato
        = righe(nome, etichetta->font(), larghezza, QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (qsizetype quante = spezzato.size(); quante >= 1; --quante) {
        QStringList mostrate = spezzato.mid(0, quante - 1);
        const QString resto = spezzato.mid(quante - 1).join(QString());
        mostrate.append(metriche.elidedText(resto, Qt::ElideRight, larghezza));
        for (QString &riga : mostrate)
            riga = riga.trimmed();
        etichetta->setText(testo + QLatin1Char('\n') + mostrate.join(QLatin1Char('\n')));
        if (entra())
            return;
    }
}
