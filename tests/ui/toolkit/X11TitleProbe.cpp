// SPDX-License-Identifier: MIT
// Run under a real X server (Xvfb) by WindowCaptionTest: shows windows with empty and
// non-empty captions and prints what their X11 title properties hold.

#include "ui/toolkit/Dialog.h"
#include "ui/toolkit/WindowCaption.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

struct NativeTitle {
    QByteArray netWmName; // _NET_WM_NAME, UTF-8
    QByteArray wmName;    // WM_NAME
};

// The title properties as the window manager reads them; nullopt before the window exists.
std::optional<NativeTitle> ReadNativeTitle(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 == nullptr ? nullptr : x11->connection();
    if (connection == nullptr || window.windowHandle() == nullptr ||
        window.windowHandle()->handle() == nullptr) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    const auto atom = [connection](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name),
            nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    };
    const auto read = [connection, id](xcb_atom_t property) {
        QByteArray value;
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, id, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 4096),
            nullptr);
        if (reply != nullptr) {
            value = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
            std::free(reply);
        }
        return value;
    };
    return NativeTitle{read(atom("_NET_WM_NAME")), read(XCB_ATOM_WM_NAME)};
}

void Report(const char* what, const QWidget& window) {
    QApplication::processEvents();
    const auto title = ReadNativeTitle(window);
    if (!title) {
        std::printf("%s unavailable\n", what);
    } else if (title->netWmName.isEmpty() && title->wmName.isEmpty()) {
        std::printf("%s net=0 wm=0\n", what);
    } else if (title->wmName.isEmpty()) {
        std::printf("%s net=%s wm=0\n", what, title->netWmName.constData());
    } else {
        std::printf("%s net=%s\n", what, title->netWmName.constData());
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
        std::printf("not on X11 but %s\n", qPrintable(QGuiApplication::platformName()));
        return 1;
    }

    tp::ui::Dialog dialog;
    dialog.setFixedSize(187, 59);
    tp::ui::SetCaption(dialog, QString());
    dialog.show();
    Report("dialog-empty", dialog);

    tp::ui::SetCaption(dialog, QStringLiteral("交易"));
    Report("dialog-named", dialog);

    tp::ui::SetCaption(dialog, QString());
    Report("dialog-retitled-empty", dialog);
    dialog.hide();

    QTimer::singleShot(200, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            Report("messagebox-empty", *box);
            box->close();
        }
    });
    QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("钱不够"));
    tp::ui::SetCaption(box, QString());
    box.exec();
    return 0;
}
