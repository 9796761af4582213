// The Configuration dialog: the calculation settings and the Timer's Notifier and sound
// settings of the application's Config. OK checks the fields, writes the settings line of
// Kelmo.cfg, tells a running Timer to reload (or starts one), updates the log-on entry and
// only then changes the application's Config. Cancel (also Enter in a field) changes nothing.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "base/config.h"
#include "ui/method_box.h"
#include "ui/services.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kelmo::ui {

// Control ids of the template.
namespace cfg {
inline constexpr int kFiqh = 1029, kImsakDegrees = 1030, kImsakMinutes = 1031;
inline constexpr int kFajrDegrees = 1032, kFajrMinutes = 1033, kPrecision = 1034;
inline constexpr int kDistance = 1035, kMaghribMinutes = 1036, kRule = 1037;
inline constexpr int kCorrection = 1038, kHijriAdjust = 1039, kVisibilityDegrees = 1040;
inline constexpr int kVisibilityMinutes = 1041, kSoundButton = 1042, kPreSoundButton = 1043;
inline constexpr int kMinutesBefore = 1044, kIshaDegrees = 1045, kIshaMinutes = 1046;
inline constexpr int kSoundFile = 1019, kPreSoundFile = 1020;
inline constexpr int kFajr = 1014, kDuhr = 1015, kAsr = 1016, kMaghrib = 1017, kIsha = 1018;
inline constexpr int kNotifier = 1025, kPlay = 1026, kPlayBefore = 1027;
// The program that opens the month and year reports (an editable list) and its chooser.
inline constexpr int kEditor = 1050, kEditorButton = 1051;
// The language of the windows: "System" or one of the program's languages.
inline constexpr int kLanguage = 1052;
inline constexpr const char* kDesktopDefaultEditor =
    QT_TRANSLATE_NOOP("kelmo::ui::CfgDlg", "the desktop's default");
inline constexpr int kOk = 1, kCancel = 2;
inline constexpr int kSoundNameLength = 80;
}  // namespace cfg

class CfgDlg : public QDialog {
    Q_OBJECT
  public:
    CfgDlg(Config& config, const Services& services, QWidget* parent = nullptr);

  public Q_SLOTS:
    void accept() override;  // OK

  private:
    // The dialog's members, bound to the controls.
    struct Fields {
        int fiqh = 0, imsakDegrees = 0, fajrDegrees = 0, precision = 0, distance = 0;
        int fajrMinutes = 0, imsakMinutes = 0, maghribMinutes = 0, rule = 0;
        std::string soundFile;
        bool asr = false, duhr = false, fajr = false, maghrib = false, isha = false;
        bool play = false, notifier = false;
        int hijriAdjust = 0, correction = 0, visibilityDegrees = 0, visibilityMinutes = 0;
        int minutesBefore = 1;
        bool playBefore = false;
        std::string preSoundFile;
        int ishaDegrees = 0, ishaMinutes = 0;
        std::string editor;  // empty: the desktop's default
    };

    void buildTemplate();
    void fillFields();
    void showFields();
    bool checkFields();  // the field check, in the order of the members
    void enableSoundControls(bool play, bool playBefore, bool keepPreAlert);
    void playClicked();
    void playBeforeClicked();
    void chooseSound(QLineEdit* edit);
    void chooseEditor();
    bool checkEditor();
    std::string editorToStore() const;
    bool resolveSoundFile(const std::string& typed, int error, std::string& resolved);
    void contactTimer(int oldFlags, int newFlags);

    Config& config_;
    const Services& services_;
    Fields fields_;
    std::unique_ptr<MethodBox> methodBox_;
};

}  // namespace kelmo::ui
