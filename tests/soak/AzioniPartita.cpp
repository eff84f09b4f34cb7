// The events a soak run plays: each chooses, when it is played, among what is on screen then.
#include "Partita.h"

#include "AiutiPartita.h"
#include "StampantiSoak.h"
#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "comune/Contesto.h"
#include "exercises/FrmOperativo.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
#include "worksheets/DialogoStampante.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "worksheets/FrmStampante.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <sstream>

using namespace soak;

namespace {

constexpr std::array<Qt::MouseButton, 3> pulsantiMouse = {Qt::LeftButton, Qt::RightButton,
                                                          Qt::MiddleButton};
const char *nomePulsante(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return "sinistro";
    case Qt::RightButton: return "destro";
    case Qt::MiddleButton: return "centrale";
    default: return "?";
    }
}

// Input timestamps only grow, across runs too, so no two runs' clicks make a double click.
int g_istante = 0;

} // namespace

void soak::avanzaIstante(int ms)
{
    if (g_istante > 1'500'000'000)
        g_istante = 0;
    g_istante += ms;
}

namespace {

bool interattivo(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QMenuBar *>(w) || qobject_cast<const CorniceInsieme *>(w)
        || qobject_cast<const CasellaFigura *>(w) || qobject_cast<const QLineEdit *>(w)
        || qobject_cast<const QMenu *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

bool esce(const QWidget *w)
{
    const auto *b = qobject_cast<const QAbstractButton *>(w);
    return b && (b->text() == QLatin1String("ESCI") || b->text() == QLatin1String("E S C I"));
}
} // namespace

bool Partita::bloccata(const QWidget *finestra) const
{
    const QWidget *modale = QApplication::activeModalWidget();
    if (!modale)
        return false;
    for (const QWidget *w = finestra; w; w = w->parentWidget())
        if (w == modale)
            return false;
    return true;
}

// The program's windows on screen, in a fixed order; for input only those a user can reach.
std::vector<QWidget *> Partita::finestre(bool perInput) const
{
    std::vector<QWidget *> elenco;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == m_altra.get() || w->windowType() == Qt::ToolTip)
            continue;
        if (perInput && (bloccata(w) || w->isMinimized()))
            continue;
        elenco.push_back(w);
    }
    std::sort(elenco.begin(), elenco.end(), [](const QWidget *x, const QWidget *y) {
        if (rango(x) != rango(y))
            return rango(x) < rango(y);
        return std::string(x->metaObject()->className()) < y->metaObject()->className();
    });
    return elenco;
}

QWidget *Partita::scegliFinestra(std::uint32_t r, bool perInput) const
{
    const std::vector<QWidget *> elenco = finestre(perInput);
    if (elenco.empty())
        return nullptr;
    // Half the time the window in front, as a user mostly works there.
    if (perInput && r % 2 == 0) {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup;
        QWidget *attiva = QApplication::activeWindow();
        if (attiva && std::find(elenco.begin(), elenco.end(), attiva) != elenco.end())
            return attiva;
    }
    return elenco[(r / 2) % elenco.size()];
}
// A point of the window on one of its controls, mostly one a user would aim at.
bool Partita::puntoSu(QWidget *finestra, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                      QPoint &punto, std::string &bersaglio) const
{
    if (finestra->width() <= 0 || finestra->height() <= 0)
        return false;
    std::vector<QWidget *> pulsanti;
    std::vector<QWidget *> mirati;
    std::vector<QWidget *> tutti{finestra};
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        if (w->window() != finestra || !w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        // The menu bar's overflow button runs a menu of its own event loop; its entries are
        // reached as menu events instead.
        if (w->objectName() == QLatin1String("qt_menubar_ext_button"))
            continue;
        tutti.push_back(w);
        const bool creditLine = m_inizio && w == m_inizio->Label5();
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QMenuBar *>(w))
            pulsanti.push_back(w);
        else if (interattivo(w) || creditLine)
            mirati.push_back(w);
    }
    // Mostly the buttons, then the other controls that react to the mouse, then anything.
    QWidget *scelto = nullptr;
    if (b % 100 < 65 && !pulsanti.empty()) {
        scelto = pulsanti[c % pulsanti.size()];
        // The buttons that leave a form are pressed less often than the others, so that the
        // forms live long enough to be worked.
        if (esce(scelto) && (d / 7) % 4 != 0 && pulsanti.size() > 1)
            scelto = pulsanti[(c + 1 + (d / 29) % (pulsanti.size() - 1)) % pulsanti.size()];
    }
    else if (b % 100 < 85 && !mirati.empty())
        scelto = mirati[c % mirati.size()];
    else
        scelto = tutti[c % tutti.size()];
    const QPoint dentro(static_cast<int>(d % 65536u) % scelto->width(),
                        static_cast<int>(d / 65536u) % scelto->height());
    punto = scelto->mapTo(finestra, dentro);
    punto.setX(std::clamp(punto.x(), 0, finestra->width() - 1));
    punto.setY(std::clamp(punto.y(), 0, finestra->height() - 1));
    bersaglio = nomeWidget(scelto);
    return true;
}

