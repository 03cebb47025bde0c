#include "ui/Unit3.h"

#include "ui/Artwork.h"
#include "ui/Layout.h"
#include "ui/PictureSlot.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/SystemColors.h"

namespace tp::ui {

TForm3::TForm3(QWidget* owner) : FormDialog(owner) {
    setObjectName(QStringLiteral("Form3"));
    SetClientSize(287, 133);
    move(326, 259);
    SetCaption(QStringLiteral("我的日记本"));
    setFont(GameFont(QStringLiteral("Pal宋体"), -12));

    Image1 = MakePicture(this, "Image1", Box(0, 0, 105, 137), resources::PictureId::DiaryTown);
    BitBtn2 = KindButton(this, "BitBtn2", Box(208, 104, 73, 25), "关闭(&C)", BitBtn::Kind::No);
    Memo1 = Place(new Memo(this), "Memo1", Box(112, 8, 169, 89));
    Memo1->setReadOnly(true);
    Memo1->SetFlat(true);
    Memo1->SetColor(ColorOf(SystemColor::BtnFace));
    SetAccessibleText(*Memo1, QStringLiteral("日记"));
    setTabOrder(BitBtn2, Memo1);
}

void TForm3::Write(std::span<const std::string> lines) {
    Memo1->Clear();
    for (const std::string& line : lines) {
        Memo1->AddLine(QString::fromStdString(line));
    }
}

} // namespace tp::ui
