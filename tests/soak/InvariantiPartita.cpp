// The checks after each event of a soak run: what the program shows and holds must agree
// with what the events did to it.
#include "Partita.h"

#include "AiutiPartita.h"
#include "StampantiSoak.h"
#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "comune/Contesto.h"
#include "comune/Galleria.h"
#include "exercises/FrmOperativo.h"
#include "platform/SuperficieRegistrata.h"
#include "worksheets/CasellaFigura.h"
#include "worksheets/CorniceInsieme.h"
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

const QString testoEsatto = QStringLiteral("E s a t t o");
const QString testoErrato = QStringLiteral("E r r a t o");
const QString problemaStampa = QStringLiteral("Problema di stampa nella stampante utilizzata.");
const QString secondaParte = QStringLiteral("Visualizza la seconda parte");
const std::array<QString, 3> istruzioni = {
    QStringLiteral("Secondo  insieme vuoto - Devi inserire elementi"),
    QStringLiteral("Secondo  insieme suvvalente - Devi aggiungere elementi"),
    QStringLiteral("Secondo  insieme prevalente - Devi togliere elementi"),
};
// The print gate's message of each worksheet kind: draw, add, remove.
const std::array<QString, 3> messaggiIncompleta = {
    QStringLiteral("Completa la scheda "),
    QStringLiteral("Completa la scheda"),
    QStringLiteral(" Completa la scheda"),
};
} // namespace

std::array<ModuloScheda *, 3> Partita::schede() const
{
    if (!m_inizio)
        return {};
    return {m_inizio->schedaVuoto(), m_inizio->schedaAggiungi(), m_inizio->schedaTogli()};
}

bool Partita::vuota(const QImage &figura) const
{
    const QImage &bianca = m_contesto->galleria().Image3(Galleria::figuraVuota);
    return figura.cacheKey() == bianca.cacheKey() || figura == bianca;
}

void Partita::ricorda()
{
    Memoria &m = m_memoria;
    m.esatte = m_stato.RisposteEsatte;
    m.errate = m_stato.RisposteErrate;
    m.tipo = m_stato.TipoEsercizio;
    m.numeroEsercizio = m_stato.NumeroEsercizio;
    m.elementiD = m_stato.ElementiD;
    m.rifiuti = m_stato.RifiutiAiuto;
    m.figura = m_stato.Figura;
    FrmOperativo *op = m_inizio ? m_inizio->operativo() : nullptr;
    m.operativo = op;
    m.tastoGiuOperativo = op && (op->tastierino().tastoGiu() || op->tastierino().tastoGiuAiuto());
    m.tastoGiuInizio = m_inizio && m_inizio->pulsantiModo().tastoGiu();
    m.interventoInVista = op && op->fraIntervento()->isEnabledTo(op);
    // A page still on its way is judged with the event that sent it, once it has ended.
    if (!stampaInVolo()) {
        m.messaggi = m_avvisi.messaggi.size();
        m.aperture = m_stampanti->aperture();
        m_forseAnnullata = false;
        m_forseSerie = false;
    }
    const auto aperte = schede();
    for (std::size_t t = 0; t < 3; ++t) {
        m.schede[t].modulo = aperte[t];
        if (aperte[t])
            for (int s = 1; s <= 4; ++s)
                m.schede[t].mostrati[static_cast<std::size_t>(s - 1)] = aperte[t]->mostrato(s);
    }
}

std::string Partita::controllaFine() const
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != m_altra.get() && w->windowType() != Qt::ToolTip)
            return "il programma e' finito ma " + nomeWidget(w) + " e' ancora aperta";
    if (m_inizio && (m_inizio->operativo() || m_inizio->schedaVuoto() || m_inizio->schedaAggiungi()
                     || m_inizio->schedaTogli()))
        return "il programma e' finito ma un modulo e' ancora caricato";
    if (m_stato.TipoEsercizio != TipoEsercizio::Finito && m_inizio && m_inizio->isVisible())
        return "fine programma senza chiusura della schermata iniziale";
    return {};
}

