#include "platform/qt/qt_file_chooser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace kelmo::platform {

std::optional<std::string> QtFileChooser::chooseFile(const std::string& initialName) {
    // The initial name is a pattern ("*.wav"): it starts the dialog filtered by it, in the
    // current directory, as the Windows open dialog does with such a name.
    const QString pattern = QString::fromStdString(initialName);
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), QDir::currentPath(),
                                                        pattern + ";;*", nullptr);
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();  // the path as the system names it
}

std::optional<std::string> QtFileChooser::chooseSaveFile(const std::string& suggestedName) {
    const QString name = QString::fromStdString(suggestedName);
    const QString pattern = "*." + QFileInfo(name).suffix();
    QWidget* parent = parent_ ? parent_ : QApplication::activeWindow();
    const QString chosen = QFileDialog::getSaveFileName(
        parent, QString(), QDir::current().filePath(name), pattern + ";;*", nullptr);
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();  // the path as the system names it
}

}  // namespace kelmo::platform
