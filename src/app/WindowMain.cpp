#include "about/AppIcon.h"
#include "app/CommandLine.h"
#include "mainwindow/MessageBoxPrompter.h"
#include "mainwindow/TerminationSignals.h"
#include "mainwindow/frmCalendar.h"
#include "month/frmMonth.h"
#include "print/FontSetup.h"
#include "store/AppState.h"
#include "store/Clock.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Without any of these Qt would abort on start; say what to do instead.
bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
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

int runWindow(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FontSetup::ReadFontList();
    CommandLine::NameApplication();
    // Lets the desktop match the window to its launcher entry.
    QGuiApplication::setDesktopFileName(u"io.github.kelvane.Kelvane"_s);
    QApplication::setWindowIcon(windowIcon());

    SystemClock clock;
    SettingsStore settings;
    MessageBoxPrompter prompter;
    AppState state;
    FontSetup::Finish();
    frmCalendar window(state, prompter, clock, settings);
    window.show();

    // A termination signal or the end of the desktop session ends the run as File > Exit
    // does, but without asking anything. The quit is queued: the session manager wants the
    // commit request answered first.
    const auto endSession = [&window] {
        window.endSession();
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    };
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &window, endSession);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, endSession);

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
    return app.exec();
}

} // namespace

// The window: the library the program's executable loads when it is started without a
// subcommand. `waitForFonts` waits for the font set-up the executable began.
extern "C" __attribute__((visibility("default"))) int kelvane_window_main(int argc, char* argv[],
                                                                         void (*waitForFonts)())
{
    FontSetup::WaitWith(waitForFonts);
    if (!displayAvailable()) {
        std::fputs("kelvane: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
                   "the command-line subcommands work without one, see `kelvane --help`.\n",
                   stderr);
        return 1;
    }
    return runWindow(argc, argv);
}