std::string Partita::controlla()
{
    if (std::string e = controllaFinestre(); !e.empty())
        return e;
    FrmOperativo *op = m_inizio->operativo();
    if (op) {
        if (std::string e = controllaOperativo(*op); !e.empty())
            return e;
    }
    if (std::string e = controllaConti(op); !e.empty())
        return e;
    if (std::string e = controllaRilasci(op); !e.empty())
        return e;
    if (std::string e = controllaSchede(); !e.empty())
        return e;
    if (std::string e = controllaStampe(); !e.empty())
        return e;

    // Tallies, to show how far the run went.
    auto &c = m_esito.conti;
    if (op && (static_cast<QWidget *>(op) != m_memoria.operativo.data() || m_stato.NumeroEsercizio != m_memoria.numeroEsercizio))
        ++c.esercizi;
    c.verdettiEsatti += m_stato.RisposteEsatte - m_memoria.esatte;
    c.verdettiErrati += m_stato.RisposteErrate - m_memoria.errate;
    if (op && op->fraIntervento()->isEnabledTo(op) && !m_memoria.interventoInVista)
        ++c.interventi;
    const auto aperte = schede();
    for (std::size_t t = 0; t < 3; ++t) {
        if (!aperte[t])
            continue;
        if (aperte[t] != m_memoria.schede[t].modulo.data())
            ++c.schedeAperte;
    }
    for (qsizetype i = m_memoria.messaggi; i < m_avvisi.messaggi.size(); ++i)
        if (m_avvisi.messaggi[i] != problemaStampa)
            ++c.stampeRifiutate;
    c.stampe += m_stampanti->aperture() - m_memoria.aperture;
    if (m_ripetizione)
        ++c.ripetizioniTasto;
    return {};
}

std::string Partita::controllaFinestre() const
{
    if (!m_inizio || !m_inizio->isVisible())
        return "la schermata iniziale non e' piu' aperta";
    if (const int tipo = static_cast<int>(m_stato.TipoEsercizio); tipo < 0 || tipo > 3)
        return "TipoEsercizio fuori campo: " + numero(tipo);
    std::map<int, int> perTipo;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == m_altra.get() || w->windowType() == Qt::ToolTip)
            continue;
        // The window of a page on its way to a slow printer.
        if (w->objectName() == QStringLiteral("StampaInCorso") && stampaInVolo())
            continue;
        const int r = rango(w);
        if (r == 9 && w->windowType() != Qt::Popup)
            return "finestra inattesa aperta: " + nomeWidget(w);
        if (r <= 6 && ++perTipo[r] > 1)
            return "due finestre dello stesso modulo aperte: " + nomeWidget(w);
    }
    if (!m_stampanti->nomi().contains(m_contesto->stampanteCorrente()))
        return "stampante corrente non installata: " + testo(m_contesto->stampanteCorrente());
    if (m_inizio->Picture1()->width() < 0 || m_inizio->Picture2()->width() < 0)
        return "tendina con larghezza negativa";
    return {};
}

