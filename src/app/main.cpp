#include "app/CommandLine.h"
#include "app/ProgramLibrary.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

namespace {

std::unique_ptr<QCoreApplication> makeCoreApplication(int& argc, char* argv[])
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

// The subcommands that draw nothing (and the help and the version) run here on the core
// library alone, so they start in a fraction of the time. The window and the subcommands that
// draw are in the program library, loaded only for them.
int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::WantsCommandLine(arguments) && !CommandLine::Draws(arguments))
        return CommandLine::Main(argc, argv, makeCoreApplication, nullptr);
    return ProgramLibrary::Run(argc, argv);
}