std::string Partita::mouse(QWidget *finestra, QPoint punto, QEvent::Type tipo,
                           Qt::MouseButton pulsante, int ms)
{
    QWindow *w = finestra->windowHandle();
    if (!w)
        return " (finestra senza superficie)";
    if (m_esito.fallita)
        return " (non inviato: un controllo e' gia fallito)";
    if (tipo == QEvent::MouseButtonPress) {
        m_pulsanti |= pulsante;
        m_finestraPremuta = finestra;
    } else {
        m_pulsanti &= ~Qt::MouseButtons(pulsante);
    }
    avanzaIstante(ms);
    qt_handleMouseEvent(w, punto, w->mapToGlobal(QPointF(punto)), m_pulsanti, pulsante, tipo,
                        Qt::NoModifier, g_istante);
    QCoreApplication::processEvents();
    controllaOra();
    return {};
}

std::string Partita::eventoMouse(const Evento &e)
{
    const Qt::MouseButton pulsante = pulsantiMouse[e.a % pulsantiMouse.size()];
    std::string quale = std::string("pulsante ") + nomePulsante(pulsante);

    if (e.tipo == TipoEvento::MouseSu) {
        if (!m_pulsanti)
            return "nessun pulsante premuto";
        std::vector<Qt::MouseButton> premuti;
        for (Qt::MouseButton b : pulsantiMouse)
            if (m_pulsanti.testFlag(b))
                premuti.push_back(b);
        const Qt::MouseButton rilasciato = premuti[e.a % premuti.size()];
        // The button comes up where the pointer is now; the press's window keeps the grab.
        QWidget *finestra = m_finestraPremuta && m_finestraPremuta->isVisible()
            ? m_finestraPremuta.data()
            : scegliFinestra(e.b, true);
        if (!finestra || finestra->width() <= 0 || finestra->height() <= 0) {
            m_pulsanti &= ~Qt::MouseButtons(rilasciato);
            return std::string("rilascio del pulsante ") + nomePulsante(rilasciato) + " fuori dal programma";
        }
        const QPoint punto(static_cast<int>(e.c % static_cast<std::uint32_t>(finestra->width())),
                           static_cast<int>(e.d % static_cast<std::uint32_t>(finestra->height())));
        const std::string descrizione = std::string("rilascio del pulsante ") + nomePulsante(rilasciato)
            + " su " + nomeWidget(finestra) + " (" + numero(punto.x()) + "," + numero(punto.y()) + ")";
        return descrizione
            + mouse(finestra, punto, QEvent::MouseButtonRelease, rilasciato, 30 + static_cast<int>(e.d % 900));
    }

    QWidget *finestra = scegliFinestra(e.b, true);
    if (!finestra)
        return "nessuna finestra raggiungibile";
    QPoint punto;
    std::string bersaglio;
    if (!puntoSu(finestra, e.b, e.c, e.d, punto, bersaglio))
        return "finestra " + nomeWidget(finestra) + " senza area";
    const std::string dove = " su " + bersaglio + " (" + numero(punto.x()) + "," + numero(punto.y()) + ")";
    QPointer<QWidget> guardia = finestra;

    if (e.tipo == TipoEvento::MouseGiu) {
        if (m_pulsanti.testFlag(pulsante))
            return quale + " gia premuto";
        const std::string descrizione = "pressione del " + quale + dove;
        return descrizione + mouse(finestra, punto, QEvent::MouseButtonPress, pulsante, 700);
    }
    if (m_pulsanti.testFlag(pulsante)) {
        // The button is still down from an earlier press: this click first lets it go.
        QWidget *dove = m_finestraPremuta && m_finestraPremuta->isVisible() ? m_finestraPremuta.data() : finestra;
        const std::string descrizione = "rilascio del " + quale + " su " + nomeWidget(dove);
        return descrizione + mouse(dove, dove == finestra ? punto : QPoint(0, 0), QEvent::MouseButtonRelease,
                                   pulsante, 60);
    }
    std::string esito = mouse(finestra, punto, QEvent::MouseButtonPress, pulsante, 700);
    if (guardia && guardia->isVisible())
        esito += mouse(guardia, punto, QEvent::MouseButtonRelease, pulsante, 60);
    else
        m_pulsanti &= ~Qt::MouseButtons(pulsante);
    if (e.tipo == TipoEvento::DoppioClick) {
        if (guardia && guardia->isVisible() && !m_pulsanti.testFlag(pulsante)) {
            esito += mouse(guardia, punto, QEvent::MouseButtonPress, pulsante, 40);
            if (guardia && guardia->isVisible())
                esito += mouse(guardia, punto, QEvent::MouseButtonRelease, pulsante, 40);
            else
                m_pulsanti &= ~Qt::MouseButtons(pulsante);
        }
        return "doppio click del " + quale + dove + esito;
    }
    return "click del " + quale + dove + esito;
}

