// The prayer alert: its caption and five text lines (weekday, Gregorian and Hijri dates,
// prayer time with seconds, location), the line of a late alert, closing by itself when the
// sound ends, Close stopping the sound at once, a sound that cannot play (missing file,
// refusal, later failure) said in the window while the sound counts as over (the window has
// no message box to show), a caption that fits, and a picture for review. Manama, Bahrain, 11 March
// 2024 (a Monday, at the turn of Sha'ban and Ramadan 1445).
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "base/angles.h"
#include "hijri/hijri_date.h"
#include "ui/athan.h"
#include "ui/timer_fakes.h"
#include "ui/ui_support.h"

using namespace kelmo;
using namespace kelmo::ui;

namespace {
constexpr double kHour = kPi / 12.0;
constexpr double kMinute = kHour / 60.0;
constexpr double kSecond = kMinute / 60.0;
}  // namespace

class AthanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ProgramDirectory> dir_;
    std::unique_ptr<test::FakeSoundPlayer> sound_;
    Config config_;
    Location place_ = test::manama();
    CalendarDate date_;

    std::unique_ptr<Athan> make(int prayer, double time) {
        return std::make_unique<Athan>(config_, place_, date_, prayer, time, *sound_);
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<test::ProgramDirectory>();
        test::writeDummySound(dir_->path("Athan.wav"));
        sound_ = std::make_unique<test::FakeSoundPlayer>();
        config_ = Config{};
        date_ = CalendarDate{};
        date_.year = 2024;
        date_.month = 3;
        date_.day = 11;
    }

    void captionAndLinesForMaghrib() {
        auto alert = make(3, 17 * kHour + 51 * kMinute + 7 * kSecond);
        alert->start();
        QCOMPARE(alert->windowTitle(), QStringLiteral("  It is time for Maghrib prayer"));
        QFont bold = alert->font();  // a caption bar has room for it
        bold.setBold(true);
        QVERIFY(alert->width() > QFontMetrics(bold).horizontalAdvance(alert->windowTitle()));
        // The Hijri date is the calendar module's (crescent visibility at Manama): the
        // window only prints it, day / month name / year, and keeps it in the date record.
        CalendarDate reference = date_;
        QCOMPARE(hijriFromDate(reference, place_, config_), 1);
        QVERIFY(reference.hijriYear == 1445 &&
                (reference.hijriMonth == 8 || reference.hijriMonth == 9));
        const QString hijri = QStringLiteral("%1/%2/1445 AH")
                                  .arg(int(reference.hijriDay))
                                  .arg(reference.hijriMonth == 9 ? "Ramadan" : "Sha'ban");
        const QStringList expected = {"Today is Monday,", "11/March/2024 AD", hijri,
                                      "Maghrib prayer is started 17:51:07", "in Manama,Bahrain"};
        QCOMPARE(alert->textLines(), expected);
        QCOMPARE(date_.hijriMonth, reference.hijriMonth);
        QCOMPARE(date_.hijriValid, 1);
        QVERIFY(alert->isVisible());
        QCOMPARE(sound_->played, std::vector<std::string>{dir_->path("Athan.wav")});
        QVERIFY(control<QPushButton>(alert.get(), athanwin::kClose) != nullptr);
    }

    // A sound that cannot play never waits for the user: the window says it in a
    // line of its own for about an athan's length, and the sound is over at once.
    void soundThatCannotPlayIsSaidInTheWindowAndIsOverAtOnce() {
        const struct {
            const char* what;
            const char* soundFile;
            bool refuses;
            const char* line;
            const char* told;
        } rows[] = {
            {"missing file", "NoSuch.wav", false, "Could not open sound file!",
             "Could not open sound file! ("},
            {"no sound device", "Athan.wav", true, "Could not start sound player!",
             "Could not start sound player! (no sound output device)"},
        };
        for (const auto& row : rows) {
            config_.soundFile = row.soundFile;
            sound_->refuses = row.refuses;
            auto alert = make(1, 12 * kHour);
            QSignalSpy over(alert.get(), &Athan::soundOver);
            QSignalSpy trouble(alert.get(), &Athan::soundTrouble);
            QSignalSpy finished(alert.get(), &QDialog::finished);
            alert->start();
            QVERIFY2(alert->isVisible(), row.what);
            QCOMPARE(alert->textLines().size(), 6);
            QCOMPARE(alert->textLines().value(5), QString::fromLatin1(row.line));
            QCOMPARE(over.count(), 1);
            QCOMPARE(trouble.count(), 1);
            QVERIFY2(trouble[0][0].toString().startsWith(row.told), row.what);
            QCOMPARE(finished.count(), 0);
            // It stays for about an athan's length, then closes as after a finished sound.
            QVERIFY(alert->closesByItself());
            alert->closeByItselfNow();
            QCOMPARE(finished.count(), 1);
            QVERIFY(!alert->isVisible());
            QCOMPARE(over.count(), 1);  // once
        }
    }

    void lateAlertSaysHowLongAgoThePrayerBegan() {
        const std::pair<double, const char*> rows[] = {
            {75.0, "This prayer began 1 min ago"},
            {59.0, "This prayer began 1 min ago"},
            {2 * 3600.0 + 5 * 60 + 59, "This prayer began 2 h 5 min ago"},
        };
        for (const auto& [seconds, text] : rows)
            QCOMPARE(prayerLateLine(seconds), QString::fromLatin1(text));
        auto alert = make(3, 17 * kHour + 28 * kMinute + 31 * kSecond);
        alert->setLateSeconds(121.0);
        alert->start();
        QCOMPARE(alert->textLines().value(3), QStringLiteral("Maghrib prayer is started 17:28:31"));
        QCOMPARE(alert->textLines().value(5), QStringLiteral("This prayer began 2 min ago"));
    }

    void absoluteSoundFileIsUsedAsItIs() {
        QTemporaryDir other;
        const std::string path = other.filePath("call.wav").toStdString();
        test::writeDummySound(path);
        config_.soundFile = path;
        auto alert = make(0, 4 * kHour);
        alert->start();
        QCOMPARE(sound_->played.back(), path);
    }

    // A program folder with letters beyond ASCII ("José"): its path keeps the system's bytes
    // from the command line to the sound player, so the alert finds its sound (no 109).
    void programFolderWithNonAsciiLettersFindsItsSound() {
        dir_ = std::make_unique<test::ProgramDirectory>(QStringLiteral("Jos\u00e9"));
        QCOMPARE(dir_->created(), 0);
        test::writeDummySound(dir_->path("Athan.wav"));
        auto alert = make(1, 12 * kHour);
        alert->start();
        QCOMPARE(sound_->played.back(), dir_->path("Athan.wav"));
        QVERIFY(sound_->played.back().find("Jos\xC3\xA9/") != std::string::npos);
    }

    void closesByItselfWhenTheSoundEnds() {
        auto alert = make(1, 12 * kHour);
        QSignalSpy finished(alert.get(), &QDialog::finished);
        alert->start();
        QVERIFY(sound_->isPlaying());
        QVERIFY(alert->closesByItself());  // a sound file of hours is cut after ten minutes
        sound_->end();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!alert->isVisible());
        QCOMPARE(sound_->stops, 0);
        QVERIFY(!alert->closesByItself());
        auto endless = make(1, 12 * kHour);
        endless->start();
        endless->closeByItselfNow();
        QVERIFY(!sound_->isPlaying() && !endless->isVisible());
    }

    void closeStopsTheSoundAtOnceAndNothingFollows() {
        auto alert = make(1, 12 * kHour);
        QSignalSpy finished(alert.get(), &QDialog::finished);
        alert->start();
        QTest::mouseClick(control<QPushButton>(alert.get(), athanwin::kClose), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!sound_->isPlaying());
        QCOMPARE(sound_->stops, 1);
        sound_->end();  // a late end of the sound changes nothing
        QCOMPARE(finished.count(), 1);
    }

    void soundFailingLaterIsSaidTheSameWay() {
        auto alert = make(1, 12 * kHour);
        QSignalSpy over(alert.get(), &Athan::soundOver);
        alert->start();
        QCOMPARE(over.count(), 0);
        sound_->end(platform::SoundPlayer::Outcome::failed);
        QCOMPARE(over.count(), 1);
        QCOMPARE(alert->textLines().value(5), QStringLiteral("Could not start sound player!"));
        QVERIFY(alert->isVisible());
    }

    void screenshot() {
        auto alert = make(3, 17 * kHour + 51 * kMinute + 7 * kSecond);
        alert->start();
        QVERIFY(QTest::qWaitForWindowExposed(alert.get()));
        QVERIFY(test::saveScreenshot(alert.get(), "prayer_alert"));
    }
};

QTEST_MAIN(AthanTest)
#include "athan_test.moc"
