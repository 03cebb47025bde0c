#include "ui/Unit1.h"

#include "game/Game.h"
#include "ui/Artwork.h"
#include "ui/Forms.h"
#include "ui/Layout.h"
#include "ui/PictureSlot.h"
#include "ui/Unit2.h"
#include "ui/Unit4.h"
#include "ui/pictures/Glyphs.h"
#include "ui/pictures/Icons.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/Button.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/SystemColors.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace tp::ui {

namespace {

using resources::PictureId;

QLabel* CaptionLabel(QWidget* parent, const char* name, const QRect& box, const char* text) {
    auto* label = Place(new QLabel(QString::fromUtf8(text), parent), name, box);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A value box of the status block: centred text on black, lime or red.
template <typename LabelType>
LabelType* ValueLabel(QWidget* parent, const char* name, const QRect& box, const QColor& ink,
                      const QFont& font, const char* reads) {
    auto* label = Place(new LabelType(QString(), parent), name, box);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kBlack);
    palette.setColor(QPalette::WindowText, ink);
    label->setPalette(palette);
    SetAccessibleText(*label, QString::fromUtf8(reads));
    return label;
}

QPushButton* PushButton(QWidget* parent, const char* name, const QRect& box, const char* caption) {
    return Place(new Button(QString::fromUtf8(caption), parent), name, box);
}

} // namespace

TForm1::TForm1(game::Game& game, std::optional<std::uint32_t> seed)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      game_(game), seed_(seed) {
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("潮汐货郎 V1.00"));
    setFixedSize(514, 327);
    move(211, 158);
    setFont(GameFont(QStringLiteral("宋体"), -12));
    BuildControls();
    SetTabOrder();
    Connect();
    FormCreate();
}

void TForm1::BuildControls() {
    Bevel1 = Place(new QFrame(this), "Bevel1", Box(184, 136, 113, 185));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Image1 = MakePicture(this, "Image1", Box(0, 0, 97, 345), PictureId::MainBeach);
    BuildStatusBlock();
    BuildServiceButtons();
    BuildLocationButtons();
    BuildLists();
}

void TForm1::BuildStatusBlock() {
    Label1 = CaptionLabel(this, "Label1", Box(192, 240, 36, 12), "姓名：");
    Label2 = CaptionLabel(this, "Label2", Box(192, 256, 36, 12), "现金：");
    Label3 = CaptionLabel(this, "Label3", Box(192, 272, 36, 12), "欠款：");
    Label4 = CaptionLabel(this, "Label4", Box(192, 304, 36, 12), "健康：");

    const QFont song = GameFont(QStringLiteral("宋体"), -12);
    const QFont hei = GameFont(QStringLiteral("黑体"), 12);
    gr_name = ValueLabel<Label>(this, "gr_name", Box(232, 240, 57, 13), kLime, song, "姓名");
    gr_name->setToolTip(QStringLiteral("点击或按 F2 改名"));
    gr_money = ValueLabel<QLabel>(this, "gr_money", Box(232, 256, 57, 13), kLime, hei, "现金");
    gr_arrearage =
        ValueLabel<QLabel>(this, "gr_arrearage", Box(232, 272, 57, 13), kRed, hei, "欠款");
    gr_health = ValueLabel<QLabel>(this, "gr_health", Box(232, 304, 57, 13), kLime, hei, "健康");
    Image2 = MakePicture(this, "Image2", Box(304, 136, 201, 185), PictureId::MainMap);
    gr_fund = ValueLabel<QLabel>(this, "gr_fund", Box(232, 288, 57, 13), kLime, hei, "存款");
    Label6 = CaptionLabel(this, "Label6", Box(192, 288, 36, 12), "存款：");
    Image3 = MakePicture(this, "Image3", Box(192, 144, 97, 89), PictureId::MainIsland);

    buy = PushButton(this, "buy", Box(296, 32, 25, 17), "=>");
    sell = PushButton(this, "sell", Box(296, 64, 25, 17), "<=");
    SetAccessibleText(*buy, QStringLiteral("买入"), QStringLiteral("买入市场中选中的商品"));
    SetAccessibleText(*sell, QStringLiteral("卖出"), QStringLiteral("卖出身上选中的商品"));
}

void TForm1::BuildServiceButtons() {
    auto service = [this](const char* name, const QRect& box, const char* caption,
                          resources::GlyphId glyph) {
        auto* button =
            Place(new BitBtn(QString::fromUtf8(caption), BitBtn::Kind::Custom, this), name, box);
        button->SetGlyph(ServiceGlyphIcon(glyph));
        return button;
    };
    BitBtn1 = service("BitBtn1", Box(104, 168, 73, 25), "医院", resources::GlyphId::Hospital);
    BitBtn2 = service("BitBtn2", Box(104, 135, 73, 25), "银行", resources::GlyphId::Bank);
    BitBtn3 = service("BitBtn3", Box(104, 263, 73, 25), "声明", resources::GlyphId::Statement);
    BitBtn4 = service("BitBtn4", Box(104, 199, 73, 25), "网吧", resources::GlyphId::InternetCafe);
    BitBtn5 = service("BitBtn5", Box(104, 231, 73, 25), "中介", resources::GlyphId::Agency);
    BitBtn6 = service("BitBtn6", Box(104, 295, 73, 25), "帮助", resources::GlyphId::Help);
}

