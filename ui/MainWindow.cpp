// SPDX-License-Identifier: MIT
#include "ui/MainWindow.h"

#include "game/Game.h"
#include "halloffame/HallOfFameStore.h"
#include "ui/HallOfFameWindow.h"
#include "ui/ServiceWindow.h"
#include "ui/TradeDialog.h"
#include "ui/WindowParts.h"
#include "ui/pictures/Glyphs.h"
#include "ui/pictures/Icons.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/Button.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/MessageBoxes.h"
#include "ui/toolkit/ReportList.h"
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
    SetPaletteColor(*label, QPalette::Window, kBlack);
    SetPaletteColor(*label, QPalette::WindowText, ink);
    SetAccessibleText(*label, QString::fromUtf8(reads));
    return label;
}

QPushButton* PushButton(QWidget* parent, const char* name, const QRect& box, const char* caption) {
    return Place(new Button(QString::fromUtf8(caption), parent), name, box);
}

} // namespace

MainWindow::MainWindow(game::Game& game, EndOfRun& endOfRun,
                       halloffame::HallOfFameStore& hallOfFame)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      game_(game), endOfRun_(endOfRun), hallOfFame_(hallOfFame) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("潮汐货郎 V1.00"));
    setFixedSize(514, 327);
    move(211, 158);
    setFont(GameFont(QStringLiteral("宋体"), -12));
    BuildControls();
    SetTabOrder();
    Connect();
}

void MainWindow::SetDialogs(TradeDialog& trade, ServiceWindow& services) {
    trade_ = &trade;
    services_ = &services;
}

void MainWindow::BuildControls() {
    statusFrame = Place(new QFrame(this), "statusFrame", Box(184, 136, 113, 185));
    statusFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    beachPicture = MakePicture(this, "beachPicture", Box(0, 0, 97, 345), PictureId::MainBeach);
    BuildStatusBlock();
    BuildServiceButtons();
    BuildPlaceButtons();
    BuildLists();
}

void MainWindow::BuildStatusBlock() {
    nameCaption = CaptionLabel(this, "nameCaption", Box(192, 240, 36, 12), "姓名：");
    cashCaption = CaptionLabel(this, "cashCaption", Box(192, 256, 36, 12), "现金：");
    debtCaption = CaptionLabel(this, "debtCaption", Box(192, 272, 36, 12), "欠款：");
    healthCaption = CaptionLabel(this, "healthCaption", Box(192, 304, 36, 12), "健康：");

    const QFont song = GameFont(QStringLiteral("宋体"), -12);
    const QFont hei = GameFont(QStringLiteral("黑体"), 12);
    nameBox =
        ValueLabel<ClickableLabel>(this, "nameBox", Box(232, 240, 57, 13), kLime, song, "姓名");
    nameBox->setToolTip(QStringLiteral("点击或按 F2 改名"));
    cashBox = ValueLabel<QLabel>(this, "cashBox", Box(232, 256, 57, 13), kLime, hei, "现金");
    debtBox = ValueLabel<QLabel>(this, "debtBox", Box(232, 272, 57, 13), kRed, hei, "欠款");
    healthBox = ValueLabel<QLabel>(this, "healthBox", Box(232, 304, 57, 13), kLime, hei, "健康");
    mapPicture = MakePicture(this, "mapPicture", Box(304, 136, 201, 185), PictureId::MainMap);
    depositBox = ValueLabel<QLabel>(this, "depositBox", Box(232, 288, 57, 13), kLime, hei, "存款");
    depositCaption = CaptionLabel(this, "depositCaption", Box(192, 288, 36, 12), "存款：");
    islandPicture =
        MakePicture(this, "islandPicture", Box(192, 144, 97, 89), PictureId::MainIsland);

    buyButton = PushButton(this, "buyButton", Box(296, 32, 25, 17), "=>");
    sellButton = PushButton(this, "sellButton", Box(296, 64, 25, 17), "<=");
    SetAccessibleText(*buyButton, QStringLiteral("买入"), QStringLiteral("买入市场中选中的商品"));
    SetAccessibleText(*sellButton, QStringLiteral("卖出"), QStringLiteral("卖出身上选中的商品"));
}

