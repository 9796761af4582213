#include "ui/first_start_dlg.h"

#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/angles.h"
#include "calendar/names.h"
#include "calendar/time_zone_database.h"
#include "calendar/zone_rules.h"
#include "prayer/calculation_methods.h"
#include "ui/data_exchange.h"
#include "ui/error_box.h"
#include "ui/text_edge.h"
#include "ui/window_words.h"

namespace kelmo::ui {

namespace {

constexpr int kCoordinateDecimals = 4;
constexpr double kMaxLatitude = 90.0, kMaxLongitude = 180.0;
constexpr const char* kIntro = QT_TRANSLATE_NOOP(
    "kelmo::ui::FirstStartDlg",
    "Choose the place whose prayer times you want and your school of law. The Location and "
    "Configuration buttons of the main window change them later.");

QDoubleSpinBox* degrees(const char* name, double limit, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-limit, limit);
    box->setDecimals(kCoordinateDecimals);
    box->setSuffix(QString::fromUtf8("\u00b0"));
    return box;
}

bool sameName(const std::string& a, const std::string& b) {
    return QString::compare(toWidget(a), toWidget(b), Qt::CaseInsensitive) == 0;
}

// Says why a field is refused and puts the focus on it.
bool refuse(platform::MessageBox& messages, QWidget* field, const QString& text) {
    say(messages, text);
    field->setFocus();
    return false;
}

}  // namespace

FirstStartDlg::FirstStartDlg(const std::vector<Location>& places, std::size_t suggested,
                             const Config& defaults, const std::string& computerZone, int year,
                             platform::MessageBox& messages, QWidget* parent)
    : QDialog(parent), places_(places), year_(year), messages_(messages) {
    choice_.answer = FirstStartChoice::Answer::cancelled;
    setWindowTitle(tr("Welcome to KelmoTimes"));
    buildLayout(computerZone);
    for (const Location& place : places) list_->addItem(toWidget(place.name));
    list_->setCurrentRow(static_cast<int>(std::min(suggested, places.size() - 1)));
    list_->scrollToItem(list_->currentItem(), QAbstractItemView::PositionAtCenter);
    school_->setCurrentIndex(defaults.fiqh);
    search_->setFocus();  // typing searches at once
}

void FirstStartDlg::buildLayout(const std::string& computerZone) {
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr(kIntro), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    buildPlaceList(layout);
    buildNewPlace(layout, computerZone);
    auto* schoolForm = new QFormLayout;
    school_ = new QComboBox(this);
    school_->setObjectName(firststart::kSchool);
    for (const char* school : windowWords().fiqhs) school_->addItem(shownWord(school));
    schoolForm->addRow(tr("School of law"), school_);
    method_ = new QComboBox(this);
    method_->setObjectName(firststart::kMethod);
    for (const CalculationMethod& m : calculationMethods()) method_->addItem(m.name);
    schoolForm->addRow(tr("Calculation method"), method_);
    layout->addLayout(schoolForm);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FirstStartDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FirstStartDlg::buildPlaceList(QVBoxLayout* layout) {
    listPlace_ = new QRadioButton(tr("A place of the list"), this);
    listPlace_->setObjectName(firststart::kListPlace);
    listPlace_->setChecked(true);
    search_ = new QLineEdit(this);
    search_->setObjectName(firststart::kSearch);
    search_->setPlaceholderText(tr("Search"));
    search_->setClearButtonEnabled(true);
    list_ = new QListWidget(this);
    list_->setObjectName(firststart::kPlaces);
    connect(search_, &QLineEdit::textChanged, this, &FirstStartDlg::filterPlaces);
    connect(list_, &QListWidget::itemActivated, this, &FirstStartDlg::accept);  // double click
    for (QWidget* w : std::initializer_list<QWidget*>{listPlace_, search_, list_})
        layout->addWidget(w);
}

void FirstStartDlg::buildNewPlace(QVBoxLayout* layout, const std::string& computerZone) {
    auto* newPlace = new QRadioButton(tr("A new place"), this);
    newPlace->setObjectName(firststart::kNewPlace);
    layout->addWidget(newPlace);
    auto* fields = new QWidget(this);
    auto* form = new QFormLayout(fields);
    name_ = new QLineEdit(fields);
    name_->setObjectName(firststart::kName);
    name_->setPlaceholderText(tr("City,Country"));
    latitude_ = degrees(firststart::kLatitude, kMaxLatitude, fields);
    longitude_ = degrees(firststart::kLongitude, kMaxLongitude, fields);
    // The zones of the database, searched by any part of the name as typed.
    zone_ = new QComboBox(fields);
    zone_->setObjectName(firststart::kZone);
    for (const std::string& zone : zoneNames()) zone_->addItem(QString::fromStdString(zone));
    zone_->setEditable(true);
    zone_->setInsertPolicy(QComboBox::NoInsert);
    zone_->completer()->setFilterMode(Qt::MatchContains);
    zone_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    zone_->setCurrentText(QString::fromStdString(computerZone));
    form->addRow(tr("Name"), name_);
    form->addRow(tr("Latitude (north +)"), latitude_);
    form->addRow(tr("Longitude (east +)"), longitude_);
    form->addRow(tr("Time zone"), zone_);
    fields->setEnabled(false);
    connect(newPlace, &QRadioButton::toggled, fields, &QWidget::setEnabled);
    connect(newPlace, &QRadioButton::toggled, list_, &QWidget::setDisabled);
    connect(newPlace, &QRadioButton::toggled, search_, &QWidget::setDisabled);
    layout->addWidget(fields);
}

void FirstStartDlg::filterPlaces(const QString& text) {
    QListWidgetItem* firstShown = nullptr;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        item->setHidden(!item->text().contains(text.trimmed(), Qt::CaseInsensitive));
        if (firstShown == nullptr && !item->isHidden()) firstShown = item;
    }
    if (list_->currentItem() == nullptr || list_->currentItem()->isHidden())
        list_->setCurrentItem(firstShown);
}

bool FirstStartDlg::readNewPlace(Location& place) {
    DataExchange dx(messages_);
    if (!dx.text(name_, static_cast<int>(Location::kNameLength), place.name)) return false;
    if (place.name.empty()) return refuse(messages_, name_, tr("Enter the name of the new place."));
    const bool listed = std::any_of(places_.begin(), places_.end(), [&](const Location& l) {
        return sameName(l.name, place.name);
    });
    if (listed) return refuse(messages_, name_, tr("This place is in the list: choose it there."));
    place.zone = zone_->currentText().trimmed().toStdString();
    const FixedZoneRules law = fixedRulesOfZone(place.zone, year_);
    if (!law.known) return refuse(messages_, zone_, tr("Choose a time zone of the list."));
    applyZoneLaw(law, place);
    place.latitude = latitude_->value() * kDegToRad;
    place.longitude = longitude_->value() * kDegToRad;
    return true;
}

void FirstStartDlg::accept() {
    FirstStartChoice choice;
    choice.answer = FirstStartChoice::Answer::chosen;
    choice.fiqh = school_->currentIndex();
    choice.method = method_->currentIndex();
    if (listPlace_->isChecked()) {
        const int row = list_->currentRow();
        if (row < 0 || list_->item(row)->isHidden()) {
            refuse(messages_, search_, tr("Choose a place of the list."));
            return;
        }
        choice.place = places_[static_cast<std::size_t>(row)];
    } else {
        choice.newPlace = true;
        if (!readNewPlace(choice.place)) return;
    }
    choice_ = choice;
    QDialog::accept();
}

}  // namespace kelmo::ui
