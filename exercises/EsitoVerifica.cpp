#include "exercises/EsitoVerifica.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

const Didascalia esatto{QStringLiteral("E s a t t o"), QStringLiteral("Esatto!")};
const Didascalia errato{QStringLiteral("E r r a t o"), QStringLiteral("Errato.")};

// A notification that shows only while it has something to say. Qt 6.4's AT-SPI bridge drops
// QAccessible::Alert; what reaches a screen reader is the notification becoming "showing",
// which it speaks by reading the notification's name.
class InterfacciaEsito : public QAccessibleWidget
{
public:
    explicit InterfacciaEsito(EsitoVerifica *esito)
        : QAccessibleWidget(esito, QAccessible::Notification)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (static_cast<const QLabel *>(widget())->text().isEmpty())
            s.invisible = true;
        return s;
    }
};

QAccessibleInterface *interfacciaEsito(const QString &classe, QObject *oggetto)
{
    if (classe != QLatin1String(EsitoVerifica::staticMetaObject.className()))
        return nullptr;
    if (auto *esito = qobject_cast<EsitoVerifica *>(oggetto))
        return new InterfacciaEsito(esito);
    return nullptr;
}

} // namespace

EsitoVerifica::EsitoVerifica(QWidget *parent)
    : QLabel(parent)
{
    static const bool installata = [] {
        QAccessible::installFactory(interfacciaEsito);
        return true;
    }();
    Q_UNUSED(installata);
    setObjectName(QStringLiteral("LblEsito"));
}

const Didascalia &EsitoVerifica::didascalia(bool esatta)
{
    return esatta ? esatto : errato;
}

void EsitoVerifica::mostra(bool esatta)
{
    setAccessibleName(esatta ? QStringLiteral("Esatto") : QStringLiteral("Errato"));
    setText(didascalia(esatta).testo);
    QAccessibleEvent comparsa(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&comparsa);
    // Platforms whose bridge forwards alerts hear it this way too.
    QAccessibleEvent avviso(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&avviso);
}

void EsitoVerifica::cancella()
{
    if (text().isEmpty())
        return;
    clear();
    setAccessibleName(QString());
    QAccessibleEvent scomparsa(this, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&scomparsa);
}
