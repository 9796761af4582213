#include "ui/cfg_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <fstream>

#include "calendar/angle_format.h"
#include "calendar/names.h"
#include "files/reports/report_viewer.h"
#include "files/settings/config_file.h"
#include "platform/kelmo_messages.h"
#include "platform/user_folders.h"
#include "prayer/calculation_methods.h"
#include "prayer/school_of_law.h"
#include "ui/data_exchange.h"
#include "ui/dialog_template.h"
#include "ui/error_box.h"
#include "ui/language_list.h"
#include "ui/program_file.h"
#include "ui/register_autostart.h"
#include "ui/template_layout.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kErrorFajrAngle = 300;      // "Incorrect Fajr angle!"
constexpr int kErrorJafariSounds = 107;   // "Invalid combination of Fiqh and prayers ..."
constexpr int kErrorNoPrayerSound = 112;  // "No prayer is chosen for sound play!"
constexpr int kErrorSoundFile = 109;      // "Could not open sound file!"
constexpr int kErrorPreSoundFile = 110;   // "Could not open sound file (pre-play sound file)!"
constexpr int kErrorTimerUpdate = 801;    // "Could not update the Timer and Notifier process!"
constexpr int kErrorStartKelmo = 505;     // "Could not start KelmoTimes!"
constexpr int kAngleMin = -25, kAngleMax = -1, kMinuteMax = 59;
constexpr const char* kSoundPattern = "*.wav";
constexpr const char* kAnyFile = "*";

// The dialog's label of high-latitude rule 9 (the name table's reads differently).
constexpr const char* kMinutesRuleLabel =
    QT_TRANSLATE_NOOP("kelmo::ui::CfgDlg", "n minutes for Fajr&Isha prayers");

bool readable(const std::string& path) {
    return std::ifstream(path).is_open();
}

void setBit(int& flags, int bit, bool on) {
    flags = on ? (flags | bit) : (flags & ~bit);
}

QLineEdit* lineEdit(const QWidget* dialog, int id) {
    return control<QLineEdit>(dialog, id);
}
QCheckBox* checkBox(const QWidget* dialog, int id) {
    return control<QCheckBox>(dialog, id);
}
QComboBox* comboBox(const QWidget* dialog, int id) {
    return control<QComboBox>(dialog, id);
}

}  // namespace

CfgDlg::CfgDlg(Config& config, const Services& services, QWidget* parent)
    : QDialog(parent), config_(config), services_(services) {
    buildTemplate();
    fillFields();
    showFields();
    methodBox_->showChosen();
    enableSoundControls(fields_.play, fields_.playBefore, false);
}

