#pragma once

#include <QDate>
#include <QString>

// A date with the name of the holiday on it, as a holiday calendar lists it.
struct NamedDay
{
    QDate date;
    QString name;

    friend bool operator==(const NamedDay&, const NamedDay&) = default;
};
