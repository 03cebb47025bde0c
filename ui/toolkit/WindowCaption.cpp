// SPDX-License-Identifier: MIT
#include "ui/toolkit/WindowCaption.h"

#include <QEvent>
#include <QGuiApplication>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace tp::ui {

namespace {

void ClearNativeTitle(QWidget& window) {
    auto* x11 = qGuiApp == nullptr ? nullptr
                                   : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers for X11 too, without a connection.
    xcb_connection_t* connection = x11 == nullptr ? nullptr : x11->connection();
    if (connection == nullptr || window.windowHandle() == nullptr ||
        window.windowHandle()->handle() == nullptr) {
        return;
    }
    const auto atom = [connection](const char* name) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(
                connection,
                xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name),
                nullptr),
            &std::free);
        return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmName = atom("_NET_WM_NAME");
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    if (netWmName != XCB_ATOM_NONE && utf8 != XCB_ATOM_NONE) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, netWmName, utf8, 8, 0, nullptr);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        0, nullptr);
    xcb_flush(connection);
}

// Qt writes the fallback title when the native window is created and on every title change,
// so an empty title is cleared again after each of those.
class EmptyTitleKeeper : public QObject {
public:
    explicit EmptyTitleKeeper(QWidget& window) : QObject(&window), window_(window) {
        setObjectName(QStringLiteral("tp_empty_title_keeper"));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == &window_ && window_.windowTitle().isEmpty() &&
            (type == QEvent::Show || type == QEvent::WinIdChange ||
             type == QEvent::WindowTitleChange)) {
            ClearNativeTitle(window_);
        }
        return false;
    }

private:
    QWidget& window_;
};

} // namespace

void SetCaption(QWidget& window, const QString& caption) {
    if (window.findChild<EmptyTitleKeeper*>(QStringLiteral("tp_empty_title_keeper"),
                                            Qt::FindDirectChildrenOnly) == nullptr) {
        new EmptyTitleKeeper(window);
    }
    window.setWindowTitle(caption);
    if (caption.isEmpty()) {
        ClearNativeTitle(window);
    }
}

} // namespace tp::ui
