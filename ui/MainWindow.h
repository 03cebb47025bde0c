// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace tp::game {
class Game;
}

namespace tp::halloffame {
class HallOfFameStore;
}

namespace tp::ui {

class ClickableLabel;
class EndOfRun;
class KindButton;
class ReportList;
class ServiceWindow;
class TradeDialog;

// The main window: map, status, market, goods carried and the service buttons. Its handlers
// hand every action to the game and show the dialogs the game prepares.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(game::Game& game, EndOfRun& endOfRun, halloffame::HallOfFameStore& hallOfFame);

    // The dialogs the handlers show; until they are given, the handlers that need them do
    // nothing.
    void SetDialogs(TradeDialog& trade, ServiceWindow& services);

    static constexpr int kPlaces = 10;

    QFrame* statusFrame;
    QWidget* beachPicture;
    QLabel* nameCaption;
    QLabel* cashCaption;
    QLabel* debtCaption;
    QLabel* healthCaption;
    ClickableLabel* nameBox;
    QLabel* cashBox;
    QLabel* debtBox;
    QLabel* healthBox;
    QWidget* mapPicture;
    QLabel* depositBox;
    QLabel* depositCaption;
    QWidget* islandPicture;
    QPushButton* buyButton;
    QPushButton* sellButton;
    KindButton* hospitalButton;
    KindButton* bankButton;
    KindButton* statementButton;
    KindButton* internetCafeButton;
    std::array<QPushButton*, kPlaces> placeButtons; // in the order of the map's places
    KindButton* agencyButton;
    KindButton* helpButton;
    ReportList* marketList;
    ReportList* carriedList;

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
    void Rename();
    void ShowHallOfFame();
    void StartNewJourney();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildStatusBlock();
    void BuildServiceButtons();
    void BuildPlaceButtons();
    void BuildLists();
    void SetTabOrder();
    void Connect();

    game::Game& game_;
    EndOfRun& endOfRun_;
    halloffame::HallOfFameStore& hallOfFame_;
    TradeDialog* trade_ = nullptr;
    ServiceWindow* services_ = nullptr;
};

} // namespace tp::ui