std::string Partita::controllaOperativo(FrmOperativo &op) const
{
    const StatoEsercizio &s = m_stato;
    if (!op.isVisible())
        return "il modulo degli esercizi e' chiuso ma ancora caricato";
    if (std::find(istruzioni.begin(), istruzioni.end(), op.Label2()->text()) == istruzioni.end())
        return "istruzione inattesa: \"" + testo(op.Label2()->text()) + "\"";

    // Exactly one panel in use, and it lies in front of the other two.
    const std::array<QFrame *, 3> pannelli = {op.fraTastierino(), op.fraAiuto(), op.fraIntervento()};
    int abilitati = 0;
    QFrame *inUso = nullptr;
    for (QFrame *p : pannelli)
        if (p->isEnabledTo(&op)) {
            ++abilitati;
            inUso = p;
        }
    if (abilitati != 1)
        return numero(abilitati) + " pannelli abilitati invece di uno";
    const QObjectList &figli = op.children();
    for (QFrame *p : pannelli)
        if (p != inUso && figli.indexOf(p) > figli.indexOf(inUso))
            return "il pannello in uso " + nomeWidget(inUso) + " non e' davanti a " + nomeWidget(p);

    std::array<bool, 5> tasti{};
    for (int i = 0; i < 5; ++i)
        tasti[static_cast<std::size_t>(i)] = op.Option1(i)->isEnabledTo(op.fraTastierino());
    const bool modifica = tasti[0] && tasti[1] && !tasti[3] && !tasti[4];
    const bool avanti = !tasti[0] && !tasti[1] && !tasti[2] && tasti[3] && tasti[4];
    if (!modifica && !avanti)
        return "tastierino in uno stato impossibile";
    if (modifica && tasti[2] && s.ElementiD < 1)
        return "VERIFICA abilitato con il secondo insieme vuoto";
    if (inUso != op.fraTastierino() && !modifica)
        return "aiuto o intervento in vista con il tastierino in stato AVANTI";
    if (inUso == op.fraAiuto() && op.LblEsito()->text() != testoErrato)
        return "aiuto offerto senza \"E r r a t o\"";
    const QString esito = op.LblEsito()->text();
    if (!esito.isEmpty() && esito != testoEsatto && esito != testoErrato)
        return "esito inatteso: \"" + testo(esito) + "\"";
    if (avanti && esito == testoErrato)
        return "\"E r r a t o\" con il tastierino in stato AVANTI";

    if (s.ElementiS < 1 || s.ElementiS > 8)
        return "ElementiS fuori campo: " + numero(s.ElementiS);
    if (s.ElementiD < 0 || s.ElementiD > 10)
        return "ElementiD fuori campo: " + numero(s.ElementiD);
    if (s.RifiutiAiuto < 0 || s.RifiutiAiuto > 2)
        return "RifiutiAiuto fuori campo: " + numero(s.RifiutiAiuto);
    if (s.NumeroEsercizio < 1)
        return "modulo aperto senza esercizio";
    if (op.LblOperazione()->text() != QString::number(s.NumeroEsercizio))
        return "il pannello dei risultati mostra l'esercizio " + testo(op.LblOperazione()->text())
            + " invece di " + numero(s.NumeroEsercizio);
    const QString esatte = op.lblRisEsatte()->text();
    const QString errate = op.lblRisErrate()->text();
    if (!esatte.isEmpty() && esatte != QString::number(s.RisposteEsatte))
        return "risposte esatte mostrate " + testo(esatte) + ", contate " + numero(s.RisposteEsatte);
    if (!errate.isEmpty() && errate != QString::number(s.RisposteErrate))
        return "risposte errate mostrate " + testo(errate) + ", contate " + numero(s.RisposteErrate);

    // The second set shows exactly its first slots: ElementiD of them while the child works,
    // as many as the first set once the answer is right or the solution is shown.
    const QSize figura = m_contesto->galleria().Image3(s.Figura).size();
    const int attese = avanti ? s.ElementiS : s.ElementiD;
    for (int c = 1; c <= 15; ++c) {
        const QLabel *casella = op.Image2(c);
        const bool mostra = casella->isVisibleTo(&op) && !casella->pixmap().isNull();
        if (mostra != (c <= attese))
            return "il secondo insieme " + std::string(mostra ? "mostra" : "non mostra")
                + " la casella " + numero(c) + " con " + numero(attese) + " elementi attesi (ElementiD "
                + numero(s.ElementiD) + ", ElementiS " + numero(s.ElementiS) + ")";
        if (mostra && casella->pixmap().deviceIndependentSize().toSize() != figura)
            return "la casella " + numero(c) + " del secondo insieme non mostra la figura dell'esercizio";
    }
    std::set<int> posizioni;
    for (int i = 1; i <= s.ElementiS; ++i)
        posizioni.insert(s.PosizioniS[static_cast<std::size_t>(i)]);
    if (static_cast<int>(posizioni.size()) != s.ElementiS)
        return "posizioni del primo insieme ripetute";
    for (int c = 1; c <= 15; ++c) {
        const QLabel *casella = op.Image1(c);
        const bool mostra = casella->isVisibleTo(&op) && !casella->pixmap().isNull();
        if (mostra != (posizioni.count(c) == 1))
            return "il primo insieme " + std::string(mostra ? "mostra" : "non mostra") + " la casella "
                + numero(c);
    }
    return {};
}

