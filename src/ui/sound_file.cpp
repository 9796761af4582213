#include "ui/sound_file.h"

#include <QFileInfo>

#include "files/program_path.h"
#include "ui/text_edge.h"

namespace kelmo::ui {

std::string soundFilePath(const std::string& name) {
    if (name.empty() || QFileInfo(toWidget(name)).isAbsolute()) return name;
    return programPath(name);
}

bool canReadSoundFile(const std::string& path) {
    const QFileInfo file(toWidget(path));
    return file.isFile() && file.isReadable();
}

}  // namespace kelmo::ui
