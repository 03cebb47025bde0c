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

namespace tp::ui {

namespace {

xcb_connection_t* X11Connection() {
    auto* app = qGuiApp;
    if (app == nullptr) {
        return nullptr;
    }
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto length = static_cast<uint16_t>(qstrlen(name));
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, length, name), nullptr);
    if (reply == nullptr) {
        return XCB_ATOM_NONE;
    }
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

bool HasNativeWindow(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr && handle->handle() != nullptr;
}

void ClearNativeTitle(QWidget& window) {
    xcb_connection_t* connection = X11Connection();
    if (connection == nullptr || !HasNativeWindow(window)) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t netWmName = Atom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
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
        if (watched == &window_ && window_.windowTitle().isEmpty()) {
            switch (event->type()) {
            case QEvent::Show:
            case QEvent::WinIdChange:
            case QEvent::WindowTitleChange:
                ClearNativeTitle(window_);
                break;
            default:
                break;
            }
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
