#include "support/ServerDiProva.h"

#include <QtGlobal>

#include <iostream>
#include <utility>

namespace {

CupsPrivato *server = nullptr;

} // namespace

ServerDiProva::ServerDiProva(QStringList code)
    : m_code(std::move(code))
{
}

void ServerDiProva::SetUp()
{
    server = new CupsPrivato;
    if (!server->avviato())
        return;
    for (const QString &coda : std::as_const(m_code))
        if (!server->aggiungiCoda(coda))
            std::cerr << "coda cups-pdf " << coda.toStdString() << " non creata\n";
}

void ServerDiProva::TearDown()
{
    delete server;
    server = nullptr;
}

CupsPrivato *serverDiProva()
{
    return server;
}

std::string serverDiProvaAssente()
{
    if (server && server->avviato())
        return {};
    return "server CUPS privato non disponibile: "
        + (server ? server->errore().toStdString() : std::string("?"));
}

bool serverDiProvaRichiesto()
{
    return qEnvironmentVariableIntValue("TANDORINO_CUPS_PRIVATO") == 1;
}
