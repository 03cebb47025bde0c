// SPDX-License-Identifier: MIT
// Run under a real X server (Xvfb) by WindowCaptionTest: shows windows with empty and
// non-empty captions and prints what their X11 title properties hold.

#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/GameDialog.h"
#include "ui/toolkit/MessageBoxes.h"
#include "ui/toolkit/WindowCaption.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

void Report(const char* what, const QWidget& window) {
    QApplication::processEvents();
    const auto title = tp::ui::ReadNativeTitle(window);
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

    tp::ui::GameDialog dialog;
    dialog.SetClientSize(187, 59);
    dialog.SetCaption(QString());
    dialog.show();
    Report("dialog-empty", dialog);

    dialog.SetCaption(QStringLiteral("交易"));
    Report("dialog-named", dialog);

    dialog.SetCaption(QString());
    Report("dialog-retitled-empty", dialog);
    dialog.hide();

    QTimer::singleShot(200, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            Report("messagebox-empty", *box);
            box->close();
        }
    });
    tp::ui::EndOfRun endOfRun;
    tp::ui::MessageBoxes(endOfRun, nullptr).MessageBox(QStringLiteral("钱不够"), QString());
    return 0;
}
