// Renders the application icon, drawn by the program itself (ui/earth_picture.h), into the
// hicolor icon theme's folders: one SVG for every size and PNG pictures at the sizes desktops
// ask for, so that the launcher's icon is the icon the windows show.
// Usage: kelmo_render_icons OUTPUT_FOLDER  (writes OUTPUT_FOLDER/hicolor/...)
// Source: the freedesktop.org icon theme rules, version 0.13 (the hicolor folders).
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "platform/desktop_notifier.h"
#include "ui/earth_picture.h"

namespace {

constexpr int kPngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool renderPng(const QString& root, int size) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    kelmo::ui::paintApplicationIcon(painter, size);
    painter.end();
    return QDir().mkpath(folder) &&
           image.save(folder + "/" + kelmo::platform::kDesktopFileId + ".png", "PNG");
}

bool renderSvg(const QString& root) {
    const QString folder = root + "/hicolor/scalable/apps";
    if (!QDir().mkpath(folder)) return false;
    QSvgGenerator svg;
    svg.setFileName(folder + "/" + kelmo::platform::kDesktopFileId + ".svg");
    const int size = static_cast<int>(kelmo::ui::kIconDesignSize);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle("KelmoTimes");
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    kelmo::ui::paintApplicationIcon(painter, size);
    return painter.end();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kelmo_render_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    bool ok = renderSvg(root);
    for (const int size : kPngSizes) ok = renderPng(root, size) && ok;
    if (!ok) std::fprintf(stderr, "kelmo_render_icons: could not write below %s\n", argv[1]);
    return ok ? 0 : 1;
}
