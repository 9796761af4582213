// Kelmo: the desktop program. Without "/t" it opens the main window; with "/t" it runs as the
// background Timer.
#include <QApplication>
#include <QFile>
#include <QStringList>
#include <string>

#include "files/settings/program_path.h"

#include "platform/autostart_entry.h"
#include "platform/clock.h"
#include "platform/desktop_notifier.h"
#include "platform/program_starter.h"
#include "platform/qt/dbus_notifier.h"
#include "platform/qt/local_timer_endpoint.h"
#include "platform/qt/qt_file_chooser.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_sound_player.h"
#include "platform/qt/tray_icon.h"
#include "platform/report_services.h"
#include "platform/user_folders.h"
#include "ui/background_mode.h"
#include "ui/earth_picture.h"
#include "ui/kelmo_app.h"
#include "ui/window_language.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("KelmoTimes");
    // The launcher's id: docks and Wayland compositors find the icon and name by it.
    QGuiApplication::setDesktopFileName(kelmo::platform::kDesktopFileId);
    QApplication::setWindowIcon(kelmo::ui::applicationIcon());
    // The desktop's language until Kelmo.cfg names another.
    kelmo::ui::installLanguage(kelmo::ui::windowLanguage(std::nullopt));
    // The settings live in the user's folder unless Kelmo.cfg lies beside the executable.
    kelmo::setUserConfigDir(kelmo::platform::userConfigDirectory());

    // The command line as one text, the program's own path first, as start-up reads it.
    std::string arguments;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) arguments += ' ';
        arguments += argv[i];
    }
    // (Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on the chained operator+.)
    std::string commandLine = "\"";
    commandLine += QFile::encodeName(QApplication::applicationFilePath()).toStdString();
    commandLine += "\" ";
    commandLine += arguments;

    kelmo::platform::QtMessageBox messages;
    kelmo::platform::LocalTimerEndpoint timer;
    kelmo::platform::DetachedProgramStarter programs;
    kelmo::platform::XdgAutostartEntry autostart;
    kelmo::platform::QtFileChooser files;
    kelmo::platform::SystemClock clock;
    kelmo::platform::SystemReportServices reports;
    const kelmo::ui::Services services{messages, timer, programs, autostart, files, clock, reports};

    // The background mode ("/t"): the Timer with its tray icon, Notifier and sounds.
    kelmo::platform::QtSoundPlayer sound;
    kelmo::platform::SystemTrayIcon tray;
    kelmo::platform::DbusNotifier notifier;
    kelmo::ui::BackgroundMode background(
        services, sound, tray, kelmo::ui::startupSettingsLoader(services, commandLine, arguments),
        [] { QCoreApplication::quit(); });
    background.setDesktopNotifier(&notifier);
    kelmo::ui::CKelmoApp app(services, {}, [&background](kelmo::ApplicationRecords& records) {
        return background.run(records);
    });
    if (app.initInstance(commandLine, arguments) == 0) return 0;
    return QApplication::exec();
}
