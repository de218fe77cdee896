#include "app/ui/appicon.h"
#include "app/ui/crashhandler.h"
#include "app/ui/mainform.h"
#include "base/zukerror.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    // The main window gives the handler the message in the interface language.
    zuk::app::ui::installCrashHandler("Zuk crashed");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuk"));
    // No display name: Qt would append it to every window caption.
    zuk::app::ui::ApplicationIconLoader icon;
#ifdef ZUK_DESKTOP_ID
    // Wayland shells match the window to the installed desktop entry by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZUK_DESKTOP_ID));
#endif

    std::vector<std::string> args;
    for (const QString& a : QApplication::arguments().mid(1))
        args.push_back(a.toStdString());
    zuk::app::ui::StartupOptions options;
    if (std::optional<std::string> home = zuk::platform::takeHomeOption(args))
        options.home = QString::fromStdString(*home);
    for (const std::string& a : args)
        options.files << QString::fromStdString(a);

    std::unique_ptr<zuk::app::ui::TMainForm> owner;
    try {
        owner = std::make_unique<zuk::app::ui::TMainForm>(options);
    } catch (const zuk::ZukError& e) {
        // Without its program folder or zuk.ini the program cannot keep anything.
        QMessageBox::critical(nullptr, QStringLiteral("Zuk"), QString::fromUtf8(e.what()));
        return 1;
    }
    zuk::app::ui::TMainForm& window = *owner;
    window.createToolWindows();
    window.watchTermination();
    icon.apply();
    window.show();
    window.activateWindow();
    // The first activation opens the command-line file; where no window manager
    // ever activates the window (a bare X server, some kiosk sessions) it runs
    // shortly after start all the same. It runs only once either way.
    QTimer::singleShot(400, &window, [&window] { window.FormActivate(); });

    // With ZUK_STARTUP_PROBE=1 the program reports the time to its first idle
    // moment with the window up, then quits (used by bench/startup.sh).
    if (qEnvironmentVariable("ZUK_STARTUP_PROBE") == QLatin1String("1")) {
        QTimer::singleShot(0, &app, [&sinceStart, &window] {
            std::printf("startup_ms %lld\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            window.confirmHook = [](const QString&) { return true; };
            QApplication::exit(0);
        });
    }
    return app.exec();
}
