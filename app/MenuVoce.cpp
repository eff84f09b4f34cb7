#include "app/MenuVoce.h"

#include "platform/Avvisi.h"
#include "platform/Voce.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

MenuVoce::MenuVoce(QMenuBar &barra, Voce &voce, Avvisi &avvisi, QObject *parent)
    : QObject(parent)
    , m_voce(voce)
{
    QMenu *menu = barra.addMenu(QStringLiteral("Voce"));
    // With a mouse the reason also shows as the disabled entry's tooltip.
    menu->setToolTipsVisible(true);
    m_leggi = menu->addAction(QStringLiteral("Leggi ad alta voce"));
    m_leggi->setCheckable(true);
    m_perche = menu->addAction(QStringLiteral("Perché la voce non funziona?"));
    connect(m_leggi, &QAction::toggled, this, [this](bool accesa) { m_voce.accendi(accesa); });
    connect(m_perche, &QAction::triggered, this,
            [this, &avvisi, &barra] { avvisi.mostra(barra.window(), m_voce.motivo()); });
    connect(&m_voce, &Voce::cambiata, this, &MenuVoce::aggiorna);
    aggiorna();
}

void MenuVoce::aggiorna()
{
    m_leggi->setChecked(m_voce.accesa());
    m_leggi->setEnabled(m_voce.disponibile());
    m_leggi->setToolTip(m_voce.disponibile() ? QString() : m_voce.motivo());
    m_perche->setVisible(!m_voce.disponibile());
}
