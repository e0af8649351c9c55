#pragma once

#include "FixedClock.h"
#include "LinkedPrinters.h"
#include "app/CommandLine.h"

#include <QBuffer>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

// A run of the command line in-process, as the program's main() runs it: its exit status and
// what it wrote to each stream. The fuzzer of the command line runs it the same way.
struct CommandRun
{
    int status = -1;
    QString out;
    QString err;
    // What was written to standard output as bytes (--out -).
    QByteArray bytes;

    // `kelvane arguments...`, with "today" fixed when `today` is given.
    static CommandRun Kelvane(const QStringList& arguments, QDate today = {})
    {
        CommandRun run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        const FixedClock fixed(today);
        const SystemClock system;
        LinkedPrinters printers;
        QBuffer bytes(&run.bytes);
        bytes.open(QIODevice::WriteOnly);
        const Clock& clock = today.isValid() ? static_cast<const Clock&>(fixed) : system;
        run.status = CommandLine::Run(QStringList{u"kelvane"_s} + arguments,
                                      {out, err, clock, printers, bytes});
        out.flush();
        err.flush();
        return run;
    }
};