void CfgDlg::buildTemplate() {
    DialogTemplate t(this, QStringLiteral(" ") + tr("Configuration"), 337, 244);
    using namespace cfg;
    // Top row: the school of law and the three twilight angles.
    t.group(tr("Fiqh"), 7, 5, 70, 31);
    t.dropDown(kFiqh, 13, 17, 58, 13);
    t.group(tr("Imsak angle"), 84, 5, 80, 31);
    t.edit(kImsakDegrees, 90, 17, 26, 13);
    t.label(QStringLiteral("\u00B0"), 118, 18, 6, 10);
    t.edit(kImsakMinutes, 127, 17, 24, 13);
    t.label("'", 153, 18, 6, 10);
    t.group(tr("Fajr angle"), 171, 5, 80, 31);
    t.edit(kFajrDegrees, 177, 17, 26, 13);
    t.label(QStringLiteral("\u00B0"), 205, 18, 6, 10);
    t.edit(kFajrMinutes, 214, 17, 24, 13);
    t.label("'", 240, 18, 6, 10);
    t.group(tr("Isha angle"), 258, 5, 72, 31);
    t.edit(kIshaDegrees, 264, 17, 24, 13);
    t.label(QStringLiteral("\u00B0"), 290, 18, 6, 10);
    t.edit(kIshaMinutes, 298, 17, 22, 13);
    t.label("'", 322, 18, 6, 10);
    // Second row.
    t.group(tr("Precision"), 7, 40, 70, 31);
    t.dropDown(kPrecision, 13, 52, 58, 13);
    t.group(tr("Rule at high latitudes"), 84, 40, 148, 31);
    t.dropDown(kRule, 90, 52, 136, 13);
    t.group(tr("Adjust Islamic calendar by"), 239, 40, 91, 31);
    t.edit(kHijriAdjust, 245, 52, 26, 13);
    t.label(tr("days"), 275, 54, 30, 10);
    // Third row.
    t.group(tr("Correct prayer times by"), 7, 75, 82, 31);
    t.edit(kCorrection, 13, 87, 28, 13);
    t.label(tr("Seconds"), 44, 89, 42, 10);
    t.group(tr("Moon visibility limit"), 95, 75, 74, 31);
    t.edit(kVisibilityDegrees, 101, 87, 24, 13);
    t.label(QStringLiteral("\u00B0"), 127, 88, 6, 10);
    t.edit(kVisibilityMinutes, 135, 87, 24, 13);
    t.label("'", 161, 88, 6, 10);
    t.group(tr("Add to Maghrib time"), 175, 75, 72, 31);
    t.edit(kMaghribMinutes, 181, 87, 24, 13);
    t.label(tr("minutes"), 209, 89, 36, 10);
    t.group(tr("Distance from center"), 253, 75, 77, 31);
    t.edit(kDistance, 259, 87, 26, 13);
    t.label(tr("km"), 289, 89, 20, 10);
    // The Timer's Notifier and sounds.
    t.group(tr("Sound and Notifier"), 7, 110, 323, 76);
    t.check(kNotifier, tr("Activate Notifier"), 15, 122, 110, 10);
    t.check(kPlay, tr("Play"), 15, 142, 30, 10);
    t.button(kSoundButton, tr("sound file"), 47, 139, 44, 15);
    t.edit(kSoundFile, 94, 140, 70, 13);
    t.label(tr("at"), 167, 142, 10, 10);
    const Words& words = windowWords();
    const auto prayer = [&words](PrayerName name) { return shownWord(words.prayerName(name)); };
    t.check(kFajr, prayer(PrayerName::fajr), 178, 142, 28, 10);
    t.check(kDuhr, prayer(PrayerName::duhr), 206, 142, 30, 10);
    t.check(kAsr, prayer(PrayerName::asr), 236, 142, 26, 10);
    t.check(kMaghrib, prayer(PrayerName::maghrib), 262, 142, 40, 10);
    t.check(kIsha, prayer(PrayerName::isha), 302, 142, 27, 10);
    t.check(kPlayBefore, tr("Play"), 15, 164, 30, 10);
    t.button(kPreSoundButton, tr("sound file"), 47, 161, 44, 15);
    t.edit(kPreSoundFile, 94, 162, 70, 13);
    t.label(tr("at"), 167, 164, 10, 10);
    t.edit(kMinutesBefore, 178, 162, 24, 13);
    t.label(tr("minutes before prayer time"), 206, 164, 110, 10);
    // The program of the month and year reports.
    t.group(tr("Open month and year reports with"), 7, 190, 323, 30);
    QComboBox* editor = t.dropDown(kEditor, 13, 202, 254, 13);
    t.button(kEditorButton, tr("program"), 272, 201, 52, 15);
    t.label(tr("Language"), 7, 226, 36, 10);
    QComboBox* language = t.dropDown(kLanguage, 44, 224, 120, 13);
    fillLanguageList(language, config_.language);
    // Cancel is the default button: Enter in a field cancels.
    QPushButton* cancel = t.button(kCancel, tr("Cancel"), 200, 224, 60, 16);
    QPushButton* ok = t.button(kOk, tr("OK"), 268, 224, 60, 16);
    cancel->setDefault(true);

    for (const char* name : words.fiqhs) comboBox(this, kFiqh)->addItem(shownWord(name));
    for (const char* name : words.precisions) comboBox(this, kPrecision)->addItem(shownWord(name));
    for (std::size_t rule = 0; rule + 1 < words.highLatitudeRules.size(); ++rule) {
        comboBox(this, kRule)->addItem(shownWord(words.highLatitudeRules[rule]));
    }
    comboBox(this, kRule)->addItem(tr(kMinutesRuleLabel));
    editor->setEditable(true);
    editor->setInsertPolicy(QComboBox::NoInsert);
    editor->addItem(tr(kDesktopDefaultEditor));
    limitTyping(editor->lineEdit(), Config::kTextLength);
    limitTyping(lineEdit(this, kSoundFile), kSoundNameLength);
    limitTyping(lineEdit(this, kPreSoundFile), kSoundNameLength);

    setTip(controlById(this, kFiqh), tr("Choose the applied Fiqh from list"));
    setTip(controlById(this, kImsakDegrees),
           tr("Set the number of degrees for Imsak angle (-20 to -1)"));
    setTip(controlById(this, kImsakMinutes),
           tr("Set the number of minutes for Imsak angle (0-59)"));
    setTip(controlById(this, kFajrDegrees),
           tr("Set the number of degrees for Fajr angle (max is the value of Imsak/Isha angle to "
              "-1)"));
    setTip(controlById(this, kFajrMinutes), tr("Set the number of minutes for Fajr angle (0-59)"));
    setTip(controlById(this, kIshaDegrees),
           tr("Set the number of degrees for Isha angle (-20 to -1)"));
    setTip(controlById(this, kIshaMinutes), tr("Set the number of minutes for Isha angle (0-59)"));
    setTip(controlById(this, kMaghribMinutes),
           tr("Set the number of minutes to be added to the time of Maghrib"));
    setTip(controlById(this, kPrecision),
           tr("Select from the list if you want view the result in minutes or seconds. The "
              "calculation are not effected by this setting"));
    setTip(controlById(this, kRule),
           tr("Select from the list the rule to be used at high latitudes. This rule is used to "
              "calculate alternative prayer times when ordinary times can not be caculated"));
    setTip(controlById(this, kDistance),
           tr("Set the semidiameter of the area you want to calculate for, in kilometers (0-100)"));
    setTip(controlById(this, kCorrection),
           tr("Set the number of correcting seconds. The correcting seconds are the seconds added "
              "or subtracted from prayer times to compensate for eventual errors in calculation"));
    setTip(controlById(this, kVisibilityDegrees), tr("Set the visibilty limit in degrees (0-20)"));
    setTip(controlById(this, kVisibilityMinutes), tr("Set the visibilty limit in minutes (0-59)"));
    setTip(
        controlById(this, kHijriAdjust),
        tr("Set the number of days to adjust Julian/Gregorian in relation to Islamic (0-3 days)"));
    setTip(controlById(this, kNotifier), tr("Check this check box to activate the Notifier"));
    setTip(controlById(this, kPlay),
           tr("Check this check box to make your PC play a WAV sound file when prayer time "
              "occurred"));
    setTip(controlById(this, kPlayBefore),
           tr("Check this check box to make your PC play a WAV sound file few minutes before "
              "prayer time"));
    for (const int id : {kSoundButton, kPreSoundButton})
        setTip(controlById(this, id), tr("Press here to select the sound file"));
    for (const int id : {kSoundFile, kPreSoundFile})
        setTip(controlById(this, id),
               tr("Set the name of sound file to be played. Full path is required"));
    for (const int id : {kFajr, kDuhr, kAsr, kMaghrib, kIsha})
        setTip(controlById(this, id),
               tr("check related check box for the prayer you want the PC to play sound file when "
                  "its time occurred"));
    setTip(controlById(this, kMinutesBefore),
           tr("The number of minutes indicates how many minutes before prayer time the sound file "
              "will be played"));
    setTip(editor,
           tr("Choose the program that opens the month and year reports (Kelmo.out), or type its "
              "name; the desktop's default opens them as the desktop opens text files"));
    setTip(controlById(this, kEditorButton), tr("Press here to select the program"));
    setTip(language, tr("Choose the language of the windows; System follows the language of "
                        "the desktop"));
    setTip(cancel, tr("Press to cancel the changes."));
    setTip(ok, tr("Press to confirm the changes."));

    connect(ok, &QPushButton::clicked, this, &CfgDlg::accept);
    connect(cancel, &QPushButton::clicked, this, [this] { done(0); });
    connect(checkBox(this, kPlay), &QCheckBox::clicked, this, &CfgDlg::playClicked);
    connect(checkBox(this, kPlayBefore), &QCheckBox::clicked, this, &CfgDlg::playBeforeClicked);
    connect(control<QPushButton>(this, kSoundButton), &QPushButton::clicked, this,
            [this] { chooseSound(lineEdit(this, cfg::kSoundFile)); });
    connect(control<QPushButton>(this, kPreSoundButton), &QPushButton::clicked, this,
            [this] { chooseSound(lineEdit(this, cfg::kPreSoundFile)); });
    methodBox_ = std::make_unique<MethodBox>(this, t, config_);
    connect(control<QPushButton>(this, kEditorButton), &QPushButton::clicked, this,
            &CfgDlg::chooseEditor);
    arrangeTemplate(this);
}

