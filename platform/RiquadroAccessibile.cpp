#include "platform/RiquadroAccessibile.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Asked for every class of a widget's chain, most derived first, so it answers for this class
// and its subclasses before Qt's own answer for QFrame.
QAccessibleInterface *interfacciaRiquadro(const QString &classe, QObject *oggetto)
{
    if (classe != QLatin1String(RiquadroAccessibile::staticMetaObject.className()))
        return nullptr;
    if (auto *riquadro = qobject_cast<RiquadroAccessibile *>(oggetto))
        return new QAccessibleWidget(riquadro, QAccessible::Grouping);
    return nullptr;
}

} // namespace

RiquadroAccessibile::RiquadroAccessibile(const QString &nome, QWidget *parent)
    : QFrame(parent)
{
    static const bool installata = [] {
        QAccessible::installFactory(interfacciaRiquadro);
        return true;
    }();
    Q_UNUSED(installata);
    setAccessibleName(nome);
}
