#include "ui/program_file.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "files/settings/program_path.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

std::string ownProgramFile() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return programPath(pathFromWidget(name.isEmpty() ? QStringLiteral("Kelmo") : name));
}

}  // namespace kelmo::ui