void CfgDlg::fillFields() {
    const SplitAngle imsak = splitAngle(config_.imsakAngle, true);
    const SplitAngle fajr = splitAngle(config_.fajrAngle, true);
    const SplitAngle isha = splitAngle(config_.ishaAngle, true);
    const SplitAngle visibility = splitAngle(config_.moonVisibilityLimit, true);
    const int flags = config_.alertFlags;
    Fields& f = fields_;
    f.fiqh = config_.fiqh;
    f.imsakDegrees = imsak.degrees;
    f.imsakMinutes = imsak.minutes;
    f.fajrDegrees = fajr.degrees;
    f.fajrMinutes = fajr.minutes;
    f.ishaDegrees = isha.degrees;
    f.ishaMinutes = isha.minutes;
    f.precision = config_.precision;
    f.distance = config_.areaRadius;
    f.maghribMinutes = config_.maghribDelay;
    f.rule = config_.highLatitudeRule;
    f.soundFile = config_.soundFile;
    f.fajr = flags & (alert::kFajrSound << 0);
    f.duhr = flags & (alert::kFajrSound << 1);
    f.asr = flags & (alert::kFajrSound << 2);
    f.maghrib = flags & (alert::kFajrSound << 3);
    f.isha = flags & (alert::kFajrSound << 4);
    f.play = flags & alert::kPlaySound;
    f.notifier = flags & alert::kNotifier;
    f.hijriAdjust = config_.hijriAdjust;
    f.correction = config_.correctionSeconds;
    f.visibilityDegrees = visibility.degrees;
    f.visibilityMinutes = visibility.minutes;
    f.minutesBefore = config_.preAlertMinutes;
    f.playBefore = flags & alert::kPreAlertSound;
    f.preSoundFile = config_.preAlertSoundFile;
    f.editor = isDesktopDefaultViewer(config_.editor) ? std::string() : config_.editor;
}