std::string Partita::tasto(QEvent::Type tipo, int indice, bool ripetuto)
{
    const Tasto &t = tasti[static_cast<std::size_t>(indice)];
    QWindow *finestra = QGuiApplication::focusWindow();
    std::string descrizione = std::string(tipo == QEvent::KeyPress ? "giu " : "su ") + t.nome
        + (ripetuto ? " (ripetizione automatica)" : "");
    if (!finestra)
        return descrizione + ": nessuna finestra ha il fuoco";
    if (m_esito.fallita)
        return descrizione + " (non inviato: un controllo e' gia fallito)";
    descrizione += " verso " + nomeWidget(QApplication::focusWidget() ? QApplication::focusWidget()
                                                                       : QApplication::activeWindow());
    avanzaIstante(tipo == QEvent::KeyPress ? 150 : 80);
    qt_handleKeyEvent(finestra, tipo, t.tasto, t.modificatori, QString::fromLatin1(t.testo), ripetuto);
    QCoreApplication::processEvents();
    controllaOra();
    return descrizione;
}

std::string Partita::eventoTasto(const Evento &e)
{
    const int numeroTasti = static_cast<int>(tasti.size());
    if (e.tipo == TipoEvento::Tasto) {
        const int i = static_cast<int>(e.a % static_cast<std::uint32_t>(numeroTasti));
        if (std::find(m_tastiGiu.begin(), m_tastiGiu.end(), i) != m_tastiGiu.end())
            return std::string(tasti[i].nome) + " gia giu";
        std::string d = tasto(QEvent::KeyPress, i, false);
        return d + "; " + tasto(QEvent::KeyRelease, i, false);
    }
    if (e.tipo == TipoEvento::TastoGiu) {
        if (e.b % 3 == 0 && !m_tastiGiu.empty()) {
            // A held key repeats: on X11 as a release and a press, elsewhere as a press.
            const int i = m_tastiGiu[e.a % m_tastiGiu.size()];
            m_ripetizione = true;
            std::string d;
            if (e.c % 2 == 0)
                d = tasto(QEvent::KeyRelease, i, true) + "; ";
            return d + tasto(QEvent::KeyPress, i, true);
        }
        const int i = static_cast<int>(e.a % static_cast<std::uint32_t>(numeroTasti));
        if (std::find(m_tastiGiu.begin(), m_tastiGiu.end(), i) != m_tastiGiu.end())
            return std::string(tasti[i].nome) + " gia giu";
        m_tastiGiu.push_back(i);
        return tasto(QEvent::KeyPress, i, false);
    }
    // A held key comes up; now and then one that went down in another application.
    int i;
    if (!m_tastiGiu.empty() && e.b % 5 != 0) {
        const auto pos = m_tastiGiu.begin() + static_cast<long>(e.a % m_tastiGiu.size());
        i = *pos;
        m_tastiGiu.erase(pos);
    } else {
        i = static_cast<int>(e.a % static_cast<std::uint32_t>(numeroTasti));
        if (std::find(m_tastiGiu.begin(), m_tastiGiu.end(), i) != m_tastiGiu.end())
            return std::string(tasti[i].nome) + " e' tenuto giu";
    }
    return tasto(QEvent::KeyRelease, i, false);
}

