// The template helpers: dialog units, the integer reading of the field check, tooltip lines
// and the message box's tab stops.
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "platform/qt/message_dialog.h"
#include "ui/data_exchange.h"
#include "ui/dialog_template.h"
#include "ui/dialog_units.h"
#include "ui/fake_services.h"

using namespace kelmo;
using namespace kelmo::ui;

class DialogUnitsTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void unitsAreQuartersAndEighthsOfTheAverageCharacter() {
        const DialogUnits units(dialogFont());
        QVERIFY(units.baseWidth() > 2 && units.baseHeight() > units.baseWidth());
        QCOMPARE(units.x(4), units.baseWidth());
        QCOMPARE(units.y(8), units.baseHeight());
        QCOMPARE(units.x(400), 100 * units.baseWidth());
        // Rounded to the nearest pixel, as MulDiv does, also below zero.
        QCOMPARE(units.x(2), (2 * units.baseWidth() + 2) / 4);
        QCOMPARE(units.x(-2), -units.x(2));
        QCOMPARE(units.rect(8, 16, 4, 8), QRect(2 * units.baseWidth(), 2 * units.baseHeight(),
                                                units.baseWidth(), units.baseHeight()));
        // A wider font gives wider units.
        QFont large = dialogFont();
        large.setPointSize(16);
        QVERIFY(DialogUnits(large).baseWidth() > units.baseWidth());
    }

    void integersAreReadAsTheDialogFrameworkReadsThem() {
        int value = 0;
        QVERIFY(parseDialogInteger(" 12 ", value) && value == 12);
        QVERIFY(parseDialogInteger("+5", value) && value == 5);
        QVERIFY(parseDialogInteger("-2000", value) && value == -2000);
        // Digits as an Arabic or Persian keyboard types them.
        QVERIFY(parseDialogInteger(QString::fromUtf8("\u0661\u0664\u0664\u0665"), value) &&
                value == 1445);
        QVERIFY(parseDialogInteger(QString::fromUtf8("-\u06f2\u06f0"), value) && value == -20);
        for (const char* bad :
             {"", " ", "-", "+", "1.5", "12a", "a12", "1 2", "99999999999", "+-5", "0x10"})
            QVERIFY2(!parseDialogInteger(bad, value), bad);
    }

    void theFirstFailingFieldShowsItsMessageAndTakesTheFocus() {
        test::RecordingMessageBox messages;
        DataExchange dx(messages);
        QWidget window;
        auto* edit = new QLineEdit("31", &window);
        int value = 7;
        QVERIFY(!dx.integer(edit, 1, 30, value));
        QCOMPARE(value, 7);  // unchanged on failure
        QCOMPARE(messages.lastText(), std::string("Enter an integer between 1 and 30."));
        QCOMPARE(messages.shown.back().caption, std::string("KelmoTimes"));
        QCOMPARE(window.focusWidget(), edit);
        edit->setText(QString::fromUtf8("Caf\u00e9"));
        std::string text;
        QVERIFY(dx.text(edit, 4, text));
        QCOMPARE(text, std::string("Caf\u00e9"));  // UTF-8 inside the program, 4 characters
        QVERIFY(!dx.text(edit, 3, text));
        QCOMPARE(messages.lastText(), std::string("Enter no more than 3 characters."));
    }

    void tooltipsAreBrokenIntoLinesOfAtMost200Pixels() {
        QWidget widget;
        const QString text =
            "Set the number of correcting seconds. The correcting seconds are the seconds added "
            "or subtracted from prayer times to compensate for eventual errors in calculation";
        setTip(&widget, text);
        const QStringList lines = widget.toolTip().split('\n');
        QVERIFY(lines.size() > 1);
        QCOMPARE(lines.join(' '), text);
        const QFontMetrics metrics(QToolTip::font());
        for (const QString& line : lines) QVERIFY(metrics.horizontalAdvance(line) <= kTipWidth);
    }

    void messageTextTabsStopEveryEightAverageCharacters() {
        platform::TabbedText text("a\tb\n\t\tFajr \t\t05:12");
        const int stop = 8 * text.fontMetrics().averageCharWidth();
        QCOMPARE(text.tabStop(), stop);
        // The width of the longest line: two tabs, "Fajr ", two tabs, the time.
        QVERIFY(text.sizeHint().width() >= 4 * stop);
        platform::MessageDialog box("Could not open configuration file!\t", "KelmoTimes", true);
        QCOMPARE(box.windowTitle(), QString("KelmoTimes"));
        QVERIFY(box.okButton()->isDefault());
        QVERIFY(box.cancelButton() != nullptr);
        QCOMPARE(box.text(), QString("Could not open configuration file!\t"));  // TAB kept
    }

    // A box with a short text is still wide enough for its caption: on Xvfb with openbox, a
    // 175-pixel box showed "KelmoTimes" as "Kel... mes", so the title bar's icon, buttons
    // and padding take more than 100 pixels besides the caption's own (bold) width.
    void aShortBoxShowsItsWholeCaption() {
        for (const char* caption : {"KelmoTimes", " Kelmo Timer"}) {
            platform::MessageDialog box("Failed to launch help.", caption, false);
            box.show();
            QFont bold = box.font();
            bold.setBold(true);
            const int captionWidth = QFontMetrics(bold).horizontalAdvance(caption);
            QVERIFY2(box.width() >= captionWidth + 120, caption);
        }
    }
};

QTEST_MAIN(DialogUnitsTest)
#include "dialog_units_test.moc"
