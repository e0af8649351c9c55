#pragma once

#include <QTextStream>

class Clock;
class Printers;
class QIODevice;

// What a subcommand runs with besides its arguments: the two streams it answers on, "today"
// and the system's printers. The program hands in the real ones, tests their own.
struct CommandContext
{
    QTextStream& out;
    QTextStream& err;
    const Clock& clock;
    Printers& printers;
    // Standard output for bytes (a page or a calendar written with --out -); `out` is flushed
    // before they are written.
    QIODevice& bytesOut;
};
