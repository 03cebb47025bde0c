#include "app/Options.h"
#include "app/WindowSet.h"
#include "runtime/Random.h"
#include "ui/pictures/Icons.h"
#include "ui/toolkit/Fonts.h"

#include <QApplication>

#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(TP_VERSION));
    // Lets a desktop match the window to its menu entry (its icon and name) where the window
    // class alone does not, as under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tidepeddler.TidePeddler"));

    const tp::app::Options options = tp::app::ParseOptions(QApplication::arguments());
    switch (options.action) {
    case tp::app::Options::Action::ShowHelp:
        Print(stdout, options.helpText);
        return 0;
    case tp::app::Options::Action::ShowVersion:
        Print(stdout, QStringLiteral("tidepeddler %1\n").arg(QApplication::applicationVersion()));
        return 0;
    case tp::app::Options::Action::Fail:
        Print(stderr, QStringLiteral("tidepeddler: %1\n\n%2").arg(options.error, options.helpText));
        return 2;
    case tp::app::Options::Action::Play:
        break;
    }

    tp::ui::InstallFontSubstitutes();
    tp::ui::SetDefaultGameFont();
    QApplication::setWindowIcon(tp::ui::WindowIcon());
    tp::runtime::Random random;
    tp::app::WindowSet windows(random, options.seed);
    windows.Show();
    QApplication::exec();
    windows.ShowHallOfFameAfterRun();
    return 0;
}
