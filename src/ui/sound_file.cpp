#include "ui/sound_file.h"

#include <QFileInfo>

#include "platform/user_folders.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

std::string soundFilePath(const std::string& name) {
    if (name.empty() || QFileInfo(pathToWidget(name)).isAbsolute()) return name;
    return platform::dataFilePath(name);
}

bool canReadSoundFile(const std::string& path) {
    const QFileInfo file(pathToWidget(path));
    return file.isFile() && file.isReadable();
}

}  // namespace kelmo::ui
