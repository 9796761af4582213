#include "ui/register_autostart.h"

#include <QCoreApplication>

#include "base/config.h"
#include "ui/error_box.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

namespace {

constexpr int kCannotOpenFolder = 114;

// What failed, with the entry's file: the codes' texts name the Windows registry, which this
// system does not have.
QString failureText(int code, const std::string& entryFile) {
    const QString file = pathToWidget(entryFile);
    if (code == kCannotOpenFolder) {
        return QCoreApplication::translate("kelmo::ui::CfgDlg",
                                           "Could not change the autostart folder of %1!\t")
            .arg(file);
    }
    return QCoreApplication::translate("kelmo::ui::CfgDlg",
                                       "Could not write or remove the autostart entry %1!\t")
        .arg(file);
}

}  // namespace

std::string autostartCommand(const std::string& programFile) {
    return platform::quoteExecArgument(programFile) + " /t 0";
}

int registerAutostart(int alertFlags, const std::string& programFile,
                      platform::AutostartEntry& entry, platform::MessageBox& messages) {
    const bool backgroundWanted = (alertFlags & (alert::kNotifier | alert::kPlaySound)) != 0;
    const int code =
        backgroundWanted ? entry.write(programFile, autostartCommand(programFile)) : entry.remove();
    if (code != 0) {
        say(messages, failureText(code, entry.path()));
        return 0;
    }
    return 1;
}

}  // namespace kelmo::ui
