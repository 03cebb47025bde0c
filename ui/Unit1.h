#pragma once

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;

namespace tp::game {
class Game;
}

namespace tp::ui {

class BitBtn;
class Label;
class ListView;

// The main window: map, status, market, goods carried and the service buttons. Its handlers
// hand every action to the game and show the dialogs the game prepares.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the controls, then starts the game (FormCreate), seeded by `seed` when given.
    TForm1(game::Game& game, std::optional<std::uint32_t> seed);

    // Controls, named as the window's layout names them.
    QFrame* Bevel1;
    QWidget* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    Label* gr_name;
    QLabel* gr_money;
    QLabel* gr_arrearage;
    QLabel* gr_health;
    QWidget* Image2;
    QLabel* gr_fund;
    QLabel* Label6;
    QWidget* Image3;
    QPushButton* buy;
    QPushButton* sell;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn3;
    BitBtn* BitBtn4;
    std::array<QPushButton*, 10> Buttons; // Button1 .. Button10
    BitBtn* BitBtn5;
    BitBtn* BitBtn6;
    ListView* ListView1;
    ListView* ListView2;

    // Handlers.
    void FormCreate();
    void Button2Click();
    void buyClick();
    void sellClick();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    void gr_nameClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildStatusBlock();
    void BuildServiceButtons();
    void BuildLocationButtons();
    void BuildLists();
    void SetTabOrder();
    void Connect();

    game::Game& game_;
    std::optional<std::uint32_t> seed_;
};

} // namespace tp::ui
