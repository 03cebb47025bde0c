#pragma once

#include "ui/toolkit/FormDialog.h"

namespace tp::game {
class Game;
struct DialogSetup;
} // namespace tp::game

class QLabel;

namespace tp::ui {

class BitBtn;
class SpinEdit;

// The trade dialog: how many units to buy or sell.
class TForm2 : public FormDialog {
    Q_OBJECT
public:
    TForm2(QWidget* owner, game::Game& game);

    // Caption, label, range and confirm button as the game prepared them for this trade.
    void Prepare(const game::DialogSetup& setup);

    QLabel* Label1;
    BitBtn* BitBtn1;
    BitBtn* BitBtn2;
    SpinEdit* UpDown1; // with its edit box, Edit1

    void BitBtn1Click();
    void Edit1Enter();
    void Edit1Exit();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    game::Game& game_;
};

} // namespace tp::ui