void TForm1::BuildLocationButtons() {
    struct Stop {
        const char* name;
        QRect box;
        const char* caption;
    };
    const Stop places[10] = {
        {"Button1", Box(336, 264, 49, 17), "火车站"},
        {"Button2", Box(368, 168, 49, 17), "李沧区"},
        {"Button3", Box(312, 296, 49, 17), "栈桥"},
        {"Button4", Box(440, 280, 49, 17), "东海路"},
        {"Button5", Box(360, 240, 49, 17), "中山路"},
        {"Button6", Box(448, 240, 49, 17), "啤酒城"},
        {"Button7", Box(376, 304, 49, 17), "小青岛"},
        {"Button8", Box(400, 192, 49, 17), "四方区"},
        {"Button9", Box(416, 144, 81, 17), "李村集贸市场"},
        {"Button10", Box(400, 216, 49, 17), "长途站"},
    };
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        Buttons[i] = PushButton(this, places[i].name, places[i].box, places[i].caption);
        SetAccessibleText(*Buttons[i], QString::fromUtf8(places[i].caption),
                          QStringLiteral("去这里，过一天"));
    }
}

void TForm1::BuildLists() {
    ListView1 = Place(new ListView(this), "ListView1", Box(103, 0, 186, 121));
    ListView1->AddColumn(QStringLiteral("商品名称"), 125);
    ListView1->AddColumn(QStringLiteral("价格"), 61);
    ListView1->SetImages(ListIconSet());
    ListView1->SetFlat(true);
    // The two columns are as wide as the list; a scroll bar for the border's two pixels would
    // only hide a row.
    ListView1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetAccessibleText(*ListView1, QStringLiteral("今日市场"));

    ListView2 = Place(new ListView(this), "ListView2", Box(327, 0, 186, 121));
    ListView2->AddColumn(QStringLiteral("商品名称"), 120);
    ListView2->AddColumn(QStringLiteral("价格"), 32);
    ListView2->AddColumn(QStringLiteral("数量"), 32);
    ListView2->SetImages(ListIconSet());
    ListView2->SetFlat(true);
    SetAccessibleText(*ListView2, QStringLiteral("随身货物"));
}

void TForm1::SetTabOrder() {
    // Tab order as designed: the carried goods first, then the market, the trade buttons, the
    // services and the map.
    QList<QWidget*> order{ListView2, ListView1, buy, sell, BitBtn1, BitBtn2, BitBtn3, BitBtn4};
    for (QPushButton* button : Buttons) {
        order.append(button);
    }
    order.append({BitBtn5, BitBtn6});
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    // The chain still begins where creation began; the first stop is the carried goods.
    ListView2->setFocus(Qt::OtherFocusReason);
}

void TForm1::Connect() {
    for (QPushButton* button : Buttons) {
        connect(button, &QPushButton::clicked, this, &TForm1::Button2Click);
    }
    connect(buy, &QPushButton::clicked, this, &TForm1::buyClick);
    connect(sell, &QPushButton::clicked, this, &TForm1::sellClick);
    connect(ListView1, &ListView::DoubleClicked, this, &TForm1::buyClick);
    connect(ListView2, &ListView::DoubleClicked, this, &TForm1::sellClick);
    connect(BitBtn1, &BitBtn::Click, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &BitBtn::Click, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &BitBtn::Click, this, &TForm1::BitBtn3Click);
    connect(BitBtn4, &BitBtn::Click, this, &TForm1::BitBtn4Click);
    connect(BitBtn5, &BitBtn::Click, this, &TForm1::BitBtn5Click);
    connect(BitBtn6, &BitBtn::Click, this, &TForm1::BitBtn6Click);
    connect(gr_name, &Label::Clicked, this, &TForm1::gr_nameClick);
    // F2 renames without the mouse. The name box itself takes no focus: a focusable label lays
    // its text out as a document, which would load a font before the first frame.
    auto* rename = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(rename, &QShortcut::activated, this, &TForm1::gr_nameClick);
}

void TForm1::FormCreate() {
    if (seed_) {
        game_.FormCreate(*seed_);
    } else {
        game_.FormCreate();
    }
}

void TForm1::Button2Click() {
    game_.Travel();
}

void TForm1::buyClick() {
    if (const auto setup = game_.OpenBuy(ListView1->ItemIndex())) {
        Form2->Prepare(*setup);
        ShowModal(*Form2);
    }
}

void TForm1::sellClick() {
    if (const auto setup = game_.OpenSell(ListView2->ItemIndex())) {
        Form2->Prepare(*setup);
        ShowModal(*Form2);
    }
}

void TForm1::BitBtn2Click() {
    Form4->OpenBank(game_.OpenBank());
    ShowModal(*Form4);
}

void TForm1::BitBtn1Click() {
    Form4->OpenHospital(game_.OpenHospital());
    ShowModal(*Form4);
}

void TForm1::BitBtn4Click() {
    Form4->OpenInternetCafe(game_.OpenInternetCafe());
    ShowModal(*Form4);
}

void TForm1::BitBtn5Click() {
    Form4->OpenAgency(game_.OpenAgency());
    ShowModal(*Form4);
}

void TForm1::BitBtn3Click() {
    Form4->OpenStatement();
    ShowModal(*Form4);
}

void TForm1::BitBtn6Click() {
    Form4->OpenHelp();
    ShowModal(*Form4);
}

void TForm1::gr_nameClick() {
    game_.Rename();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closing the main window always ends the run, whoever closes it.
    RequestEndOfRun();
    event->accept();
}

} // namespace tp::ui
