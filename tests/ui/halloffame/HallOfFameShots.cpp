// SPDX-License-Identifier: MIT
// Draws the hall-of-fame window into PNG files, to look at it as a player would:
//   QT_QPA_PLATFORM=offscreen tp_halloffame_shots DIR
// writes DIR/after-run.png (this run ranked 3rd, a hostile name at the top, the chart),
// DIR/below-ten.png (this run 37th, under the table) and DIR/scores.png (the table alone).

#include "app/GameFaces.h"
#include "tests/ui/halloffame/WindowTestData.h"
#include "ui/GameFonts.h"
#include "ui/halloffame/HallOfFameWindow.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

bool Save(QWidget& window, const QString& path) {
    window.show();
    // The offscreen screen is small at scale 2; a player's screen has room for the whole window.
    window.resize(window.sizeHint());
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    std::fprintf(stdout, "%s %dx%d%s\n", qPrintable(path), window.width(), window.height(),
                 saved ? "" : " NOT SAVED");
    window.close();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    const QDir out(args.size() > 1 ? args.at(1) : QStringLiteral("."));
    tp::app::InstallGameFaces();
    tp::ui::SetDefaultGameFont();
    using namespace tp::ui::fametest;

    QList<tp::halloffame::Entry> ranked = Ranked(14);
    ranked.prepend(Entry(HostileName(), 999999, 4242424242u));
    const tp::halloffame::Entry mine = Entry(QStringLiteral("小二黑"), 830000, 20261208, 0);
    ranked.insert(2, mine);
    bool ok = true;
    {
        tp::ui::HallOfFameWindow window(ranked, tp::ui::ThisRun{mine, 3, Worth()});
        ok = Save(window, out.filePath(QStringLiteral("after-run.png"))) && ok;
    }
    {
        const tp::halloffame::Entry late = Entry(QStringLiteral("路人甲"), -3200, 77, 3000);
        std::vector<std::int64_t> worth;
        for (int day = 1; day <= 61; ++day) {
            worth.push_back(-1000 - 40 * day + (day % 7) * 150);
        }
        tp::ui::HallOfFameWindow window(
            ranked, tp::ui::ThisRun{late, 37, worth},
            QStringLiteral("本次成绩未能保存：保存排行榜的文件夹不可写。"
                           "以前的记录没有改动。"));
        ok = Save(window, out.filePath(QStringLiteral("below-ten.png"))) && ok;
    }
    {
        tp::ui::HallOfFameWindow window(ranked);
        ok = Save(window, out.filePath(QStringLiteral("scores.png"))) && ok;
    }
    return ok ? 0 : 1;
}
