// SPDX-License-Identifier: MIT
// Draws every window and panel of the game into PNG files, to look at them as a player would and
// to hold two versions of the code against each other pixel for pixel:
//   QT_QPA_PLATFORM=offscreen [LANGUAGE=en] [QT_SCALE_FACTOR=2] tp_window_shots DIR
// take-shots.sh runs it in each language at 100 % and 200 %.

#include "app/Language.h"
#include "app/WindowSet.h"
#include "journey/JournalArchive.h"
#include "runtime/Random.h"
#include "tests/game/FakeView.h"
#include "tests/ui/halloffame/WindowTestData.h"
#include "ui/GameFonts.h"
#include "ui/JourneyQuestion.h"
#include "ui/MainWindow.h"
#include "ui/StatisticsWindow.h"
#include "ui/halloffame/HallOfFameWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <functional>
#include <vector>

namespace {

bool failed = false;

bool Save(QWidget& window, const QDir& out, const QString& name) {
    QApplication::processEvents();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    std::fprintf(stdout, "%s %dx%d%s\n", qPrintable(path), window.width(), window.height(),
                 saved ? "" : " NOT SAVED");
    failed = failed || !saved;
    return saved;
}

// Answers the modal windows as they open, in order: each is drawn under its name, then answered.
class Modals : public QObject {
public:
    using Answer = std::function<void(QWidget& window)>;

    explicit Modals(const QDir& out) : out_(out) {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(1);
    }
    ~Modals() override {
        if (!expected_.empty()) {
            std::fprintf(stderr, "never opened: %s\n", qPrintable(expected_.front().name));
            failed = true;
        }
    }

    void Expect(const QString& name, Answer answer = Close) {
        expected_.push_back({name, std::move(answer)});
    }

    static void Close(QWidget& window) { window.close(); }
    static Answer Press(const char* button) {
        return [button](QWidget& window) {
            auto* found = window.findChild<QAbstractButton*>(QString::fromLatin1(button));
            if (found == nullptr) {
                std::fprintf(stderr, "no button %s in %s\n", button,
                             qPrintable(window.objectName()));
                failed = true;
                window.close();
                return;
            }
            found->click();
        };
    }

private:
    struct Step {
        QString name;
        Answer answer;
    };

    void Poll() {
        std::erase_if(handled_,
                      [](const QPointer<QWidget>& w) { return w.isNull() || !w->isVisible(); });
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || expected_.empty() ||
            std::find(handled_.begin(), handled_.end(), modal) != handled_.end()) {
            return;
        }
        handled_.emplace_back(modal);
        Step step = expected_.front();
        expected_.pop_front();
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, modal, [this, step, target] {
            if (target.isNull()) {
                return;
            }
            Save(*target, out_, step.name);
            step.answer(*target);
            // The same window may open again at once, before the next poll sees it closed.
            if (!target.isNull() && !target->isVisible()) {
                std::erase(handled_, target);
            }
        });
    }

    QDir out_;
    QTimer timer_;
    std::deque<Step> expected_;
    std::vector<QPointer<QWidget>> handled_;
};

template <typename Control> Control* Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        std::fprintf(stderr, "no control %s\n", name);
        failed = true;
        std::exit(1);
    }
    return control;
}

void Click(QWidget& window, const char* button) {
    Find<QAbstractButton>(window, button)->click();
}