std::string Partita::eventoFuoco(const Evento &e)
{
    switch (e.a % 4) {
    case 0: {
        QWidget *finestra = scegliFinestra(e.b | 1u, true);
        if (!finestra)
            return "nessuna finestra da attivare";
        finestra->raise();
        finestra->activateWindow();
        return "attiva " + nomeWidget(finestra);
    }
    case 1:
    case 3: {
        QWidget *finestra = e.a % 4 == 1 ? QApplication::activeWindow() : scegliFinestra(e.b | 1u, true);
        if (!finestra || bloccata(finestra))
            return "nessuna finestra attiva";
        if (e.a % 4 == 3) {
            finestra->raise();
            finestra->activateWindow();
        }
        std::vector<QWidget *> candidati;
        for (QWidget *w : finestra->findChildren<QWidget *>())
            if (w->window() == finestra && w->isVisible() && w->isEnabled()
                && w->focusPolicy() != Qt::NoFocus)
                candidati.push_back(w);
        if (candidati.empty())
            return "nessun controllo da mettere a fuoco in " + nomeWidget(finestra);
        QWidget *w = candidati[e.c % candidati.size()];
        w->setFocus(Qt::OtherFocusReason);
        return "fuoco a " + nomeWidget(w);
    }
    default:
        m_altra->show();
        m_altra->raise();
        m_altra->activateWindow();
        return "il fuoco va a un'altra applicazione";
    }
}

std::string Partita::eventoRidimensiona(const Evento &e)
{
    QWidget *finestra = scegliFinestra(e.b | 1u, false);
    if (!finestra || qobject_cast<QMenu *>(finestra) || finestra->windowType() == Qt::Popup)
        return "nessuna finestra da ridimensionare";
    int larghezza = 0;
    int altezza = 0;
    switch (e.a % 10) {
    case 0: break; // zero by zero
    case 1: larghezza = altezza = 1; break;
    case 2: larghezza = static_cast<int>(e.c % 200); altezza = static_cast<int>(e.d % 150); break;
    case 3: larghezza = 0; altezza = 100 + static_cast<int>(e.d % 900); break;
    case 4: larghezza = 100 + static_cast<int>(e.c % 1200); altezza = 0; break;
    default:
        larghezza = 100 + static_cast<int>(e.c % 1900);
        altezza = 80 + static_cast<int>(e.d % 1400);
        break;
    }
    ++m_esito.conti.ridimensionamenti;
    finestra->setWindowState(Qt::WindowNoState);
    finestra->resize(larghezza, altezza);
    return nomeWidget(finestra) + " a " + numero(larghezza) + "x" + numero(altezza);
}

