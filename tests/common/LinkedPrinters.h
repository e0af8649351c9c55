#pragma once

#include "print/SystemPrinters.h"
#include "printers/QtPrintSystem.h"

// The system's printers with the print system linked in, where the program loads it as a
// plugin.
struct LinkedPrinters
{
    QtPrintSystem system;
    SystemPrinters printers{system};

    operator Printers&() { return printers; }
};