void MainWindow::BuildServiceButtons() {
    auto service = [this](const char* name, const QRect& box, const char* caption,
                          resources::GlyphId glyph) {
        auto* button = Place(
            new KindButton(QString::fromUtf8(caption), KindButton::Kind::Custom, this), name, box);
        button->SetGlyph(ServiceGlyphIcon(glyph));
        return button;
    };
    using resources::GlyphId;
    hospitalButton = service("hospitalButton", Box(104, 168, 73, 25), "医院", GlyphId::Hospital);
    bankButton = service("bankButton", Box(104, 135, 73, 25), "银行", GlyphId::Bank);
    statementButton = service("statementButton", Box(104, 263, 73, 25), "声明", GlyphId::Statement);
    internetCafeButton =
        service("internetCafeButton", Box(104, 199, 73, 25), "网吧", GlyphId::InternetCafe);
    agencyButton = service("agencyButton", Box(104, 231, 73, 25), "中介", GlyphId::Agency);
    helpButton = service("helpButton", Box(104, 295, 73, 25), "帮助", GlyphId::Help);
}

void MainWindow::BuildPlaceButtons() {
    struct Stop {
        const char* name;
        QRect box;
        const char* caption;
    };
    const Stop places[kPlaces] = {
        {"railwayStationButton", Box(336, 264, 49, 17), "火车站"},
        {"licangButton", Box(368, 168, 49, 17), "李沧区"},
        {"pierButton", Box(312, 296, 49, 17), "栈桥"},
        {"donghaiRoadButton", Box(440, 280, 49, 17), "东海路"},
        {"zhongshanRoadButton", Box(360, 240, 49, 17), "中山路"},
        {"beerCityButton", Box(448, 240, 49, 17), "啤酒城"},
        {"littleQingdaoButton", Box(376, 304, 49, 17), "小青岛"},
        {"sifangButton", Box(400, 192, 49, 17), "四方区"},
        {"licunMarketButton", Box(416, 144, 81, 17), "李村集贸市场"},
        {"coachStationButton", Box(400, 216, 49, 17), "长途站"},
    };
    for (std::size_t i = 0; i < placeButtons.size(); ++i) {
        placeButtons[i] = PushButton(this, places[i].name, places[i].box, places[i].caption);
        SetAccessibleText(*placeButtons[i], QString::fromUtf8(places[i].caption),
                          QStringLiteral("去这里，过一天"));
    }
}

void MainWindow::BuildLists() {
    marketList = Place(new ReportList(this), "marketList", Box(103, 0, 186, 121));
    marketList->AddColumn(QStringLiteral("商品名称"), 125);
    marketList->AddColumn(QStringLiteral("价格"), 61);
    marketList->SetImages(ListIconSet());
    marketList->SetFlat(true);
    // The two columns are as wide as the list; a scroll bar for the border's two pixels would
    // only hide a row.
    marketList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetAccessibleText(*marketList, QStringLiteral("今日市场"));

    carriedList = Place(new ReportList(this), "carriedList", Box(327, 0, 186, 121));
    carriedList->AddColumn(QStringLiteral("商品名称"), 120);
    carriedList->AddColumn(QStringLiteral("价格"), 32);
    carriedList->AddColumn(QStringLiteral("数量"), 32);
    carriedList->SetImages(ListIconSet());
    carriedList->SetFlat(true);
    SetAccessibleText(*carriedList, QStringLiteral("随身货物"));
}

