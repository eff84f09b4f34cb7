#pragma once

// The time of day, in seconds since midnight (with fractions). Tests derive from it to set the time.
class Orologio
{
public:
    virtual ~Orologio() = default;
    virtual double secondiDallaMezzanotte() const;
};