std::string Partita::eventoStatoFinestra(const Evento &e)
{
    QWidget *finestra = scegliFinestra(e.b | 1u, false);
    if (!finestra || qobject_cast<QMenu *>(finestra) || finestra->windowType() == Qt::Popup)
        return "nessuna finestra";
    const char *come = "";
    switch (e.a % 6) {
    case 0:
        finestra->setWindowState(finestra->windowState() | Qt::WindowMinimized);
        come = "ridotta a icona";
        break;
    case 1:
        finestra->setWindowState(finestra->windowState() & ~Qt::WindowMinimized);
        come = "ripristinata dall'icona";
        break;
    case 2:
        finestra->setWindowState(Qt::WindowNoState);
        come = "dimensione normale";
        break;
    case 3:
    case 4:
        finestra->setWindowState(Qt::WindowMaximized);
        come = "ingrandita";
        break;
    default:
        finestra->setWindowState(Qt::WindowFullScreen);
        come = "a tutto schermo";
        break;
    }
    return nomeWidget(finestra) + " " + come;
}

std::string Partita::eventoMenu(const Evento &e)
{
    std::vector<std::pair<QAction *, QWidget *>> voci;
    for (QWidget *finestra : finestre(true)) {
        if (auto *inizio = qobject_cast<FrmInizio *>(finestra)) {
            for (QAction *a : {inizio->MnuVuoto(), inizio->mnuAggiungi(), inizio->mnuTogli(), inizio->mnuInfo()})
                voci.emplace_back(a, finestra);
        } else if (auto *scheda = qobject_cast<ModuloScheda *>(finestra)) {
            for (QAction *a : scheda->menuBar()->actions())
                voci.emplace_back(a, finestra);
        }
    }
    if (voci.empty())
        return "nessun menu raggiungibile";
    const auto &[voce, finestra] = voci[e.a % voci.size()];
    // Built step by step: GCC 12 sees a false overlap in the chained concatenation.
    std::string descrizione = "\"";
    descrizione += testo(voce->text());
    descrizione += "\" di ";
    descrizione += nomeWidget(finestra);
    voce->trigger();
    return descrizione;
}

std::string Partita::eventoChiudi(const Evento &e)
{
    std::vector<QWidget *> elenco;
    for (QWidget *w : finestre(false))
        if (!bloccata(w) && !qobject_cast<QMenu *>(w) && w->windowType() != Qt::Popup)
            elenco.push_back(w);
    if (elenco.empty())
        return "nessuna finestra da chiudere";
    // The start screen ends the program: it is closed less often than the other windows.
    QWidget *finestra = elenco[e.a % elenco.size()];
    if (qobject_cast<FrmInizio *>(finestra) && e.b % 4 != 0 && elenco.size() > 1)
        finestra = elenco[1 + e.c % (elenco.size() - 1)];
    const std::string nome = nomeWidget(finestra);
    finestra->close();
    return "chiude " + nome;
}

std::string Partita::eventoAttesa(const Evento &e)
{
    double secondi = e.a % 200;
    if (e.b % 40 == 0)
        secondi = 20000 + e.c % 70000; // a long pause, maybe across midnight
    m_orologio.secondi = std::fmod(m_orologio.secondi + secondi, 86400.0);
    int scatti = 0;
    const int voluti = static_cast<int>(e.d % 120);
    for (int i = 0; i < voluti && m_inizio && m_inizio->timerTendine()->isActive(); ++i, ++scatti)
        m_inizio->timerTendine_Timer();
    return "passano " + numero(static_cast<int>(secondi)) + " s (ora " + numero(static_cast<int>(m_orologio.secondi))
        + "), " + numero(scatti) + " scatti della tendina";
}

