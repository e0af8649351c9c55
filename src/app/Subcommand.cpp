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

void Subcommand::takes(const QString& name, const QString& syntax)
{
    m_parser.addPositionalArgument(name, syntax);
    m_takesArguments = true;
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
    if (!m_takesArguments && !m_parser.positionalArguments().isEmpty())
        return refuse(u"unexpected argument %1"_s.arg(
            CommandOptions::Quoted(m_parser.positionalArguments().first())));
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
