#include "about/AppIcon.h"
#include "app/CommandLine.h"
#include "mainwindow/MessageBoxPrompter.h"
#include "mainwindow/frmCalendar.h"
#include "store/AppState.h"
#include "store/Clock.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Kelvane"));
}

// Without any of these Qt would abort on start; say what to do instead.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// For the start-up benchmark: ends the run as soon as the main window is on the screen.
void quitWhenShown(QWidget& window)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [&window, poll] {
        if (window.windowHandle() && window.windowHandle()->isExposed()) {
            poll->stop();
            // exit, not quit: quitting closes the window, and closing stores the settings.
            QCoreApplication::exit(0);
        }
    });
    poll->start();
}

int runWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    nameApplication();
    QApplication::setWindowIcon(AppIcon::Icon());

    SystemClock clock;
    SettingsStore settings;
    MessageBoxPrompter prompter;
    AppState state;
    frmCalendar window(state, prompter, clock, settings);
    window.show();
    if (qEnvironmentVariable("KELVANE_QUIT_WHEN_SHOWN") == QLatin1String("1"))
        quitWhenShown(window);
    return app.exec();
}

int runCommandLine(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    nameApplication();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CommandLine::Run(QCoreApplication::arguments(), out, err);
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::WantsCommandLine(arguments))
        return runCommandLine(argc, argv);
    if (!displayAvailable()) {
        std::fputs("kelvane: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "the command-line subcommands work without one, see `kelvane --help`.\n",
                   stderr);
        return 1;
    }
    return runWindow(argc, argv);
}
