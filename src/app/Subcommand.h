#pragma once

#include "app/CommandContext.h"
#include "store/Clock.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One subcommand: its options and help, its one-line answers on standard error ("kelvane NAME:
// why"), and its run. Every subcommand starts the same way: its constructor declares its
// options (through add() and takes(), so that the overall help can list them all), then run()
// calls read(), which parses, answers --help and refuses what does not parse.
class Subcommand
{
public:
    Subcommand(const QString& name, const QString& description, const CommandContext& context);
    virtual ~Subcommand() = default;
    Subcommand(const Subcommand&) = delete;
    Subcommand& operator=(const Subcommand&) = delete;

    // Runs the subcommand on `arguments` (its name first); the exit status.
    virtual int run(const QStringList& arguments) = 0;

    // "NAME", "ARGUMENT", "--required VALUE", "[--option VALUE]", "[--flag]", ...: every
    // option, for the overall help.
    QStringList usage() const;

    const QCommandLineParser& parser() const { return m_parser; }
    const CommandContext& context() const { return m_context; }
    QTextStream& out() const { return m_context.out; }

    // "kelvane NAME: why" on standard error; the exit status for bad arguments.
    int refuse(const QString& why) const;
    // The same with another exit status.
    int fail(const QString& why, int status) const;
    // What the output could not do as asked, on standard error; the run still succeeds. Nothing
    // for an empty notice.
    void tell(const QString& notice) const;

protected:
    // An option; with `ifMissing`, a required one, refused with that line when missing.
    void add(const QCommandLineOption& option, const QString& ifMissing = QString());
    void add(const QList<QCommandLineOption>& options);
    // A positional argument, shown as `placeholder`; without any, a positional argument is
    // refused as unexpected.
    void takes(const QString& name, const QString& description, const QString& placeholder);

    // Parses the arguments. The exit status when the run ends here: the help shown, or the
    // arguments refused.
    std::optional<int> read(const QStringList& arguments);

private:
    struct Declared
    {
        QCommandLineOption option;
        QString ifMissing;
    };

    QString m_name;
    const CommandContext& m_context;
    QCommandLineParser m_parser;
    QList<Declared> m_options;
    QStringList m_placeholders;
};
