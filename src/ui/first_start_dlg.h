// The first start's dialog, shown when there is no Kelmo.cfg: the home place, picked from the
// built-in places (searchable, the one nearest the computer's time zone selected) or entered
// as a new place, and the school of law. Cancel keeps the built-in settings.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "base/config.h"
#include "base/location.h"
#include "files/settings/prompt.h"
#include "platform/message_box.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QVBoxLayout;

namespace kelmo::ui {

namespace firststart {
inline constexpr const char* kSearch = "search";
inline constexpr const char* kPlaces = "places";
inline constexpr const char* kListPlace = "listPlace";
inline constexpr const char* kNewPlace = "newPlace";
inline constexpr const char* kName = "name";
inline constexpr const char* kLatitude = "latitude";
inline constexpr const char* kLongitude = "longitude";
inline constexpr const char* kZone = "zone";
inline constexpr const char* kSchool = "school";
inline constexpr const char* kMethod = "method";
}  // namespace firststart

class FirstStartDlg : public QDialog {
    Q_OBJECT
  public:
    // places: the list offered, suggested the index selected at first; defaults give the
    // school selected at first; computerZone the zone offered for a new place; year the year
    // whose law of that zone a new place takes.
    FirstStartDlg(const std::vector<Location>& places, std::size_t suggested,
                  const Config& defaults, const std::string& computerZone, int year,
                  platform::MessageBox& messages, QWidget* parent = nullptr);

    // The answer: chosen after OK, cancelled otherwise.
    FirstStartChoice choice() const { return choice_; }

  public Q_SLOTS:
    void accept() override;  // checks a new place's fields, then closes

  private:
    void buildLayout(const std::string& computerZone);
    void buildPlaceList(QVBoxLayout* layout);
    void buildNewPlace(QVBoxLayout* layout, const std::string& computerZone);
    void filterPlaces(const QString& text);
    bool readNewPlace(Location& place);

    const std::vector<Location>& places_;
    int year_;
    platform::MessageBox& messages_;
    FirstStartChoice choice_;
    QRadioButton* listPlace_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QDoubleSpinBox* latitude_ = nullptr;
    QDoubleSpinBox* longitude_ = nullptr;
    QComboBox* zone_ = nullptr;
    QComboBox* school_ = nullptr;
    QComboBox* method_ = nullptr;
};

}  // namespace kelmo::ui