std::string Partita::controllaConti(FrmOperativo *op) const
{
    const StatoEsercizio &s = m_stato;
    const int piuEsatte = s.RisposteEsatte - m_memoria.esatte;
    const int piuErrate = s.RisposteErrate - m_memoria.errate;
    if (piuEsatte < 0 || piuErrate < 0)
        return "i conti sono scesi: esatte " + numero(m_memoria.esatte) + " -> " + numero(s.RisposteEsatte)
            + ", errate " + numero(m_memoria.errate) + " -> " + numero(s.RisposteErrate);
    if (piuEsatte + piuErrate > 1)
        return "piu' di un verdetto per un solo comando";
    if (piuEsatte + piuErrate == 1) {
        if (!op)
            return "verdetto contato senza il modulo degli esercizi";
        if (piuEsatte == 1) {
            if (s.ElementiD != s.ElementiS)
                return "risposta contata esatta con " + numero(s.ElementiD) + " elementi contro "
                    + numero(s.ElementiS);
            if (op->LblEsito()->text() != testoEsatto)
                return "risposta esatta senza \"E s a t t o\"";
            if (op->lblRisEsatte()->text() != QString::number(s.RisposteEsatte))
                return "risposta esatta non mostrata nel pannello dei risultati";
        } else {
            if (s.ElementiD == s.ElementiS)
                return "risposta contata errata con " + numero(s.ElementiD) + " elementi in entrambi";
            if (op->LblEsito()->text() != testoErrato)
                return "risposta errata senza \"E r r a t o\" (l'esito mostra \"" + testo(op->LblEsito()->text())
                    + "\", ElementiD " + numero(s.ElementiD) + ", ElementiS " + numero(s.ElementiS) + ")";
            if (op->lblRisErrate()->text() != QString::number(s.RisposteErrate))
                return "risposta errata non mostrata nel pannello dei risultati";
            if (!op->fraAiuto()->isEnabledTo(op))
                return "risposta errata senza l'offerta di aiuto";
        }
    }
    // A key held down acts once: its repeats change nothing.
    if (m_ripetizione && op && static_cast<QWidget *>(op) == m_memoria.operativo.data()
        && m_memoria.tastoGiuOperativo) {
        bool arrivata = false;
        for (const Ricevuto &r : m_ricevuti)
            if (r.tipo == QEvent::KeyPress && r.ripetuto && r.chi
                && qobject_cast<QWidget *>(r.chi.data())
                && static_cast<QWidget *>(r.chi.data())->window() == op)
                arrivata = true;
        if (arrivata
            && (s.NumeroEsercizio != m_memoria.numeroEsercizio || s.ElementiD != m_memoria.elementiD
                || piuEsatte + piuErrate != 0 || s.RifiutiAiuto != m_memoria.rifiuti))
            return "la ripetizione di un tasto tenuto giu ha agito nel modulo degli esercizi";
    }
    if (m_ripetizione && m_memoria.tastoGiuInizio && !m_fineInQuestoPasso) {
        bool arrivata = false;
        for (const Ricevuto &r : m_ricevuti)
            for (int i = 0; i < 4; ++i)
                if (r.tipo == QEvent::KeyPress && r.ripetuto
                    && r.chi.data() == static_cast<QObject *>(m_inizio->Option1(i)))
                    arrivata = true;
        if (arrivata
            && (s.TipoEsercizio != m_memoria.tipo || static_cast<QWidget *>(op) != m_memoria.operativo.data()))
            return "la ripetizione di un tasto tenuto giu ha agito sulla schermata iniziale";
    }
    return {};
}

std::string Partita::controllaRilasci(FrmOperativo *op) const
{
    bool tastoAlModulo = false;
    bool mouseAlTastierino = false;
    bool tastoAiModi = false;
    bool mouseAiModi = false;
    for (const Ricevuto &r : m_ricevuti) {
        auto *w = qobject_cast<QWidget *>(r.chi.data());
        if (!w)
            continue;
        if (op && w->window() == op) {
            if (r.tipo == QEvent::KeyRelease && !r.ripetuto)
                tastoAlModulo = true;
            if (r.tipo == QEvent::MouseButtonRelease) {
                for (int i = 0; i < 5; ++i)
                    if (w == op->Option1(i))
                        mouseAlTastierino = true;
                if (w == op)
                    mouseAlTastierino = true;
            }
        }
        for (int i = 0; !m_fineInQuestoPasso && i < 4; ++i) {
            if (w != m_inizio->Option1(i))
                continue;
            if (r.tipo == QEvent::KeyRelease && !r.ripetuto)
                tastoAiModi = true;
            if (r.tipo == QEvent::MouseButtonRelease)
                mouseAiModi = true;
        }
    }
    if (tastoAlModulo
        && (op->tastierino().tastoGiu() || op->tastierino().tastoPremuto() || op->tastierino().mouseGiu()
            || op->tastierino().tastoGiuAiuto() || op->tastierino().tastoPremutoAiuto()))
        return "un tasto rilasciato sul modulo degli esercizi non ha sbloccato i suoi fermi";
    if (mouseAlTastierino && op->tastierino().mouseGiu())
        return "un pulsante del mouse rilasciato sul tastierino non ha sbloccato MouseGiu";
    if (tastoAiModi && (m_inizio->pulsantiModo().tastoGiu() || m_inizio->pulsantiModo().tastoPremuto()))
        return "un tasto rilasciato su un pulsante di modo non ha sbloccato TastoGiu e TastoPremuto";
    if (mouseAiModi && m_inizio->pulsantiModo().tastoGiu())
        return "un pulsante del mouse rilasciato su un pulsante di modo non ha sbloccato TastoGiu";
    return {};
}

