#include "printers/PrintQueue.h"

#include <QByteArray>

#include <cups/cups.h>

using namespace Qt::StringLiterals;

namespace PrintQueue {

namespace {

// CUPS "printer-state": 3 idle, 4 processing, 5 stopped.
constexpr int Stopped = 5;

QString option(cups_dest_t* dest, const char* name)
{
    return QString::fromUtf8(cupsGetOption(name, dest->num_options, dest->options));
}

} // namespace

QString Refusal(const QString& printer)
{
    const QByteArray name = printer.toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (!dest)
        return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE
                   ? QString::fromUtf8(cupsLastErrorString())
                   : u"there is no such printer"_s;
    QString why;
    if (option(dest, "printer-is-accepting-jobs").compare(u"false"_s, Qt::CaseInsensitive) == 0)
        why = u"it is not accepting jobs"_s;
    else if (option(dest, "printer-state").toInt() == Stopped)
        why = u"it is stopped"_s;
    const QString message = option(dest, "printer-state-message").trimmed();
    if (!why.isEmpty() && !message.isEmpty())
        why += u" (\""_s + message + u"\")"_s;
    cupsFreeDests(1, dest);
    return why;
}

QString LastJobRefusal()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace PrintQueue
