#pragma once

#include "FixedClock.h"
#include "app/CommandLine.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

// A subcommand run in-process: its exit status and what it wrote to each stream.
struct CommandRun
{
    int status = -1;
    QString out;
    QString err;

    // Runs `command(out, err)` with both streams caught.
    template <typename Command> static CommandRun Of(Command&& command)
    {
        CommandRun run;
        QTextStream out(&run.out);
        QTextStream err(&run.err);
        run.status = command(out, err);
        out.flush();
        err.flush();
        return run;
    }

    // `kelvane arguments...`, as the program's main() runs it.
    static CommandRun Kelvane(const QStringList& arguments)
    {
        return Of([&](QTextStream& out, QTextStream& err) {
            return CommandLine::Run(QStringList{u"kelvane"_s} + arguments, out, err);
        });
    }

    // One subcommand's entry point (name first in the arguments) with "today" fixed.
    using ClockedCommand = int (*)(const QStringList&, QTextStream&, QTextStream&, const Clock&);
    static CommandRun WithToday(ClockedCommand command, const QString& name,
                                const QStringList& arguments, QDate today)
    {
        const FixedClock clock(today);
        return Of([&](QTextStream& out, QTextStream& err) {
            return command(QStringList{name} + arguments, out, err, clock);
        });
    }
};