std::string Partita::cliccaAlCentro(QWidget *controllo)
{
    QWidget *finestra = controllo->window();
    if (!controllo->isVisible() || controllo->width() <= 0 || controllo->height() <= 0
        || finestra->isMinimized() || bloccata(finestra))
        return "non si vede";
    if (m_pulsanti.testFlag(Qt::LeftButton))
        return "pulsante sinistro gia premuto";
    const QPoint punto = controllo->mapTo(finestra, controllo->rect().center());
    const std::string descrizione = "click su " + nomeWidget(controllo);
    QPointer<QWidget> guardia = finestra;
    std::string esito = mouse(finestra, punto, QEvent::MouseButtonPress, Qt::LeftButton, 700);
    if (guardia && guardia->isVisible())
        esito += mouse(guardia, punto, QEvent::MouseButtonRelease, Qt::LeftButton, 60);
    else
        m_pulsanti &= ~Qt::MouseButtons(Qt::LeftButton);
    return descrizione + esito;
}

std::string Partita::eventoStampante(const Evento &e)
{
    auto *dialogo = qobject_cast<FrmStampante *>(QApplication::activeModalWidget());
    if (dialogo) {
        if (e.a % 4 == 0)
            return cliccaAlCentro(dialogo->findChild<QPushButton *>(QStringLiteral("Command2")));
        auto *combo = dialogo->findChild<QComboBox *>(QStringLiteral("Combo1"));
        if (!combo || combo->count() == 0 || !combo->isEnabled())
            return "nessuna stampante da scegliere";
        const int indice = static_cast<int>(e.b % static_cast<std::uint32_t>(combo->count()));
        combo->showPopup();
        QCoreApplication::processEvents();
        QAbstractItemView *vista = combo->view();
        vista->setCurrentIndex(vista->model()->index(indice, 0));
        QTest::keyClick(vista, Qt::Key_Return);
        ++m_esito.conti.sceltaStampante;
        return "sceglie la stampante \"" + testo(combo->itemText(indice)) + "\"";
    }
    std::vector<ModuloScheda *> aperte;
    for (QWidget *w : finestre(true))
        if (auto *s = qobject_cast<ModuloScheda *>(w))
            aperte.push_back(s);
    if (aperte.empty())
        return "nessuna scheda da cui scegliere la stampante";
    ModuloScheda *scheda = aperte[e.c % aperte.size()];
    const QList<QAction *> voci = scheda->menuBar()->actions();
    if (voci.isEmpty())
        return "scheda senza menu";
    const std::string descrizione = "apre il dialogo della stampante da " + nomeWidget(scheda);
    voci.first()->trigger();
    return descrizione;
}

std::string Partita::eventoStampa(const Evento &e)
{
    std::vector<ModuloScheda *> aperte;
    for (QWidget *w : finestre(true))
        if (auto *s = qobject_cast<ModuloScheda *>(w))
            aperte.push_back(s);
    if (aperte.empty())
        return "nessuna scheda da stampare";
    QPointer<ModuloScheda> scheda = aperte[e.a % aperte.size()];
    QPushButton *stampa = nullptr;
    std::array<QPushButton *, 4> insiemi{};
    if (auto *d = qobject_cast<FrmStampaSchede *>(scheda.data())) {
        stampa = d->Command1();
        for (int s = 1; s <= 4; ++s)
            insiemi[static_cast<std::size_t>(s - 1)] = d->CmdInsieme(s);
    } else if (auto *el = qobject_cast<FrmStampaSchedeElementi *>(scheda.data())) {
        stampa = el->Command1();
        for (int s = 1; s <= 4; ++s)
            insiemi[static_cast<std::size_t>(s - 1)] = el->CmdInsieme(s);
    }
    if (!stampa)
        return "scheda senza STAMPA";
    std::string fatto;
    // Half the time the user first prepares the sets still missing, as the message asks.
    if (e.b % 2 == 0) {
        for (int s = 1; s <= 4 && scheda; ++s)
            if (!scheda->mostrato(s))
                fatto += cliccaAlCentro(insiemi[static_cast<std::size_t>(s - 1)]) + "; ";
    }
    if (!scheda)
        return fatto;
    return fatto + cliccaAlCentro(stampa);
}
