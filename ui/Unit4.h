#pragma once

#include "ui/toolkit/FormDialog.h"

#include <array>

class QGroupBox;
class QLabel;

namespace tp::game {
class Game;
struct DialogSetup;
} // namespace tp::game

namespace tp::ui {

class BitBtn;
class Memo;
class RadioButton;
class SpinEdit;

// The service window: one panel each for the bank, the hospital, the internet café, the
// agency, the statement and the help. Each opening shows one panel alone.
class TForm4 : public FormDialog {
    Q_OBJECT
public:
    TForm4(QWidget* owner, game::Game& game);

    // Shows one panel, prepared as the game says, and sets the caption.
    void OpenBank(const game::DialogSetup& setup);
    void OpenHospital(const game::DialogSetup& setup);
    void OpenInternetCafe(const game::DialogSetup& setup);
    void OpenAgency(const game::DialogSetup& setup);
    void OpenStatement();
    void OpenHelp();

    QGroupBox* box1; // bank
    QGroupBox* Box2; // hospital
    QGroupBox* Box3; // internet café
    QGroupBox* Box4; // agency
    QGroupBox* Box5; // statement
    QGroupBox* box6; // help

    QWidget* Image1;
    BitBtn* BitBtn2;
    BitBtn* BitBtn1;
    RadioButton* RadioButton2;
    RadioButton* RadioButton1;
    SpinEdit* UpDown1; // with Edit1

    QWidget* Image2;
    BitBtn* BitBtn3;
    BitBtn* BitBtn4;
    SpinEdit* UpDown2; // with Edit2
    Memo* Memo1;

    QWidget* Image3;
    QLabel* Label1;
    BitBtn* BitBtn5;
    BitBtn* BitBtn6;
    SpinEdit* UpDown3; // with Edit3
    Memo* Memo2;

    QWidget* Image4;
    BitBtn* BitBtn7;
    BitBtn* BitBtn8;
    Memo* Memo3;

    BitBtn* BitBtn9;
    Memo* Memo4;

    BitBtn* BitBtn10;
    Memo* Memo5;

    void RadioButton1Click();
    void RadioButton2Click();
    void BitBtn1Click();
    void BitBtn4Click();
    void BitBtn6Click();
    void BitBtn8Click();

private:
    void BuildBank();
    void BuildHospital();
    void BuildInternetCafe();
    void BuildAgency();
    void BuildStatementAndHelp();
    void ShowPanel(QGroupBox* panel);
    void ApplyBank(const game::DialogSetup& setup);

    game::Game& game_;
    std::array<QGroupBox*, 6> panels_{};
};

} // namespace tp::ui