void CfgDlg::showFields() {
    using namespace cfg;
    const Fields& f = fields_;
    comboBox(this, kFiqh)->setCurrentIndex(f.fiqh);
    comboBox(this, kPrecision)->setCurrentIndex(f.precision);
    comboBox(this, kRule)->setCurrentIndex(f.rule);
    const std::pair<int, int> numbers[] = {{kImsakDegrees, f.imsakDegrees},
                                           {kImsakMinutes, f.imsakMinutes},
                                           {kFajrDegrees, f.fajrDegrees},
                                           {kFajrMinutes, f.fajrMinutes},
                                           {kIshaDegrees, f.ishaDegrees},
                                           {kIshaMinutes, f.ishaMinutes},
                                           {kDistance, f.distance},
                                           {kMaghribMinutes, f.maghribMinutes},
                                           {kHijriAdjust, f.hijriAdjust},
                                           {kCorrection, f.correction},
                                           {kVisibilityDegrees, f.visibilityDegrees},
                                           {kVisibilityMinutes, f.visibilityMinutes},
                                           {kMinutesBefore, f.minutesBefore}};
    for (const auto& [id, value] : numbers) lineEdit(this, id)->setText(QString::number(value));
    lineEdit(this, kSoundFile)->setText(pathToWidget(f.soundFile));
    lineEdit(this, kPreSoundFile)->setText(pathToWidget(f.preSoundFile));
    const std::pair<int, bool> boxes[] = {
        {kFajr, f.fajr}, {kDuhr, f.duhr}, {kAsr, f.asr},           {kMaghrib, f.maghrib},
        {kIsha, f.isha}, {kPlay, f.play}, {kNotifier, f.notifier}, {kPlayBefore, f.playBefore}};
    for (const auto& [id, on] : boxes) checkBox(this, id)->setChecked(on);
    comboBox(this, kEditor)
        ->setEditText(f.editor.empty() ? tr(kDesktopDefaultEditor) : pathToWidget(f.editor));
}

