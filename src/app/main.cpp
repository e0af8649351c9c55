#include "about/AppIcon.h"
#include "app/CommandLine.h"
#include "app/PrintersPlugin.h"
#include "app/StandardOutput.h"
#include "mainwindow/MessageBoxPrompter.h"
#include "mainwindow/SessionEnd.h"
#include "mainwindow/TerminationSignals.h"
#include "mainwindow/frmCalendar.h"
#include "month/frmMonth.h"
#include "print/SystemPrinters.h"
#include "store/AppState.h"
#include "store/Clock.h"
#include "store/NativeName.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QTextStream>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Without any of these Qt would abort on start; say what to do instead.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Starting the GUI library without a desktop session warns that XDG_RUNTIME_DIR is unset;
// that says nothing to a user of the command line, whose errors are one line each. Installed
// only while the application object is built; anything else is written as usual.
void dropRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
}

// The one place that picks the application object: the lightest that runs what was asked.
std::unique_ptr<QCoreApplication> makeApplication(CommandLine::Application kind, int& argc,
                                                  char* argv[])
{
    switch (kind) {
    case CommandLine::Application::Core:
        return std::make_unique<QCoreApplication>(argc, argv);
    case CommandLine::Application::Gui: {
        // Drawing text needs the GUI library, and the subcommands need no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QtMessageHandler previous = qInstallMessageHandler(dropRuntimeDirWarning);
        auto app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
        return app;
    }
    case CommandLine::Application::Widgets:
        return std::make_unique<QApplication>(argc, argv);
    }
    return nullptr;
}

// The icon compiled into the program; the drawn one when the resource is missing.
QIcon windowIcon()
{
    const QPixmap pixmap(u":/kelvane.png"_s);
    return pixmap.isNull() ? AppIcon::Icon() : QIcon(pixmap);
}

bool environmentFlag(const char* name)
{
    return qEnvironmentVariable(name) == QLatin1String("1");
}

// Runs `then` once `window` is on the screen.
void whenExposed(QWidget& window, std::function<void()> then)
{
    auto* poll = new QTimer(QCoreApplication::instance());
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, poll, [&window, poll, then = std::move(then)] {
        if (window.windowHandle() && window.windowHandle()->isExposed()) {
            poll->stop();
            poll->deleteLater();
            then();
        }
    });
    poll->start();
}

// For the start-up benchmarks: exit, not quit, since quitting closes the window, and closing
// stores the settings.
void quit()
{
    QCoreApplication::exit(0);
}

int runWindow(Printers& printers)
{
    // Lets the desktop match the window to its launcher entry.
    QGuiApplication::setDesktopFileName(u"io.github.kelvane.Kelvane"_s);
    QApplication::setWindowIcon(windowIcon());

    SystemClock clock;
    SettingsStore settings;
    MessageBoxPrompter prompter;
    AppState state;
    frmCalendar window(state, prompter, clock, settings, printers);
    window.show();

    // A termination signal or the end of the desktop session ends the run as File > Exit
    // does, but without asking anything. The quit is queued: the session manager wants the
    // commit request answered first.
    SessionEnd ending(prompter, [&window] { window.endSession(); });
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &ending, &SessionEnd::request);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &ending, &SessionEnd::request);

    const bool quitWhenShown = environmentFlag("KELVANE_QUIT_WHEN_SHOWN");
    if (environmentFlag("KELVANE_OPEN_MONTH")) {
        // The month window once the main window is up; with the quit flag, the run ends as
        // soon as the month window is on the screen.
        whenExposed(window, [&window, quitWhenShown] {
            window.cmdShowMonth_Click();
            frmMonth* month = window.monthWindow();
            if (quitWhenShown && month)
                whenExposed(*month, quit);
            else if (quitWhenShown)
                quit();
        });
    } else if (quitWhenShown) {
        whenExposed(window, quit);
    }
    return QCoreApplication::exec();
}

// A standard descriptor that was closed (">&-") is held open on /dev/null, so that no file the
// program opens later takes its number and gets its output. False when standard output was
// closed: what is written to it is then a write error.
bool holdStandardDescriptors()
{
    bool outputOpen = true;
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1)
            continue;
        outputOpen = outputOpen && descriptor != STDOUT_FILENO;
        const int held = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (held != descriptor && held >= 0)
            ::close(held);
    }
    return outputOpen;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool outputClosed = !holdStandardDescriptors();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Application kind = CommandLine::ApplicationFor(arguments);
    if (kind == CommandLine::Application::Widgets && !displayAvailable()) {
        std::fputs("kelvane: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "the command-line subcommands work without one, see `kelvane --help`.\n",
                   stderr);
        return 1;
    }
    const std::unique_ptr<QCoreApplication> app = makeApplication(kind, argc, argv);
    CommandLine::NameApplication();
    PrintersPlugin plugin;
    SystemPrinters printers([&plugin](QString* error) { return plugin.load(error); });
    if (kind == CommandLine::Application::Widgets)
        return runWindow(printers);
    // Every write to standard output is checked: a full disk, a closed output or a broken pipe
    // is told once the run is over, as coreutils tell it.
    StandardOutput standardOutput(outputClosed);
    QTextStream out(&standardOutput);
    QTextStream err(stderr);
    const SystemClock clock;
    // The arguments as given, Qt's own taken out: a file name that is not UTF-8 keeps its bytes.
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given.append(NativeName::Decode(argv[i]));
    const int status = CommandLine::Run(given, {out, err, clock, printers, standardOutput});
    out.flush();
    if (!standardOutput.failure().isEmpty()) {
        err << "kelvane: write error: " << standardOutput.failure() << Qt::endl;
        return CommandLine::Failed;
    }
    return status;
}
