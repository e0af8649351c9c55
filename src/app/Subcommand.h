#pragma once

#include "app/CommandContext.h"
#include "store/Clock.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// One run of a subcommand: its options and help, and its one-line answers on standard error
// ("kelvane NAME: why"). Every subcommand starts the same way: declare its options, then
// read(), which parses, answers --help and refuses what does not parse.
class Subcommand
{
public:
    Subcommand(const QString& name, const QString& description, const CommandContext& context);

    QCommandLineParser& parser() { return m_parser; }
    const QCommandLineParser& parser() const { return m_parser; }
    const CommandContext& context() const { return m_context; }
    QTextStream& out() const { return m_context.out; }

    // A positional argument the subcommand takes; without any, a positional argument is
    // refused as unexpected.
    void takes(const QString& name, const QString& syntax);

    // Parses the arguments (the subcommand's name first). The exit status when the run ends
    // here: the help shown, or the arguments refused.
    std::optional<int> read(const QStringList& arguments);

    // "kelvane NAME: why" on standard error; the exit status for bad arguments.
    int refuse(const QString& why) const;
    // The same with another exit status.
    int fail(const QString& why, int status) const;
    // What the output could not do as asked, on standard error; the run still succeeds. Nothing
    // for an empty notice.
    void tell(const QString& notice) const;

private:
    QString m_name;
    const CommandContext& m_context;
    QCommandLineParser m_parser;
    bool m_takesArguments = false;
};
