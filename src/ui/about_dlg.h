// The "About" box of the main window: the icon, the program's name and version, OK.
#pragma once

#include <QDialog>

namespace kelmo::ui {

inline constexpr const char* kVersionLine = "KelmoTimes Version 2.8";

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace kelmo::ui