std::string Partita::controllaSchede()
{
    const auto aperte = schede();
    for (int t = 0; t < 3; ++t) {
        ModuloScheda *modulo = aperte[static_cast<std::size_t>(t)];
        const Memoria::Scheda &prima = m_memoria.schede[static_cast<std::size_t>(t)];
        if (!modulo)
            continue;
        if (!modulo->isVisible())
            return nomeWidget(modulo) + " e' chiusa ma ancora caricata";
        const bool nuova = modulo != prima.modulo.data();
        for (int s = 1; s <= 4; ++s) {
            const bool ora = modulo->mostrato(s);
            if (nuova && ora != (s == 1))
                return nomeWidget(modulo) + " appena aperta con Mostrato" + numero(s) + (ora ? " vero" : " falso");
            if (!nuova && prima.mostrati[static_cast<std::size_t>(s - 1)] && !ora)
                return nomeWidget(modulo) + ": Mostrato" + numero(s) + " e' tornato falso";
            if (!nuova && !prima.mostrati[static_cast<std::size_t>(s - 1)] && ora)
                ++m_esito.conti.insiemiSchede;
        }
        if (std::string e = controllaScheda(t, *modulo); !e.empty())
            return e;
    }
    return {};
}

std::string Partita::controllaScheda(int tipo, ModuloScheda &modulo) const
{
    QWidget *frame3 = nullptr;
    QWidget *frame4 = nullptr;
    QPushButton *command2 = nullptr;
    auto *disegno = qobject_cast<FrmStampaSchede *>(&modulo);
    auto *elementi = qobject_cast<FrmStampaSchedeElementi *>(&modulo);
    if (disegno) {
        frame3 = disegno->Frame3();
        frame4 = disegno->Frame4();
        command2 = disegno->Command2();
    } else if (elementi) {
        frame3 = elementi->Frame3();
        frame4 = elementi->Frame4();
        command2 = elementi->Command2();
    } else {
        return "scheda di tipo sconosciuto";
    }
    const std::string nome = nomeWidget(&modulo);
    if (frame3->isHidden() == frame4->isHidden())
        return nome + ": " + (frame3->isHidden() ? "nessuna" : "entrambe") + " le meta' in vista";
    if ((command2->text() == secondaParte) != !frame3->isHidden())
        return nome + ": il pulsante \"" + testo(command2->text()) + "\" non nomina la meta' nascosta";

    auto contaElementi = [this](CasellaFigura *casella, int &elementi, int &nulle, qint64 &figura,
                                bool &mista) {
        const QImage &f = casella->figura();
        if (f.isNull()) {
            ++nulle;
            return;
        }
        if (vuota(f))
            return;
        ++elementi;
        if (figura != 0 && figura != f.cacheKey())
            mista = true;
        figura = f.cacheKey();
    };
    for (int s = 1; s <= 4; ++s) {
        const bool mostrato = modulo.mostrato(s);
        const std::string insieme = nome + ", insieme " + numero(s) + ": ";
        if (disegno) {
            int n = 0, nulle = 0;
            qint64 figura = 0;
            bool mista = false;
            for (int k = 0; k < 15; ++k)
                contaElementi(disegno->Image1(FrmStampaSchede::basi[static_cast<std::size_t>(s - 1)] + k), n,
                              nulle, figura, mista);
            if (!mostrato && (n > 0 || nulle != 15))
                return insieme + "figure in un insieme mai generato";
            if (mostrato && (nulle != 0 || n < 2 || n > 10 || mista))
                return insieme + numero(n) + " elementi, " + numero(nulle) + " caselle senza figura"
                    + (mista ? ", figure diverse" : "");
        } else {
            const int base = 15 * (s - 1);
            int n = 0, nulle1 = 0, m = 0, nulle2 = 0;
            qint64 figura1 = 0, figura2 = 0;
            bool mista = false;
            for (int k = 0; k < 15; ++k)
                contaElementi(elementi->Image1(base + k), n, nulle1, figura1, mista);
            int primaVuota = 15;
            for (int k = 0; k < 15; ++k) {
                const int prima = m;
                contaElementi(elementi->Image2(base + k), m, nulle2, figura2, mista);
                if (m == prima && primaVuota == 15)
                    primaVuota = k;
                if (m > prima && primaVuota < k)
                    return insieme + "il secondo insieme ha un buco alla casella " + numero(primaVuota);
            }
            if (!mostrato && (n + m > 0 || nulle1 != 15 || nulle2 != 15))
                return insieme + "figure in un esercizio mai generato";
            if (mostrato) {
                if (nulle1 + nulle2 != 0 || mista || figura1 != figura2)
                    return insieme + "caselle senza figura o figure diverse";
                if (n < 3 || n > 9 || m < 3 || m > n)
                    return insieme + "primo insieme di " + numero(n) + ", secondo di " + numero(m);
            }
        }
    }
    (void)tipo;
    return {};
}

