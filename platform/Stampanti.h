#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class SuperficieStampa;

// The printers the system offers. The real implementation asks CUPS; tests use their own.
class Stampanti
{
public:
    virtual ~Stampanti() = default;

    // Installed printers by device name, in the system's order; saved option sets of a printer
    // follow it as "printer/instance".
    virtual QStringList nomi() const = 0;
    // The user's or the system's default printer; the first printer when neither names one;
    // empty when there is none.
    virtual QString predefinita() const = 0;
    // A document on the named printer, or nullptr when that printer cannot take one
    // (unknown name, no printer, printer refusing jobs).
    virtual std::unique_ptr<SuperficieStampa> apriDocumento(const QString &nome) = 0;
};
