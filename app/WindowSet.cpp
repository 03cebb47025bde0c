#include "app/WindowSet.h"

#include "ui/Forms.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/toolkit/DialogOwner.h"
#include "ui/toolkit/Fonts.h"

#include <QCoreApplication>

namespace tp::app {

WindowSet::WindowSet(std::optional<std::uint32_t> seed) {
    main_ = std::make_unique<ui::TForm1>(game_, seed);
    ui::SetMainWindow(main_.get());
}

void WindowSet::Show() {
    main_->show();
    // The window's map request has gone to the display server by now; the faces are needed
    // from its first paint on, which comes from the event loop.
    ui::InstallGameFaces();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    CreateDialogs();
}

void WindowSet::CreateDialogs() {
    // The dialogs belong to the main window, which deletes them with itself.
    ui::Form2 = new ui::TForm2(main_.get(), game_);
    ui::Form3 = new ui::TForm3(main_.get());
    ui::Form4 = new ui::TForm4(main_.get(), game_);
}

WindowSet::~WindowSet() {
    ui::SetMainWindow(nullptr);
    main_.reset();
    ui::Form1 = nullptr;
    ui::Form2 = nullptr;
    ui::Form3 = nullptr;
    ui::Form4 = nullptr;
}

} // namespace tp::app
