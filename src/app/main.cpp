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
// library alone, so they start in a fraction of the time. The subcommands that draw, and the
// window, are libraries of their own, loaded only for them.
int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!CommandLine::WantsCommandLine(arguments))
        return ProgramLibrary::Run(ProgramLibrary::Part::Window, argc, argv);
    if (CommandLine::Draws(arguments))
        return ProgramLibrary::Run(ProgramLibrary::Part::Drawing, argc, argv);
    return CommandLine::Main(argc, argv, makeCoreApplication, nullptr);
}