bool CfgDlg::checkFields() {
    using namespace cfg;
    DataExchange dx(services_.messages);
    // Lists and check boxes cannot fail the check; they are read first.
    Fields& f = fields_;
    f.fiqh = comboBox(this, kFiqh)->currentIndex();
    f.precision = comboBox(this, kPrecision)->currentIndex();
    f.rule = comboBox(this, kRule)->currentIndex();
    f.asr = checkBox(this, kAsr)->isChecked();
    f.duhr = checkBox(this, kDuhr)->isChecked();
    f.fajr = checkBox(this, kFajr)->isChecked();
    f.maghrib = checkBox(this, kMaghrib)->isChecked();
    f.isha = checkBox(this, kIsha)->isChecked();
    f.play = checkBox(this, kPlay)->isChecked();
    f.notifier = checkBox(this, kNotifier)->isChecked();
    f.playBefore = checkBox(this, kPlayBefore)->isChecked();
    // Each member is stored as soon as it is read, as the dialog framework does, so a failed
    // check keeps the fields read before it.
    return dx.integer(lineEdit(this, kImsakDegrees), kAngleMin, kAngleMax, fields_.imsakDegrees) &&
           dx.integer(lineEdit(this, kFajrDegrees), kAngleMin, kAngleMax, fields_.fajrDegrees) &&
           dx.integer(lineEdit(this, kDistance), 0, 100, fields_.distance) &&
           dx.integer(lineEdit(this, kFajrMinutes), 0, kMinuteMax, fields_.fajrMinutes) &&
           dx.integer(lineEdit(this, kImsakMinutes), 0, kMinuteMax, fields_.imsakMinutes) &&
           dx.integer(lineEdit(this, kMaghribMinutes), 0, 30, fields_.maghribMinutes) &&
           dx.path(lineEdit(this, kSoundFile), kSoundNameLength, fields_.soundFile) &&
           dx.integer(lineEdit(this, kHijriAdjust), -3, 3, fields_.hijriAdjust) &&
           dx.integer(lineEdit(this, kCorrection), 0, 600, fields_.correction) &&
           dx.integer(lineEdit(this, kVisibilityDegrees), 0, 30, fields_.visibilityDegrees) &&
           dx.integer(lineEdit(this, kVisibilityMinutes), 0, kMinuteMax,
                      fields_.visibilityMinutes) &&
           dx.integer(lineEdit(this, kMinutesBefore), 1, 30, fields_.minutesBefore) &&
           dx.path(lineEdit(this, kPreSoundFile), kSoundNameLength, fields_.preSoundFile) &&
           dx.integer(lineEdit(this, kIshaDegrees), kAngleMin, kAngleMax, fields_.ishaDegrees) &&
           dx.integer(lineEdit(this, kIshaMinutes), 0, kMinuteMax, fields_.ishaMinutes) &&
           checkEditor();
}

