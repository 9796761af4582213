// Shared helpers of the window tests: the places of support/places.h, a program directory with the
// built-in Kelmo.cfg, and reaching controls by id.
#pragma once

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "base/location.h"
#include "files/settings/config_file.h"
#include "files/settings/program_path.h"
#include "support/places.h"
#include "ui/dialog_template.h"
#include "ui/text_edge.h"

namespace kelmo::test {

// A program directory in a temporary folder holding the built-in Kelmo.cfg; below it in a
// folder of the given name (whose path then keeps the system's bytes, UTF-8 here).
class ProgramDirectory {
  public:
    explicit ProgramDirectory(const QString& below = {}) {
        const QString folder = below.isEmpty() ? folder_.path() : folder_.filePath(below);
        QDir().mkpath(folder);
        const std::string dir = ui::pathFromWidget(folder) + "/";
        setProgramDir(dir + "Kelmo", "");
        Location home;
        Config config;
        created_ = createDefaultConfig(home, config);
    }
    std::string path(const std::string& name) const { return programPath(name); }
    int created() const { return created_; }

  private:
    QTemporaryDir folder_;
    int created_ = -1;
};

inline QLineEdit* editOf(const QWidget* dialog, int id) {
    return ui::control<QLineEdit>(dialog, id);
}
inline QComboBox* listOf(const QWidget* dialog, int id) {
    return ui::control<QComboBox>(dialog, id);
}
// Clicks a control; radio buttons and check boxes near their left edge, where the mark is.
inline void click(const QWidget* dialog, int id) {
    QWidget* widget = ui::controlById(dialog, id);
    const bool marked = widget->inherits("QRadioButton") || widget->inherits("QCheckBox");
    const QPoint where = marked ? QPoint(6, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, where);
}
// Saves a picture as "screenshots/<name>.png" in the build tree.
inline bool saveScreenshot(const QImage& picture, const QString& name) {
    return QDir().mkpath("screenshots") && picture.save("screenshots/" + name + ".png");
}
// The same with a picture of the window.
inline bool saveScreenshot(QWidget* window, const QString& name) {
    return QDir().mkpath("screenshots") && window->grab().save("screenshots/" + name + ".png");
}
inline void type(const QWidget* dialog, int id, const QString& text) {
    QLineEdit* edit = editOf(dialog, id);
    edit->clear();
    QTest::keyClicks(edit, text);
}

}  // namespace kelmo::test
