#pragma once

#include <QDate>

#include <chrono>

// The time of day, in seconds since midnight (with fractions), and the day; and a time that only
// runs forward, for time limits. Tests derive from it to set them.
class Orologio
{
public:
    virtual ~Orologio() = default;
    virtual double secondiDallaMezzanotte() const;
    virtual QDate oggi() const;
    // Safe to read from any thread.
    virtual std::chrono::steady_clock::time_point istante() const;
};
