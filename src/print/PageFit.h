#pragma once

#include <QString>

using namespace Qt::StringLiterals;

// The size a page was printed at, in percent: the size asked for and the size the paper left
// room for when that was less.
struct PageFit
{
    int requested = 100;
    int used = 100;

    bool reduced() const { return used < requested; }
    // "print size 110 reduced to 101 to fit the paper"; empty when the page kept its size.
    QString note() const
    {
        if (!reduced())
            return {};
        return u"print size %1 reduced to %2 to fit the paper"_s.arg(requested).arg(used);
    }
};