void MainWindow::SetTabOrder() {
    // The carried goods first, then the market, the trade buttons, the services and the map.
    QList<QWidget*> order{carriedList,    marketList, buyButton,       sellButton,
                          hospitalButton, bankButton, statementButton, internetCafeButton};
    for (QPushButton* button : placeButtons) {
        order.append(button);
    }
    order.append({agencyButton, helpButton});
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    carriedList->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Connect() {
    for (std::size_t i = 0; i < placeButtons.size(); ++i) {
        connect(placeButtons[i], &QPushButton::clicked, this,
                [this, i] { TravelTo(static_cast<int>(i)); });
    }
    connect(buyButton, &QPushButton::clicked, this, &MainWindow::Buy);
    connect(sellButton, &QPushButton::clicked, this, &MainWindow::Sell);
    connect(marketList, &ReportList::RowActivated, this, &MainWindow::Buy);
    connect(carriedList, &ReportList::RowActivated, this, &MainWindow::Sell);
    connect(hospitalButton, &KindButton::Click, this, &MainWindow::OpenHospital);
    connect(bankButton, &KindButton::Click, this, &MainWindow::OpenBank);
    connect(statementButton, &KindButton::Click, this, &MainWindow::OpenStatement);
    connect(internetCafeButton, &KindButton::Click, this, &MainWindow::OpenInternetCafe);
    connect(agencyButton, &KindButton::Click, this, &MainWindow::OpenAgency);
    connect(helpButton, &KindButton::Click, this, &MainWindow::OpenHelp);
    connect(nameBox, &ClickableLabel::Clicked, this, &MainWindow::Rename);
    // F2 renames without the mouse. The name box itself takes no focus: a focusable label lays
    // its text out as a document, which would load a font before the first frame.
    auto* rename = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(rename, &QShortcut::activated, this, &MainWindow::Rename);
    auto* hallOfFame = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    connect(hallOfFame, &QShortcut::activated, this, &MainWindow::ShowHallOfFame);
    auto* newJourney = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(newJourney, &QShortcut::activated, this, &MainWindow::StartNewJourney);
}

void MainWindow::TravelTo(int /*place*/) {
    // Every place is a day's journey like any other: the market of the stop is drawn anew.
    game_.Travel();
}

void MainWindow::Buy() {
    if (trade_ == nullptr) {
        return;
    }
    if (const auto offer = game_.OpenBuy(marketList->SelectedIndex())) {
        trade_->Trade(*offer);
    }
}

void MainWindow::Sell() {
    if (trade_ == nullptr) {
        return;
    }
    if (const auto offer = game_.OpenSell(carriedList->SelectedIndex())) {
        trade_->Trade(*offer);
    }
}

void MainWindow::OpenBank() {
    if (services_ != nullptr) {
        services_->Bank(game_.OpenBank());
    }
}

void MainWindow::OpenHospital() {
    if (services_ != nullptr) {
        services_->Hospital(game_.OpenHospital());
    }
}

void MainWindow::OpenInternetCafe() {
    if (services_ != nullptr) {
        services_->InternetCafe(game_.OpenInternetCafe());
    }
}

void MainWindow::OpenAgency() {
    if (services_ != nullptr) {
        services_->Agency(game_.OpenAgency());
    }
}

void MainWindow::OpenStatement() {
    if (services_ != nullptr) {
        services_->Statement();
    }
}

void MainWindow::OpenHelp() {
    if (services_ != nullptr) {
        services_->Help();
    }
}

void MainWindow::Rename() {
    game_.Rename();
}

void MainWindow::ShowHallOfFame() {
    // Read only now: the file costs nothing until the player asks for it.
    const halloffame::Table table = hallOfFame_.Read();
    HallOfFameWindow window(table.ranked, std::nullopt, table.problem, this);
    ShowModal(window, endOfRun_);
}

void MainWindow::StartNewJourney() {
    if (MessageBoxes(endOfRun_, this)
            .Confirm(QStringLiteral("放弃这次旅程，重新开始吗？\n这次旅程不会记入富豪榜。"),
                     QStringLiteral("重新开始"))) {
        game_.Start();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window always ends the run, whoever closes it.
    endOfRun_.Request();
    event->accept();
}

} // namespace tp::ui
