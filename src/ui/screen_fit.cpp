#include "ui/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kelmo::ui {

QSize clientSizeWithin(QSize wanted, const QMargins& frame, const QRect& available) {
    const QSize room = available.size().shrunkBy(frame);
    return wanted.boundedTo(room).expandedTo(QSize(1, 1));
}

QPoint framePositionWithin(QPoint wanted, QSize frameSize, const QRect& available) {
    const int lastX = std::max(available.left(), available.right() + 1 - frameSize.width());
    const int lastY = std::max(available.top(), available.bottom() + 1 - frameSize.height());
    return {std::clamp(wanted.x(), available.left(), lastX),
            std::clamp(wanted.y(), available.top(), lastY)};
}

namespace {

QMargins framing(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

}  // namespace

QMargins decorationOf(const QWidget* window, const QWidget* reference) {
    if (window->isVisible() && window->frameGeometry() != window->geometry())
        return framing(window);
    if (reference != nullptr && reference->isVisible()) return framing(reference->window());
    return {};
}

QRect availableArea(const QWidget* window, const QWidget* reference) {
    const QScreen* screen =
        window->isVisible() || reference == nullptr ? window->screen() : reference->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry()
                             : QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void resizeWithinScreen(QWidget* window, QSize wanted, const QWidget* reference) {
    const QSize size =
        clientSizeWithin(wanted, decorationOf(window, reference), availableArea(window, reference));
    window->resize(size);
}

}  // namespace kelmo::ui