void SelectRow(QWidget& window, const char* list, int row) {
    auto* view = Find<QTreeWidget>(window, list);
    if (row < 0) {
        view->clearSelection();
        return;
    }
    view->setCurrentItem(view->topLevelItem(row));
    view->topLevelItem(row)->setSelected(true);
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QTranslator> catalogue =
        tp::app::CatalogueFor(tp::app::LanguageFor(QLocale::system().uiLanguages()));
    QApplication application(argc, argv);
    if (catalogue) {
        QApplication::installTranslator(catalogue.get());
    }
    // A blinking cursor would make two drawings of the same window differ.
    QApplication::setCursorFlashTime(0);
    const QStringList args = QApplication::arguments();
    const QDir out(args.size() > 1 ? args.at(1) : QStringLiteral("."));
    tp::ui::SetDefaultGameFont();

    QTemporaryDir data;
    tp::runtime::Random random;
    std::vector<tp::game::JournalEntry> runJournal;
    {
        tp::app::WindowSet windows(random, 1u,
                                   tp::app::Places{data.filePath(QStringLiteral("fame.json")),
                                                   data.filePath(QStringLiteral("journey.json"))});
        windows.Show();
        QWidget& main = windows.MainWindow();
        Save(main, out, QStringLiteral("main"));

        Modals modals(out);
        // Services at the start: full health, all the cash, the agency too dear.
        modals.Expect(QStringLiteral("bank-deposit"), [&out](QWidget& window) {
            Click(window, "withdrawChoice");
            Save(window, out, QStringLiteral("bank-withdraw"));
            window.close();
        });
        Click(main, "bankButton");
        modals.Expect(QStringLiteral("hospital-full"));
        Click(main, "hospitalButton");
        modals.Expect(QStringLiteral("internet-cafe"));
        Click(main, "internetCafeButton");
        modals.Expect(QStringLiteral("agency"), Modals::Press("buyStorageButton"));
        modals.Expect(QStringLiteral("message-too-little-cash"));
        Click(main, "agencyButton");
        modals.Expect(QStringLiteral("statement"));
        Click(main, "statementButton");
        modals.Expect(QStringLiteral("help"), [&out](QWidget& window) {
            // The keys, below the help's own lines.
            auto* text = Find<QPlainTextEdit>(window, "helpText");
            text->verticalScrollBar()->setValue(text->verticalScrollBar()->maximum());
            Save(window, out, QStringLiteral("help-keys"));
            window.close();
        });
        Click(main, "helpButton");

        // Trading: a refusal, a purchase, a sale.
        SelectRow(main, "marketList", -1);
        modals.Expect(QStringLiteral("message-choose-first"));
        Click(main, "buyButton");
        SelectRow(main, "marketList", 0);
        modals.Expect(QStringLiteral("trade-buy"), Modals::Press("confirmButton"));
        Click(main, "buyButton");
        Save(main, out, QStringLiteral("main-after-purchase"));
        SelectRow(main, "carriedList", 0);
        modals.Expect(QStringLiteral("trade-sell"));
        Click(main, "sellButton");

        // A journey with an event, then the hospital with health to buy and a good the market
        // does not deal in.
        random.SeedWith(tp::game::testing::StateForJourney(1));
        modals.Expect(QStringLiteral("diary"));
        Click(main, "railwayStationButton");
        Save(main, out, QStringLiteral("main-after-journey"));
        modals.Expect(QStringLiteral("hospital-treatment"));
        Click(main, "hospitalButton");
        for (int i = 0; i < 6; ++i) {
            random.SeedWith(tp::game::testing::StateForJourney(-1));
            Click(main, "pierButton");
            SelectRow(main, "carriedList", 0);
            const auto& carried = windows.Game().State().carried;
            const auto& market = windows.Game().State().market;
            bool dealt = false;
            for (std::size_t s = 1; s < market.size(); ++s) {
                dealt = dealt || (!carried.empty() && market[s].good == carried.front().good);
            }
            if (!dealt) {
                modals.Expect(QStringLiteral("message-not-dealt-in"));
                Click(main, "sellButton");
                break;
            }
        }

        // Shortcuts answer only in the active window, and no window manager hands the
        // activation back when a dialog closes.
        const auto press = [&main](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            main.activateWindow();
            if (!QTest::qWaitForWindowActive(&main)) {
                std::fprintf(stderr, "the main window never became active\n");
                failed = true;
            }
            QTest::keyClick(&main, key, modifiers);
        };

        // The windows beside the main one, after a few journeys: the journal, and the price book
        // with the chart of a good met on them.
        press(Qt::Key_J, Qt::ControlModifier);
        Save(*Find<QWidget>(main, "journal"), out, QStringLiteral("journal"));
        press(Qt::Key_P, Qt::ControlModifier);
        auto* book = Find<QWidget>(main, "priceBook");
        Find<QTableWidget>(*book, "priceTable")
            ->setCurrentCell(windows.Game().State().market[1].good - 1, 0);
        Save(*book, out, QStringLiteral("price-book"));
        runJournal = windows.Game().Journal();

        // The keys' windows: renaming, a new journey, the hall of fame.
        modals.Expect(QStringLiteral("rename"));
        press(Qt::Key_F2, Qt::NoModifier);
        modals.Expect(QStringLiteral("new-journey"));
        press(Qt::Key_N, Qt::ControlModifier);
        modals.Expect(QStringLiteral("hall-of-fame-empty"));
        press(Qt::Key_H, Qt::ControlModifier);
        press(Qt::Key_F10, Qt::ShiftModifier);
        if (QWidget* menu = QApplication::activePopupWidget()) {
            Save(*menu, out, QStringLiteral("menu"));
            menu->close();
        } else {
            std::fprintf(stderr, "Shift+F10 opened no menu\n");
            failed = true;
        }
    }

    {
        tp::game::GameState saved;
        saved.day = 23;
        saved.cash = 123456;
        saved.debt = 3000;
        tp::ui::JourneyQuestion question(saved);
        question.show();
        Save(question, out, QStringLiteral("journey-question"));
    }
    {
        using namespace tp::ui::fametest;
        QList<tp::halloffame::Entry> ranked = Ranked(14);
        tp::halloffame::Entry mine = Entry(QStringLiteral("小二黑"), 830000, 20261208, 0);
        mine.journey = QStringLiteral("0123-abcd");
        ranked.insert(2, mine);
        // This run's journal, kept as a run's end keeps it, opens from the window.
        tp::journey::JournalArchive journals(data.filePath(QStringLiteral("journey.json")));
        journals.Keep(mine.journey, runJournal);
        tp::ui::HallOfFameWindow window(ranked, tp::ui::ThisRun{mine, 3, Worth()}, QString(),
                                        &journals);
        window.show();
        window.resize(window.sizeHint());
        Save(window, out, QStringLiteral("hall-of-fame-after-run"));
        Modals modals(out);
        modals.Expect(QStringLiteral("journal-of-a-run"));
        Click(window, "openJournal");
    }
    {
        // Journeys enough for every figure to run to several digits, and the longest problem.
        const tp::statistics::Statistics figures{1234,       56, 78,  2147483647,
                                                 9876543210, 12, 345, 1234567};
        tp::ui::StatisticsWindow window(figures, QString());
        window.show();
        Save(window, out, QStringLiteral("statistics"));
        tp::ui::StatisticsWindow damaged(
            tp::statistics::AddJourney({}, tp::statistics::Outcome::CameHome, 830000, 61),
            QCoreApplication::translate("tp::statistics::StatisticsStore",
                                        "统计文件已损坏，已改名为 %1 保留，统计从本次重新开始。")
                .arg(QStringLiteral("statistics.json.20261209-163000.bad")));
        damaged.show();
        Save(damaged, out, QStringLiteral("statistics-damaged"));
    }
    return failed ? 1 : 0;
}