std::string Partita::controllaStampe() const
{
    if (!m_guastoInVolo.empty())
        return m_guastoInVolo;
    if (stampaInVolo())
        return {};
    const QStringList nuovi = m_avvisi.messaggi.mid(m_memoria.messaggi);
    const int aperture = m_stampanti->aperture() - m_memoria.aperture;
    // One print per click at most: a double click may print twice.
    if (nuovi.size() > 1 || aperture > 1)
        return "piu' di una stampa o di un messaggio per un solo comando";
    const auto aperte = schede();
    auto tuttiMostrati = [](const ModuloScheda *m) {
        return m && m->mostrato(1) && m->mostrato(2) && m->mostrato(3) && m->mostrato(4);
    };
    int problemi = 0;
    for (const QString &messaggio : nuovi) {
        if (messaggio == problemaStampa) {
            ++problemi;
            continue;
        }
        const auto it = std::find(messaggiIncompleta.begin(), messaggiIncompleta.end(), messaggio);
        if (it == messaggiIncompleta.end())
            return "messaggio inatteso: \"" + testo(messaggio) + "\"";
        const ModuloScheda *modulo = aperte[static_cast<std::size_t>(it - messaggiIncompleta.begin())];
        if (!modulo || tuttiMostrati(modulo))
            return "\"" + testo(messaggio) + "\" senza una scheda incompleta di quel tipo";
        if (aperture != 0)
            return "stampa avviata nonostante la scheda incompleta";
    }
    if (aperture == 0) {
        if (problemi > 0)
            return "\"Problema di stampa\" senza nessuna stampa";
        return {};
    }
    if (std::none_of(aperte.begin(), aperte.end(), tuttiMostrati) && !m_forseSerie)
        return "stampa di una scheda incompleta";
    const QString stampante = m_contesto->stampanteCorrente();
    // A withdrawn page says so once, whatever the printer had made of it.
    if (m_forseAnnullata)
        return problemi <= 1 ? std::string() : "piu' di un messaggio per una stampa annullata";
    if (StampantiSoak::buona(stampante)) {
        if (problemi > 0)
            return "stampa riuscita su " + testo(stampante) + " ma segnalata come problema";
        if (const SuperficieRegistrata *foglio = m_stampanti->ultimaRegistrata()) {
            const auto &op = foglio->operazioni();
            const int figure = foglio->conta(SuperficieRegistrata::Tipo::Immagine);
            const int pagine = foglio->conta(SuperficieRegistrata::Tipo::Pagina) + 1;
            if (foglio->annullato() || op.empty() || op.back().tipo != SuperficieRegistrata::Tipo::Fine
                || foglio->conta(SuperficieRegistrata::Tipo::Linea) != 32 * pagine
                || (figure != 60 * pagine && figure != 120 * pagine) || (pagine > 1 && !m_forseSerie))
                return "pagina incompleta su " + testo(stampante);
        }
    } else if (problemi != aperture) {
        return numero(aperture) + " stampe su " + testo(stampante) + " fallite con " + numero(problemi)
            + " messaggi";
    }
    return {};
}

bool Partita::stampaInVolo() const
{
    const auto aperte = schede();
    return std::any_of(aperte.begin(), aperte.end(),
                       [](const ModuloScheda *m) { return m && m->stampaInCorso(); });
}
