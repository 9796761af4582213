#include "ui/today_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "calendar/place_zone.h"
#include "calendar/row_time.h"
#include "prayer/next_prayer.h"
#include "prayer/school_of_law.h"
#include "ui/text_edge.h"
#include "ui/today_texts.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kMillisecondsPerSecond = 1000;
constexpr int kTickMarginMs = 5;  // wake just after the count-down's second has turned

QLabel* namedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

void setBold(QLabel* label, bool bold) {
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

}  // namespace

TodayPanel::TodayPanel(const Location& place, const Config& config, const platform::Clock& clock,
                       QWidget* parent)
    : QGroupBox(tr("Today"), parent), place_(place), config_(config), clock_(clock) {
    buildLayout();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TodayPanel::tick);
    refresh();
}

void TodayPanel::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    placeLabel_ = namedLabel(today::kPlace, this);
    setBold(placeLabel_, true);
    civilLabel_ = namedLabel(today::kCivilDate, this);
    hijriLabel_ = namedLabel(today::kHijriDate, this);
    for (QLabel* label : {placeLabel_, civilLabel_, hijriLabel_}) layout->addWidget(label);
    auto* grid = new QGridLayout;
    for (std::size_t slot = 0; slot < kPrayerSlotCount; ++slot) {
        const QString number = QString::number(slot);
        names_[slot] = namedLabel(today::kNamePrefix + number, this);
        names_[slot]->setText(slotName(static_cast<PrayerSlot>(slot)));
        times_[slot] = namedLabel(today::kTimePrefix + number, this);
        times_[slot]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(names_[slot], static_cast<int>(slot), 0);
        grid->addWidget(times_[slot], static_cast<int>(slot), 1);
    }
    layout->addLayout(grid);
    countDownLabel_ = namedLabel(today::kCountDown, this);
    layout->addWidget(countDownLabel_);
    layout->addStretch(1);
}

void TodayPanel::refresh() {
    const ZoneLookup lookup = zoneOfPlace(place_);
    zone_ = lookup.zone;
    if (!zone_) {
        timer_.stop();
        showZoneError(zoneErrorText(place_.zone, lookup.error));
        return;
    }
    schedule_ = todaySchedule(place_, *zone_, config_, clock_.now());
    showSchedule();
    tick();
}

void TodayPanel::tick() {
    if (!zone_) return;
    const Instant now = clock_.now();
    if (!isCurrent(schedule_, now)) {
        schedule_ = todaySchedule(place_, *zone_, config_, now);
        showSchedule();
    }
    const double left = secondsUntilNext(schedule_, now);
    showCountDown(left);
    // The count-down shows whole seconds rounded up: it turns when the time left reaches the
    // whole second below.
    const double fraction = left - std::floor(left);
    const double wait = fraction > 0.0 ? fraction : 1.0;
    timer_.start(static_cast<int>(wait * kMillisecondsPerSecond) + kTickMarginMs);
}

void TodayPanel::showSchedule() {
    placeLabel_->setText(toWidget(place_.name));
    civilLabel_->setText(civilDateText(schedule_.date));
    hijriLabel_->setText(hijriDateText(schedule_.date));
    const std::vector<PrayerSlot> shown = shownSlots(config_.fiqh);
    for (std::size_t slot = 0; slot < kPrayerSlotCount; ++slot) {
        const auto s = static_cast<PrayerSlot>(slot);
        const bool visible = std::find(shown.begin(), shown.end(), s) != shown.end();
        names_[slot]->setVisible(visible);
        times_[slot]->setVisible(visible);
        const RowTime time = rowTime(schedule_.prayers[s], *zone_, schedule_.date);
        times_[slot]->setText(scheduleTimeText(config_, s, time));
        // Marked when it is this day's own prayer (not tomorrow's of the same slot).
        const bool next = schedule_.nextSlot == static_cast<int>(slot) &&
                          schedule_.prayers[s].instant() == schedule_.nextAt;
        setBold(names_[slot], next);
        setBold(times_[slot], next);
    }
}

void TodayPanel::showZoneError(const std::string& text) {
    placeLabel_->setText(toWidget(place_.name));
    civilLabel_->setText(toWidget(text));
    hijriLabel_->clear();
    for (std::size_t slot = 0; slot < kPrayerSlotCount; ++slot) {
        names_[slot]->hide();
        times_[slot]->hide();
    }
    countDownLabel_->clear();
}

void TodayPanel::showCountDown(double secondsLeft) {
    if (schedule_.nextSlot < 0) {
        countDownLabel_->clear();
        return;
    }
    const QString prayer = slotPrayerWord(schedule_.nextSlot);
    const QString left = countDownText(secondsLeft);
    countDownLabel_->setText(schedule_.nextIsTomorrow ? tr("%1 tomorrow in %2").arg(prayer, left)
                                                      : tr("%1 in %2").arg(prayer, left));
}

}  // namespace kelmo::ui
