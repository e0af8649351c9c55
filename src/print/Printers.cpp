#include "print/Printers.h"

using namespace Qt::StringLiterals;

QString Printers::NoPrinterInstalled()
{
    return u"no printer is installed"_s;
}
