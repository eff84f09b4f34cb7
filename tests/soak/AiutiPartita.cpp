#include "AiutiPartita.h"

#include "app/FrmAutore.h"
#include "app/FrmInizio.h"
#include "exercises/FrmOperativo.h"
#include "worksheets/DialogoSerie.h"
#include "worksheets/FrmStampaSchede.h"
#include "worksheets/FrmStampaSchedeElementi.h"
#include "worksheets/FrmStampante.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>

namespace soak {

std::string nomeWidget(const QObject *o)
{
    if (!o)
        return "nessuno";
    QString nome = QString::fromLatin1(o->metaObject()->className());
    if (!o->objectName().isEmpty())
        nome += QLatin1Char('#') + o->objectName();
    if (const auto *b = qobject_cast<const QAbstractButton *>(o))
        nome += QStringLiteral(" \"%1\"").arg(b->text());
    else if (const auto *l = qobject_cast<const QLabel *>(o); l && !l->text().isEmpty())
        nome += QStringLiteral(" \"%1\"").arg(l->text().left(30));
    const auto *w = qobject_cast<const QWidget *>(o);
    if (w && !w->isWindow())
        return nomeWidget(w->window()) + " > " + testo(nome);
    if (w && !w->windowTitle().isEmpty())
        nome += QStringLiteral(" [%1]").arg(w->windowTitle().trimmed());
    return testo(nome);
}

std::string numero(int n)
{
    return std::to_string(n);
}

const std::array<Tasto, 26> tasti = {{
    {Qt::Key_1, Qt::NoModifier, "1", "1"},
    {Qt::Key_2, Qt::NoModifier, "2", "2"},
    {Qt::Key_3, Qt::NoModifier, "3", "3"},
    {Qt::Key_4, Qt::NoModifier, "4", "4"},
    {Qt::Key_5, Qt::NoModifier, "5", "5"},
    {Qt::Key_1, Qt::KeypadModifier, "1", "tastierino 1"},
    {Qt::Key_2, Qt::KeypadModifier, "2", "tastierino 2"},
    {Qt::Key_3, Qt::KeypadModifier, "3", "tastierino 3"},
    {Qt::Key_4, Qt::KeypadModifier, "4", "tastierino 4"},
    {Qt::Key_5, Qt::KeypadModifier, "5", "tastierino 5"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Invio"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Invio"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Invio"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Invio del tastierino"},
    {Qt::Key_Space, Qt::NoModifier, " ", "Spazio"},
    {Qt::Key_Space, Qt::NoModifier, " ", "Spazio"},
    {Qt::Key_Tab, Qt::NoModifier, "\t", "Tab"},
    {Qt::Key_F2, Qt::NoModifier, "", "F2"},
    {Qt::Key_F3, Qt::NoModifier, "", "F3"},
    {Qt::Key_S, Qt::NoModifier, "s", "S"},
    {Qt::Key_N, Qt::NoModifier, "n", "N"},
    {Qt::Key_A, Qt::NoModifier, "a", "A"},
    {Qt::Key_Left, Qt::NoModifier, "", "freccia a sinistra"},
    {Qt::Key_Down, Qt::NoModifier, "", "freccia in giu"},
    {Qt::Key_Escape, Qt::NoModifier, "\x1b", "Esc"},
    {Qt::Key_Backspace, Qt::NoModifier, "\b", "Backspace"},
}};

// ---- Windows ----

int rango(const QWidget *w)
{
    if (qobject_cast<const FrmInizio *>(w))
        return 0;
    if (qobject_cast<const FrmOperativo *>(w))
        return 1;
    if (qobject_cast<const FrmStampaSchede *>(w))
        return 2;
    if (const auto *s = qobject_cast<const FrmStampaSchedeElementi *>(w))
        return s->tipo() == FrmStampaSchedeElementi::Tipo::Aggiungi ? 3 : 4;
    if (qobject_cast<const FrmStampante *>(w))
        return 5;
    if (qobject_cast<const FrmAutore *>(w))
        return 6;
    if (qobject_cast<const QMenu *>(w))
        return 7;
    // One per worksheet form may be up at a time: each blocks only its own form.
    if (qobject_cast<const DialogoSerie *>(w))
        return 8;
    return 9;
}

} // namespace soak
