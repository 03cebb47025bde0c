// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "game/GameState.h"
#include "game/Journal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace tp::game {
class Game;
}

namespace tp::halloffame {
class HallOfFameStore;
}

namespace tp::journey {
class JournalArchive;
}

namespace tp::statistics {
class StatisticsStore;
}

namespace tp::ui {

class ClickableLabel;
class DiaryWindow;
class EndOfRun;
class JournalWindow;
class PriceBookWindow;
class RowList;
class ServiceWindow;
class TradeDialog;

// What outlives a run, which the main window's menu shows.
struct Records {
    halloffame::HallOfFameStore& hallOfFame;
    statistics::StatisticsStore& statistics;
    const journey::JournalArchive& journals;
};

// The figures of the status block; the name as the player gave it.
struct StatusValues {
    QString name;
    int cash = 0;
    int debt = 0;
    int health = 0;
    int deposit = 0;
};

// The main window: map, status, market, goods carried and the service buttons. Its handlers
// hand every action to the game and show the dialogs the game prepares. It owns those dialogs
// and builds each the first time it is needed: none of them is needed for the first frame.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(game::Game& game, EndOfRun& endOfRun, Records records);

    // The title bar's text.
    void ShowCaption(const QString& caption);
    void ShowStatus(const StatusValues& status);
    void ShowMarket(std::span<const game::GoodsRecord> market);
    // Replaces every row of the goods carried; the three after it change one row.
    void ShowCarriedGoods(std::span<const game::CarriedGoods> rows);
    void AddCarriedRow(const game::CarriedGoods& row);
    void UpdateCarriedRow(int index, const game::CarriedGoods& row);
    // Afterwards no row is selected.
    void RemoveCarriedRow(int index);
    // Shows the day's entry in the diary until the player closes it.
    void ShowDiary(const QStringList& lines);
    // The run's journal has changed: the windows read off it follow.
    void ShowJournal(std::span<const game::JournalEntry> journal);

    // The window goes to the display before it makes its controls: making them starts Qt's
    // accessibility bridge, which asks the session bus and the accessibility bus, and that must
    // not hold the window back. Its controls are made right after it is shown, or when it is
    // first told to show something, whichever comes first.
    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static constexpr int kPlaces = 10;

    // Makes the controls, once.
    void Furnish();
    void BuildControls();
    void BuildStatusBlock();
    void BuildServiceButtons();
    void BuildPlaceButtons();
    void BuildLists();
    void SetTabOrder();
    void Connect();
    void BuildActions();
    // The menu of every action without a button, each shown with its keys; built when first shown.
    void ShowMenu(const QPoint& where);

    TradeDialog& Trade();
    DiaryWindow& Diary();
    ServiceWindow& Services();

    // Handlers.
    void TravelTo(int place);
    void Buy();
    void Sell();
    void OpenHospital();
    void OpenBank();
    void OpenStatement();
    void OpenInternetCafe();
    void OpenAgency();
    void OpenHelp();
    void OpenJournal();
    void OpenPriceBook();
    template <typename Window> void OpenBeside(Window*& window, auto make);
    void Undo();
    void Rename();
    void ShowHallOfFame();
    void ShowStatistics();
    // Gives up the journey under way for a new one of `seed` (the clock's without), if the
    // player says so.
    void StartAfterAsking(const QString& question, const QString& answer,
                          std::optional<std::uint32_t> seed);
    void StartNewJourney();
    void StartTodaysJourney();
    void StartThisSeedAgain();

    game::Game& game_;
    EndOfRun& endOfRun_;
    Records records_;

    ClickableLabel* nameBox_ = nullptr;
    QLabel* cashBox_ = nullptr;
    QLabel* debtBox_ = nullptr;
    QLabel* healthBox_ = nullptr;
    QLabel* depositBox_ = nullptr;
    QPushButton* buyButton_ = nullptr;
    QPushButton* sellButton_ = nullptr;
    QPushButton* hospitalButton_ = nullptr;
    QPushButton* bankButton_ = nullptr;
    QPushButton* statementButton_ = nullptr;
    QPushButton* internetCafeButton_ = nullptr;
    std::array<QPushButton*, kPlaces> placeButtons_{}; // in the order of the map's places
    QPushButton* agencyButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    RowList* marketList_ = nullptr;
    RowList* carriedList_ = nullptr;
    QList<QIcon> listIcons_; // decoded once, shown on every row
    QList<QAction*> menuActions_;
    QMenu* menu_ = nullptr;
    QAction* undoAction_ = nullptr;

    bool furnished_ = false;
    // Built on first use; children of this window, which deletes them with itself.
    TradeDialog* trade_ = nullptr;
    DiaryWindow* diary_ = nullptr;
    ServiceWindow* services_ = nullptr;
    JournalWindow* journal_ = nullptr;
    PriceBookWindow* priceBook_ = nullptr;
};

} // namespace tp::ui
