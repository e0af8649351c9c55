#include "app/CommandLine.h"
#include "app/MonthCommand.h"
#include "app/PrintCommands.h"

namespace CommandLine {

Handler DrawingCommand(const QString& name)
{
    if (name == QLatin1String("print-year"))
        return PrintCommands::PrintYear;
    if (name == QLatin1String("print-all"))
        return PrintCommands::PrintAll;
    if (name == QLatin1String("print-month"))
        return MonthCommand::PrintMonth;
    return nullptr;
}

int Run(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    return RunWith(arguments, out, err, DrawingCommand);
}

} // namespace CommandLine
