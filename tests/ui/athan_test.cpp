// The prayer alert: its caption and five text lines (weekday, Gregorian and Hijri dates,
// prayer time with seconds, location), error 109 without a window when the sound file is
// missing, closing by itself when the sound ends, Close stopping the sound at once, the
// refusal message, and a picture for review. Manama, Bahrain, 11 March 2024 (a Monday, at
// the turn of Sha'ban and Ramadan 1445).
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "base/angles.h"
#include "hijri/hijri_date.h"
#include "ui/athan.h"
#include "ui/fake_services.h"
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
    std::unique_ptr<test::FakeServices> fakes_;
    std::unique_ptr<test::FakeSoundPlayer> sound_;
    Config config_;
    Location place_ = test::manama();
    CalendarDate date_;

    std::unique_ptr<Athan> make(int prayer, double time) {
        return std::make_unique<Athan>(config_, place_, date_, prayer, time, fakes_->services,
                                       *sound_);
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<test::ProgramDirectory>();
        test::writeDummySound(dir_->path("Athan.wav"));
        fakes_ = std::make_unique<test::FakeServices>();
        sound_ = std::make_unique<test::FakeSoundPlayer>();
        config_ = Config{};
        date_ = CalendarDate{};
        date_.year = 2024;
        date_.month = 3;
        date_.day = 11;
    }

    void captionAndLinesForMaghrib() {
        auto alert = make(3, 17 * kHour + 51 * kMinute + 7 * kSecond);
        QVERIFY(alert->start());
        QCOMPARE(alert->windowTitle(), QStringLiteral("  It is time for Maghrib prayer"));
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

    void missingSoundFileShowsError109AndNoWindow() {
        config_.soundFile = "NoSuch.wav";
        auto alert = make(1, 12 * kHour);
        QVERIFY(!alert->start());
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not open sound file!\t"));
        QVERIFY(!alert->isVisible());
        QVERIFY(sound_->played.empty());
    }

    void absoluteSoundFileIsUsedAsItIs() {
        QTemporaryDir other;
        const std::string path = other.filePath("call.wav").toStdString();
        test::writeDummySound(path);
        config_.soundFile = path;
        auto alert = make(0, 4 * kHour);
        QVERIFY(alert->start());
        QCOMPARE(sound_->played.back(), path);
    }

    // A program folder with letters beyond ASCII ("José"): its path keeps the system's bytes
    // from the command line to the sound player, so the alert finds its sound (no 109).
    void programFolderWithNonAsciiLettersFindsItsSound() {
        dir_ = std::make_unique<test::ProgramDirectory>(QStringLiteral("Jos\u00e9"));
        QCOMPARE(dir_->created(), 0);
        test::writeDummySound(dir_->path("Athan.wav"));
        auto alert = make(1, 12 * kHour);
        QVERIFY(alert->start());
        QVERIFY(fakes_->messages.shown.empty());
        QCOMPARE(sound_->played.back(), dir_->path("Athan.wav"));
        QVERIFY(sound_->played.back().find("Jos\xC3\xA9/") != std::string::npos);
    }

    void closesByItselfWhenTheSoundEnds() {
        auto alert = make(1, 12 * kHour);
        QSignalSpy finished(alert.get(), &QDialog::finished);
        QVERIFY(alert->start());
        QVERIFY(sound_->isPlaying());
        sound_->end();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!alert->isVisible());
        QCOMPARE(sound_->stops, 0);
    }

    void closeStopsTheSoundAtOnceAndNothingFollows() {
        auto alert = make(1, 12 * kHour);
        QSignalSpy finished(alert.get(), &QDialog::finished);
        QVERIFY(alert->start());
        QTest::mouseClick(control<QPushButton>(alert.get(), athanwin::kClose), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!sound_->isPlaying());
        QCOMPARE(sound_->stops, 1);
        sound_->end();  // a late end of the sound changes nothing
        QCOMPARE(finished.count(), 1);
        QVERIFY(fakes_->messages.shown.empty());
    }

    void refusedSoundShowsItsMessageAndTheAlertStaysUntilClose() {
        sound_->refuses = true;
        auto alert = make(1, 12 * kHour);
        QSignalSpy finished(alert.get(), &QDialog::finished);
        QVERIFY(alert->start());
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not start sound player!\t"));
        QVERIFY(alert->isVisible());
        QCOMPARE(finished.count(), 0);
        alert->reject();
        QCOMPARE(finished.count(), 1);
    }

    void soundFailingLaterShowsTheSameMessage() {
        auto alert = make(1, 12 * kHour);
        QVERIFY(alert->start());
        sound_->end(platform::SoundPlayer::Outcome::failed);
        QCOMPARE(fakes_->messages.lastText(), std::string("Could not start sound player!\t"));
        QVERIFY(alert->isVisible());
    }

    void screenshot() {
        auto alert = make(3, 17 * kHour + 51 * kMinute + 7 * kSecond);
        QVERIFY(alert->start());
        QVERIFY(QTest::qWaitForWindowExposed(alert.get()));
        QVERIFY(test::saveScreenshot(alert.get(), "prayer_alert"));
    }
};

QTEST_MAIN(AthanTest)
#include "athan_test.moc"
