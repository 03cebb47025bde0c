#pragma once

#include "ui/toolkit/FormDialog.h"

#include <span>
#include <string>

namespace tp::ui {

class BitBtn;
class Memo;

// The diary: the day's event, shown after a journey that brought one.
class TForm3 : public FormDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* owner);

    // Replaces the diary's lines with the day's entry.
    void Write(std::span<const std::string> lines);

    QWidget* Image1;
    BitBtn* BitBtn2;
    Memo* Memo1;
};

} // namespace tp::ui