// The editor's field: the desktop's default (its label, or nothing), else a program's name
// or path as long as Kelmo.cfg can hold.
bool CfgDlg::checkEditor() {
    QComboBox* editor = comboBox(this, cfg::kEditor);
    const QString typed = editor->currentText().trimmed();
    if (typed.isEmpty() || typed == tr(cfg::kDesktopDefaultEditor) ||
        typed == cfg::kDesktopDefaultEditor) {
        fields_.editor.clear();
        return true;
    }
    editor->setEditText(typed);
    DataExchange dx(services_.messages);
    return dx.path(editor->lineEdit(), Config::kTextLength, fields_.editor);
}

// The desktop's default keeps a stored name that already means it ("notepad.exe" of a
// Kelmo.cfg from Windows), so that OK alone does not rewrite the field.
std::string CfgDlg::editorToStore() const {
    if (!fields_.editor.empty()) return fields_.editor;
    return isDesktopDefaultViewer(config_.editor) ? config_.editor : kDesktopOpener;
}

void CfgDlg::enableSoundControls(bool play, bool playBefore, bool keepPreAlert) {
    using namespace cfg;
    for (const int id :
         {kSoundFile, kFajr, kDuhr, kAsr, kMaghrib, kIsha, kPlayBefore, kSoundButton})
        controlById(this, id)->setEnabled(play);
    if (keepPreAlert && play) return;
    for (const int id : {kMinutesBefore, kPreSoundFile, kPreSoundButton})
        controlById(this, id)->setEnabled(play && playBefore);
}

void CfgDlg::playClicked() {
    if (!checkFields()) return;
    // Switching the sound on keeps the pre-alert controls as they were.
    enableSoundControls(fields_.play, fields_.playBefore, true);
}

void CfgDlg::playBeforeClicked() {
    if (!checkFields()) return;
    for (const int id : {cfg::kPreSoundFile, cfg::kMinutesBefore, cfg::kPreSoundButton})
        controlById(this, id)->setEnabled(fields_.playBefore);
}

void CfgDlg::chooseSound(QLineEdit* edit) {
    checkFields();  // the members are read; a failure does not stop the choice
    const std::optional<std::string> chosen = services_.files.chooseFile(kSoundPattern);
    if (!chosen) return;
    if (edit == lineEdit(this, cfg::kSoundFile))
        fields_.soundFile = *chosen;
    else
        fields_.preSoundFile = *chosen;
    showFields();
}

void CfgDlg::chooseEditor() {
    checkFields();  // the members are read; a failure does not stop the choice
    const std::optional<std::string> chosen = services_.files.chooseFile(kAnyFile);
    if (!chosen) return;
    fields_.editor = *chosen;
    showFields();
}

bool CfgDlg::resolveSoundFile(const std::string& typed, int error, std::string& resolved) {
    const std::string ownSound = platform::dataFilePath(typed);
    if (readable(ownSound))
        resolved = ownSound;
    else if (readable(typed))
        resolved = typed;
    else {
        showError(services_.messages, error);
        return false;
    }
    return true;
}

void CfgDlg::contactTimer(int oldFlags, int newFlags) {
    constexpr int kModeBits = alert::kNotifier | alert::kPlaySound;
    if (services_.timer.find()) {
        if (services_.timer.send({WM_KELMO_RELOAD, 0, 0}) == 0)
            showError(services_.messages, kErrorTimerUpdate);
    } else if ((oldFlags & kModeBits) != (newFlags & kModeBits)) {
        if (!services_.programs.start(ownProgramFile(), {"/t", "0"}))
            showError(services_.messages, kErrorStartKelmo);
    }
}

