#pragma once

#include "platform/Orologio.h"

// A clock that stands still until the test moves it.
class OrologioFinto : public Orologio
{
public:
    double secondiDallaMezzanotte() const override { return secondi; }
    double secondi = 36000.0;
};
