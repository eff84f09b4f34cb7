#pragma once

#include "platform/Stampanti.h"
#include "platform/SuperficieRegistrata.h"

#include <functional>
#include <optional>

#include <vector>

// Printers that exist only in the test: every document is recorded, none printed.
class StampantiFinte : public Stampanti
{
public:
    QStringList nomi() const override { return elenco; }
    QString predefinita() const override { return predefinitaDiSistema; }
    std::unique_ptr<SuperficieStampa> apriDocumento(const QString &nome) override;

    QStringList elenco;
    QString predefinitaDiSistema;
    // The operation number at which the next documents fail, if any.
    std::optional<int> falliscaDa;
    // Runs on the printing thread each time a document begins another page.
    std::function<void()> primaDiOgniPagina;

    // The documents opened so far, by printer name; each surface stays alive here.
    struct Documento
    {
        QString stampante;
        SuperficieRegistrata *superficie;
    };
    std::vector<Documento> documenti;

private:
    std::vector<std::unique_ptr<SuperficieRegistrata>> m_conservate;
};
