#pragma once

#include <QDate>

// The time of day, in seconds since midnight (with fractions), and the day. Tests derive from it
// to set them.
class Orologio
{
public:
    virtual ~Orologio() = default;
    virtual double secondiDallaMezzanotte() const;
    virtual QDate oggi() const;
};
