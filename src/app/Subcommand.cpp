#include "app/Subcommand.h"

#include "app/CommandLine.h"
#include "app/CommandOptions.h"

using namespace Qt::StringLiterals;

Subcommand::Subcommand(const QString& name, const QString& description,
                       const CommandContext& context)
    : m_name(name), m_context(context)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
}

void Subcommand::add(const QCommandLineOption& option, const QString& ifMissing)
{
    m_parser.addOption(option);
    m_options.append({option, ifMissing});
}

void Subcommand::add(const QList<QCommandLineOption>& options)
{
    for (const QCommandLineOption& option : options)
        add(option);
}

void Subcommand::takes(const QString& name, const QString& description, const QString& placeholder)
{
    m_parser.addPositionalArgument(name, description);
    m_placeholders.append(placeholder);
}

QStringList Subcommand::usage() const
{
    QStringList words{m_name};
    words += m_placeholders;
    for (const Declared& declared : m_options) {
        QString word = u"--"_s + declared.option.names().constFirst();
        if (!declared.option.valueName().isEmpty())
            word += u' ' + declared.option.valueName();
        words += declared.ifMissing.isEmpty() ? u'[' + word + u']' : word;
    }
    return words;
}

std::optional<int> Subcommand::read(const QStringList& arguments)
{
    QString error;
    if (!CommandOptions::Parse(m_parser, arguments, &error))
        return refuse(error);
    if (CommandOptions::WantsHelp(m_parser)) {
        out() << CommandOptions::HelpText(m_parser, arguments);
        out().flush();
        return CommandLine::Success;
    }
    if (m_placeholders.isEmpty() && !m_parser.positionalArguments().isEmpty())
        return refuse(u"unexpected argument %1"_s.arg(
            CommandOptions::Quoted(m_parser.positionalArguments().first())));
    for (const Declared& declared : m_options) {
        if (!declared.ifMissing.isEmpty() && !m_parser.isSet(declared.option))
            return refuse(declared.ifMissing);
    }
    return std::nullopt;
}

int Subcommand::refuse(const QString& why) const
{
    return fail(why, CommandLine::BadArguments);
}

int Subcommand::fail(const QString& why, int status) const
{
    m_context.err << "kelvane " << m_name << ": " << why << Qt::endl;
    return status;
}

void Subcommand::tell(const QString& notice) const
{
    if (!notice.isEmpty())
        m_context.err << "kelvane " << m_name << ": " << notice << Qt::endl;
}
