#include "ServerDiProva.h"

#include <gtest/gtest.h>

namespace {

CupsPrivato *server = nullptr;

class AmbienteCups : public ::testing::Environment
{
public:
    void SetUp() override { server = new CupsPrivato; }
    void TearDown() override
    {
        delete server;
        server = nullptr;
    }
};

[[maybe_unused]] const auto *registrato = ::testing::AddGlobalTestEnvironment(new AmbienteCups);

} // namespace

CupsPrivato *serverDiProva()
{
    return server;
}
