#include "platform/Orologio.h"

#include <QTime>

double Orologio::secondiDallaMezzanotte() const
{
    constexpr double msAlSecondo = 1000.0;
    return QTime::currentTime().msecsSinceStartOfDay() / msAlSecondo;
}

QDate Orologio::oggi() const
{
    return QDate::currentDate();
}

std::chrono::steady_clock::time_point Orologio::istante() const
{
    return std::chrono::steady_clock::now();
}
