#pragma once

#include "platform/Orologio.h"

// A clock that stands still until the test moves it.
class OrologioFinto : public Orologio
{
public:
    double secondiDallaMezzanotte() const override { return secondi; }
    QDate oggi() const override { return giorno; }
    double secondi = 36000.0;
    QDate giorno{2026, 12, 9};
};