void CfgDlg::accept() {
    if (!checkFields()) return;
    const Fields& f = fields_;
    const double imsak = f.imsakDegrees - f.imsakMinutes / 60.0;
    const double fajr = f.fajrDegrees - f.fajrMinutes / 60.0;
    if (imsak > fajr) {
        showError(services_.messages, kErrorFajrAngle);
        return;
    }
    Config updated = config_;
    updated.imsakAngle = static_cast<float>(imsak);
    updated.fajrAngle = static_cast<float>(fajr);
    updated.ishaAngle = static_cast<float>(f.ishaDegrees - f.ishaMinutes / 60.0);
    updated.areaRadius = f.distance;
    updated.fiqh = f.fiqh;
    updated.precision = f.precision;
    updated.maghribDelay = f.maghribMinutes;
    updated.preAlertMinutes = f.minutesBefore;
    updated.highLatitudeRule = f.rule;
    updated.correctionSeconds = f.correction;
    updated.hijriAdjust = f.hijriAdjust;
    updated.moonVisibilityLimit =
        static_cast<float>(f.visibilityDegrees + f.visibilityMinutes / 60.0);
    applyMethod(methodBox_->method(), updated);  // its exact figures, not their minutes
    updated.hijriCalendar = methodBox_->calendar();
    updated.editor = editorToStore();
    updated.language = selectedLanguage(comboBox(this, cfg::kLanguage));

    if (f.play) {
        if (f.fiqh == kFiqhJafari && (f.asr || f.isha)) {
            showError(services_.messages, kErrorJafariSounds);
            return;
        }
        if (!(f.fajr || f.duhr || f.asr || f.maghrib || f.isha)) {
            showError(services_.messages, kErrorNoPrayerSound);
            return;
        }
    }
    int flags = config_.alertFlags;
    if (!f.play) {
        flags &= ~(alert::kPlaySound | alert::kPreAlertSound);
    } else {
        if (!resolveSoundFile(f.soundFile, kErrorSoundFile, updated.soundFile)) return;
        flags |= alert::kPlaySound;
        if (f.playBefore) {
            if (!resolveSoundFile(f.preSoundFile, kErrorPreSoundFile, updated.preAlertSoundFile))
                return;
            flags |= alert::kPreAlertSound;
        } else {
            flags &= ~alert::kPreAlertSound;
        }
        const bool prayers[] = {f.fajr, f.duhr, f.asr, f.maghrib, f.isha};
        for (int i = 0; i < 5; ++i) setBit(flags, alert::kFajrSound << i, prayers[i]);
    }
    setBit(flags, alert::kNotifier, f.notifier);
    updated.alertFlags = flags;

    if (const int code = saveConfig(updated); code != 0) {
        showError(services_.messages, code);
        return;
    }
    contactTimer(config_.alertFlags, flags);

    config_.imsakAngle = updated.imsakAngle;
    config_.fajrAngle = updated.fajrAngle;
    config_.ishaAngle = updated.ishaAngle;
    config_.areaRadius = updated.areaRadius;
    config_.fiqh = updated.fiqh;
    config_.precision = updated.precision;
    config_.maghribDelay = updated.maghribDelay;
    config_.preAlertMinutes = updated.preAlertMinutes;
    config_.highLatitudeRule = updated.highLatitudeRule;
    config_.hijriAdjust = updated.hijriAdjust;
    config_.correctionSeconds = updated.correctionSeconds;
    config_.moonVisibilityLimit = updated.moonVisibilityLimit;
    config_.method = updated.method;
    config_.hijriCalendar = updated.hijriCalendar;
    config_.editor = updated.editor;
    if (config_.language != updated.language) {
        config_.language = updated.language;
        say(services_.messages, tr("KelmoTimes speaks the chosen language from its next start."));
    }

    registerAutostart(flags, ownProgramFile(), services_.autostart, services_.messages);

    config_.alertFlags = flags;
    if (f.play) {
        config_.soundFile = updated.soundFile;
        if (f.playBefore) config_.preAlertSoundFile = updated.preAlertSoundFile;
    }
    done(0);
}

}  // namespace kelmo::ui
