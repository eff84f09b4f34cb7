#pragma once

#include "support/CupsPrivato.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <string>

// The private CUPS server of a test program that prints for real. libcups keeps the first
// server it talks to, so the server has to be up before anything in the program asks for
// printers: the program registers one of these as a test environment, which starts the server
// before the first test and stops it after the last.
//
//   [[maybe_unused]] const auto *registrato
//       = ::testing::AddGlobalTestEnvironment(new ServerDiProva);
class ServerDiProva : public ::testing::Environment
{
public:
    // `code`: cups-pdf queues the server gets as soon as it is up.
    explicit ServerDiProva(QStringList code = {});

    void SetUp() override;
    void TearDown() override;

private:
    QStringList m_code;
};

// The program's server: nullptr before its first test, after its last, and in a program that
// registered none.
CupsPrivato *serverDiProva();
// Why the tests cannot print for real; empty when the server is up.
std::string serverDiProvaAssente();
// Whether the test command expects the server (TANDORINO_CUPS_PRIVATO=1, as scripts/prova.sh
// sets it): a printing test must then fail without it rather than pass as skipped.
bool serverDiProvaRichiesto();

// In a test or its SetUp: without the server, skips the test, or fails it where it is expected.
#define SENZA_SERVER_DI_PROVA_SALTA_O_FALLISCI()                                                   \
    do {                                                                                           \
        if (const std::string assente = serverDiProvaAssente(); !assente.empty()) {               \
            if (serverDiProvaRichiesto())                                                          \
                FAIL() << assente;                                                                 \
            GTEST_SKIP() << assente;                                                               \
        }                                                                                          \
    } while (false)
