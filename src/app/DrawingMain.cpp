#include "app/CommandLine.h"
#include "print/FontSetup.h"

#include <QGuiApplication>

#include <memory>

namespace {

// The fonts are read while the subcommand starts; they are done before the application ends.
class DrawingApplication final : public QGuiApplication
{
public:
    DrawingApplication(int& argc, char* argv[]) : QGuiApplication(argc, argv)
    {
        FontSetup::ReadFontList();
    }
    ~DrawingApplication() override { FontSetup::Finish(); }
};

std::unique_ptr<QCoreApplication> makeGuiApplication(int& argc, char* argv[])
{
    // Drawing text needs the GUI library, and the subcommands need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<DrawingApplication>(argc, argv);
}

} // namespace

// The subcommands that draw: the library the program's executable loads for them. It needs
// the GUI library but not the widgets. `waitForFonts` waits for the font set-up the executable
// began.
extern "C" __attribute__((visibility("default"))) int kelvane_drawing_main(int argc,
                                                                          char* argv[],
                                                                          void (*waitForFonts)())
{
    FontSetup::WaitWith(waitForFonts);
    return CommandLine::Main(argc, argv, makeGuiApplication, CommandLine::DrawingCommand);
}
