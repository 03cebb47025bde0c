// SPDX-License-Identifier: MIT
#include "ui/MainWindow.h"

#include "game/DailySeed.h"
#include "game/Game.h"
#include "game/Places.h"
#include "halloffame/HallOfFameStore.h"
#include "journey/JournalText.h"
#include "statistics/StatisticsStore.h"
#include "ui/Accessibility.h"
#include "ui/DiaryWindow.h"
#include "ui/GameFonts.h"
#include "ui/JournalWindow.h"
#include "ui/Messages.h"
#include "ui/PriceBookWindow.h"
#include "ui/ServiceWindow.h"
#include "ui/StatisticsWindow.h"
#include "ui/TradeDialog.h"
#include "ui/WindowParts.h"
#include "ui/halloffame/HallOfFameWindow.h"
#include "ui/pictures/Glyphs.h"
#include "ui/pictures/Icons.h"
#include "ui/toolkit/Button.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/RowList.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace tp::ui {

namespace {

using resources::PictureId;

QLabel* CaptionLabel(QWidget* parent, const char* name, const QRect& box, const QString& text) {
    auto* label = Place(new QLabel(text, parent), name, box);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The status block's colours stay what they are in every theme.
constexpr QColor kBlack{0, 0, 0};
constexpr QColor kLime{0, 255, 0};
constexpr QColor kRed{255, 0, 0};

// A value box of the status block: centred text on black, lime or red.
template <typename LabelType>
LabelType* ValueLabel(QWidget* parent, const char* name, const QRect& box, const QColor& ink,
                      const QFont& font, const QString& reads) {
    auto* label = Place(new LabelType(QString(), parent), name, box);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    label->setAutoFillBackground(true);
    SetColour(*label, QPalette::Window, kBlack);
    SetColour(*label, QPalette::WindowText, ink);
    SetAccessibleText(*label, reads);
    return label;
}

QPushButton* PushButton(QWidget* parent, const char* name, const QRect& box,
                        const QString& caption) {
    return Place(new Button(caption, parent), name, box);
}

void ShowValue(QLabel& label, const QString& value) {
    label.setText(value);
    // Screen readers announce the box by what it shows, followed by the value.
    label.setAccessibleDescription(value);
}

QStringList CarriedTexts(const game::CarriedGoods& row) {
    return {journey::GoodText(row.good), QString::number(row.price), QString::number(row.quantity)};
}

// The lists' small icons: the market's rows show the first, the goods carried the second.
constexpr int kMarketImage = 0;
constexpr int kCarriedImage = 1;

QTreeWidgetItem* Row(const QStringList& texts, const QIcon& icon) {
    auto* item = new QTreeWidgetItem(texts);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setIcon(0, icon);
    return item;
}

} // namespace

MainWindow::MainWindow(game::Game& game, EndOfRun& endOfRun, Records records)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      game_(game), endOfRun_(endOfRun), records_(records) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("潮汐货郎 V1.00"));
    setFixedSize(514, 327);
    move(211, 158);
    setFont(SongFont());
}

void MainWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (visible) {
        Furnish();
    }
}

void MainWindow::Furnish() {
    if (furnished_) {
        return;
    }
    furnished_ = true;
    BuildControls();
    Connect();
    // Controls made inside a window already shown wait to be shown themselves.
    if (isVisible()) {
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow()) {
                control->show();
            }
        }
    }
    // Last, so that the goods carried keep the focus whatever showing the controls gave it to.
    SetTabOrder();
}

void MainWindow::BuildControls() {
    auto* statusFrame = Place(new QFrame(this), "statusFrame", Box(184, 136, 113, 185));
    statusFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    MakePicture(this, "beachPicture", Box(0, 0, 97, 345), PictureId::MainBeach);
    BuildStatusBlock();
    BuildServiceButtons();
    BuildPlaceButtons();
    BuildLists();
}

void MainWindow::BuildStatusBlock() {
    CaptionLabel(this, "nameCaption", Box(192, 240, 36, 12), tr("姓名："));
    CaptionLabel(this, "cashCaption", Box(192, 256, 36, 12), tr("现金："));
    CaptionLabel(this, "debtCaption", Box(192, 272, 36, 12), tr("欠款："));
    CaptionLabel(this, "healthCaption", Box(192, 304, 36, 12), tr("健康："));

    const QFont song = SongFont();
    const QFont hei = HeiFont();
    nameBox_ =
        ValueLabel<ClickableLabel>(this, "nameBox", Box(232, 240, 57, 13), kLime, song, tr("姓名"));
    nameBox_->setToolTip(tr("点击或按 F2 改名"));
    cashBox_ = ValueLabel<QLabel>(this, "cashBox", Box(232, 256, 57, 13), kLime, hei, tr("现金"));
    debtBox_ = ValueLabel<QLabel>(this, "debtBox", Box(232, 272, 57, 13), kRed, hei, tr("欠款"));
    healthBox_ =
        ValueLabel<QLabel>(this, "healthBox", Box(232, 304, 57, 13), kLime, hei, tr("健康"));
    MakePicture(this, "mapPicture", Box(304, 136, 201, 185), PictureId::MainMap);
    depositBox_ =
        ValueLabel<QLabel>(this, "depositBox", Box(232, 288, 57, 13), kLime, hei, tr("存款"));
    CaptionLabel(this, "depositCaption", Box(192, 288, 36, 12), tr("存款："));
    MakePicture(this, "islandPicture", Box(192, 144, 97, 89), PictureId::MainIsland);

    buyButton_ = PushButton(this, "buyButton", Box(296, 32, 25, 17), "=>");
    sellButton_ = PushButton(this, "sellButton", Box(296, 64, 25, 17), "<=");
    SetAccessibleText(*buyButton_, tr("买入"), tr("买入市场中选中的商品"));
    SetAccessibleText(*sellButton_, tr("卖出"), tr("卖出身上选中的商品"));
}

void MainWindow::BuildServiceButtons() {
    auto service = [this](const char* name, const QRect& box, const QString& caption,
                          resources::GlyphId glyph) {
        return GlyphButton(this, name, box, caption, ServiceGlyphIcon(glyph));
    };
    using resources::GlyphId;
    hospitalButton_ =
        service("hospitalButton", Box(104, 168, 73, 25), tr("医院"), GlyphId::Hospital);
    bankButton_ = service("bankButton", Box(104, 135, 73, 25), tr("银行"), GlyphId::Bank);
    statementButton_ =
        service("statementButton", Box(104, 263, 73, 25), tr("声明"), GlyphId::Statement);
    internetCafeButton_ =
        service("internetCafeButton", Box(104, 199, 73, 25), tr("网吧"), GlyphId::InternetCafe);
    agencyButton_ = service("agencyButton", Box(104, 231, 73, 25), tr("中介"), GlyphId::Agency);
    helpButton_ = service("helpButton", Box(104, 295, 73, 25), tr("帮助"), GlyphId::Help);
}

void MainWindow::BuildPlaceButtons() {
    // A place's name is said twice: on its small button, where a language may need a shorter
    // form, and whole to screen readers.
    struct Text {
        const char* source;
        const char* comment;
    };
    // In the order of the game's places.
    struct Stop {
        const char* name;
        QRect box;
        Text label;
    };
    const Stop places[kPlaces] = {
        {"railwayStationButton", Box(336, 264, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "火车站", "map button")},
        {"licangButton", Box(368, 168, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "李沧区", "map button")},
        {"pierButton", Box(312, 296, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "栈桥", "map button")},
        {"donghaiRoadButton", Box(440, 280, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "东海路", "map button")},
        {"zhongshanRoadButton", Box(360, 240, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "中山路", "map button")},
        {"beerCityButton", Box(448, 240, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "啤酒城", "map button")},
        {"littleQingdaoButton", Box(376, 304, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "小青岛", "map button")},
        {"sifangButton", Box(400, 192, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "四方区", "map button")},
        {"licunMarketButton", Box(416, 144, 81, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "李村集贸市场", "map button")},
        {"coachStationButton", Box(400, 216, 49, 17),
         QT_TRANSLATE_NOOP3("tp::ui::MainWindow", "长途站", "map button")},
    };
    for (std::size_t i = 0; i < placeButtons_.size(); ++i) {
        const Stop& place = places[i];
        placeButtons_[i] =
            PushButton(this, place.name, place.box, tr(place.label.source, place.label.comment));
        SetAccessibleText(*placeButtons_[i],
                          QCoreApplication::translate("Places", game::PlaceNames[i].data()),
                          tr("去这里，过一天"));
    }
}

void MainWindow::BuildLists() {
    listIcons_ = ListIconSet();
    marketList_ = Place(new RowList({{tr("商品名称"), 125}, {tr("价格"), 61}}, this), "marketList",
                        Box(103, 0, 186, 121));
    MakeFlat(*marketList_);
    // The two columns are as wide as the list; a scroll bar for the border's two pixels would
    // only hide a row.
    marketList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetAccessibleText(*marketList_, tr("今日市场"));

    carriedList_ =
        Place(new RowList({{tr("商品名称"), 120}, {tr("价格"), 32}, {tr("数量"), 32}}, this),
              "carriedList", Box(327, 0, 186, 121));
    MakeFlat(*carriedList_);
    SetAccessibleText(*carriedList_, tr("随身货物"));
}

void MainWindow::SetTabOrder() {
    // The carried goods first, then the market, the trade buttons, the services and the map.
    QList<QWidget*> order{carriedList_,    marketList_, buyButton_,       sellButton_,
                          hospitalButton_, bankButton_, statementButton_, internetCafeButton_};
    for (QPushButton* button : placeButtons_) {
        order.append(button);
    }
    order.append({agencyButton_, helpButton_});
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    carriedList_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Connect() {
    for (std::size_t i = 0; i < placeButtons_.size(); ++i) {
        connect(placeButtons_[i], &QPushButton::clicked, this,
                [this, i] { TravelTo(static_cast<int>(i)); });
    }
    connect(buyButton_, &QPushButton::clicked, this, &MainWindow::Buy);
    connect(sellButton_, &QPushButton::clicked, this, &MainWindow::Sell);
    connect(marketList_, &RowList::rowActivated, this, &MainWindow::Buy);
    connect(carriedList_, &RowList::rowActivated, this, &MainWindow::Sell);
    connect(hospitalButton_, &QPushButton::clicked, this, &MainWindow::OpenHospital);
    connect(bankButton_, &QPushButton::clicked, this, &MainWindow::OpenBank);
    connect(statementButton_, &QPushButton::clicked, this, &MainWindow::OpenStatement);
    connect(internetCafeButton_, &QPushButton::clicked, this, &MainWindow::OpenInternetCafe);
    connect(agencyButton_, &QPushButton::clicked, this, &MainWindow::OpenAgency);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::OpenHelp);
    connect(nameBox_, &ClickableLabel::Clicked, this, &MainWindow::Rename);
    BuildActions();
}

void MainWindow::BuildActions() {
    // Each action answers its keys in this window and is an item of its context menu. F2
    // renames without the mouse: the name box itself takes no focus, since a focusable label
    // lays its text out as a document, which would load a font before the first frame.
    const auto action = [this](const QString& text, const QKeySequence& keys, auto handler) {
        auto* made = new QAction(text, this);
        made->setShortcut(keys);
        made->setShortcutContext(Qt::WindowShortcut);
        connect(made, &QAction::triggered, this, handler);
        addAction(made);
        menuActions_.append(made);
        return made;
    };
    action(tr("新的旅程(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::StartNewJourney);
    action(tr("今天的旅程(&D)"), QKeySequence(Qt::CTRL | Qt::Key_D),
           &MainWindow::StartTodaysJourney);
    action(tr("同一种子再来(&A)"), QKeySequence(Qt::CTRL | Qt::Key_R),
           &MainWindow::StartThisSeedAgain);
    undoAction_ = action(tr("退回一步(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z), &MainWindow::Undo);
    action(tr("日志(&J)"), QKeySequence(Qt::CTRL | Qt::Key_J), &MainWindow::OpenJournal);
    action(tr("价格簿(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::OpenPriceBook);
    action(tr("富豪榜(&H)"), QKeySequence(Qt::CTRL | Qt::Key_H), &MainWindow::ShowHallOfFame);
    action(tr("统计(&T)"), QKeySequence(Qt::CTRL | Qt::Key_T), &MainWindow::ShowStatistics);
    action(tr("改名(&R)"), QKeySequence(Qt::Key_F2), &MainWindow::Rename);
    action(tr("帮助(&E)"), QKeySequence(Qt::Key_F1), &MainWindow::OpenHelp);
    // Quitting keeps the journey, as closing the window does: it was saved after every action.
    action(tr("退出(&Q)"), QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::close);
    // The desktop's keys for a context menu, where the focus is.
    auto* menuKeys = new QAction(this);
    menuKeys->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    menuKeys->setShortcutContext(Qt::WindowShortcut);
    connect(menuKeys, &QAction::triggered, this, [this] {
        QWidget* at = focusWidget() != nullptr ? focusWidget() : this;
        ShowMenu(at->mapToGlobal(at->rect().center()));
    });
    addAction(menuKeys);
}

void MainWindow::ShowMenu(const QPoint& where) {
    if (endOfRun_.Requested()) {
        return;
    }
    if (menu_ == nullptr) {
        menu_ = new QMenu(tr("潮汐货郎"), this);
        menu_->setObjectName(QStringLiteral("mainMenu"));
        menu_->addActions(menuActions_);
        menu_->insertSeparator(menuActions_.last());
        // The menu shows whether there is anything to take back; Ctrl+Z stays live meanwhile,
        // and does nothing when there is not.
        connect(menu_, &QMenu::aboutToShow, this,
                [this] { undoAction_->setEnabled(game_.CanUndo()); });
        connect(menu_, &QMenu::aboutToHide, this, [this] { undoAction_->setEnabled(true); });
    }
    menu_->popup(where);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    ShowMenu(event->globalPos());
    event->accept();
}

void MainWindow::ShowCaption(const QString& caption) {
    setWindowTitle(caption);
}

void MainWindow::ShowStatus(const StatusValues& status) {
    Furnish();
    ShowValue(*nameBox_, status.name);
    ShowValue(*cashBox_, QString::number(status.cash));
    ShowValue(*debtBox_, QString::number(status.debt));
    ShowValue(*healthBox_, QString::number(status.health));
    ShowValue(*depositBox_, QString::number(status.deposit));
}

void MainWindow::ShowMarket(std::span<const game::GoodsRecord> market) {
    Furnish();
    marketList_->clear();
    for (const game::GoodsRecord& row : market) {
        marketList_->addTopLevelItem(Row({journey::GoodText(row.good), QString::number(row.price)},
                                         listIcons_.value(kMarketImage)));
    }
}

void MainWindow::ShowCarriedGoods(std::span<const game::CarriedGoods> rows) {
    Furnish();
    carriedList_->clear();
    for (const game::CarriedGoods& row : rows) {
        AddCarriedRow(row);
    }
}

void MainWindow::AddCarriedRow(const game::CarriedGoods& row) {
    Furnish();
    carriedList_->addTopLevelItem(Row(CarriedTexts(row), listIcons_.value(kCarriedImage)));
}

void MainWindow::UpdateCarriedRow(int index, const game::CarriedGoods& row) {
    Furnish();
    if (QTreeWidgetItem* item = carriedList_->topLevelItem(index)) {
        const QStringList texts = CarriedTexts(row);
        for (int column = 1; column < texts.size(); ++column) {
            item->setText(column, texts[column]);
        }
    }
}

void MainWindow::RemoveCarriedRow(int index) {
    Furnish();
    carriedList_->RemoveRow(index);
}

void MainWindow::ShowDiary(const QStringList& lines) {
    Diary().ShowEntry(lines);
}

TradeDialog& MainWindow::Trade() {
    if (trade_ == nullptr) {
        trade_ = new TradeDialog(this, game_, endOfRun_);
    }
    return *trade_;
}

DiaryWindow& MainWindow::Diary() {
    if (diary_ == nullptr) {
        diary_ = new DiaryWindow(this, endOfRun_);
    }
    return *diary_;
}

ServiceWindow& MainWindow::Services() {
    if (services_ == nullptr) {
        services_ = new ServiceWindow(this, game_, endOfRun_);
    }
    return *services_;
}

void MainWindow::TravelTo(int place) {
    // Every place is a day's journey like any other: the market of the stop is drawn anew.
    game_.Travel(place);
}

void MainWindow::Buy() {
    if (const auto offer = game_.OpenBuy(marketList_->SelectedRow())) {
        Trade().Trade(*offer);
    }
}

void MainWindow::Sell() {
    if (const auto offer = game_.OpenSell(carriedList_->SelectedRow())) {
        Trade().Trade(*offer);
    }
}

void MainWindow::OpenBank() {
    const auto offer = game_.OpenBank();
    Services().Bank(offer);
}

void MainWindow::OpenHospital() {
    const auto offer = game_.OpenHospital();
    Services().Hospital(offer);
}

void MainWindow::OpenInternetCafe() {
    const auto offer = game_.OpenInternetCafe();
    Services().InternetCafe(offer);
}

void MainWindow::OpenAgency() {
    const auto offer = game_.OpenAgency();
    Services().Agency(offer);
}

void MainWindow::OpenStatement() {
    Services().Statement();
}

void MainWindow::OpenHelp() {
    Services().Help();
}

void MainWindow::Undo() {
    game_.Undo();
}

void MainWindow::Rename() {
    game_.Rename();
}

void MainWindow::ShowHallOfFame() {
    // Read only now: the file costs nothing until the player asks for it.
    const halloffame::Table table = records_.hallOfFame.Read();
    HallOfFameWindow window(table.ranked, std::nullopt, table.problem, &records_.journals, this);
    RunModal(window, endOfRun_);
}

void MainWindow::ShowStatistics() {
    // Read only now, like the hall of fame.
    const statistics::Found found = records_.statistics.Read();
    StatisticsWindow window(found.statistics, found.problem, this);
    RunModal(window, endOfRun_);
}

void MainWindow::ShowJournal(std::span<const game::JournalEntry> journal) {
    // Windows not opened yet read the journal when they are.
    if (journal_ != nullptr) {
        journal_->ShowJournal(journal);
    }
    if (priceBook_ != nullptr) {
        priceBook_->ShowJournal(journal);
    }
}

// The journal and the price book stay open beside the main window while the player plays on, and
// close with the run like every other window.
template <typename Window> void MainWindow::OpenBeside(Window*& window, auto make) {
    if (endOfRun_.Requested()) {
        return;
    }
    if (window == nullptr) {
        window = make();
        // The game's keys work there too: the player plays on with either window active.
        window->addActions(menuActions_);
        connect(&endOfRun_, &EndOfRun::requested, window, &QWidget::close);
    }
    window->ShowJournal(game_.Journal());
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::OpenJournal() {
    OpenBeside(journal_, [this] { return new JournalWindow(tr("日志"), this); });
}

void MainWindow::OpenPriceBook() {
    OpenBeside(priceBook_, [this] { return new PriceBookWindow(this); });
}

void MainWindow::StartAfterAsking(const QString& question, const QString& answer,
                                  std::optional<std::uint32_t> seed) {
    if (!Messages(endOfRun_, this).Confirm(question, answer)) {
        return;
    }
    if (seed) {
        game_.Start(*seed);
    } else {
        game_.Start();
    }
}

void MainWindow::StartNewJourney() {
    StartAfterAsking(tr("放弃这次旅程，重新开始吗？\n这次旅程不会记入富豪榜。"), tr("重新开始"),
                     std::nullopt);
}

void MainWindow::StartTodaysJourney() {
    const QDate today = QDate::currentDate();
    const std::uint32_t seed = game::DailySeed(today.year(), today.month(), today.day());
    StartAfterAsking(tr("放弃这次旅程，开始今天的旅程吗？\n今天人人走同一局（种子 %1）；"
                        "这次旅程不会记入富豪榜。")
                         .arg(seed),
                     tr("今天的旅程"), seed);
}

void MainWindow::StartThisSeedAgain() {
    const std::uint32_t seed = game_.State().seed;
    StartAfterAsking(
        tr("放弃这次旅程，用同一个种子（%1）从头再来吗？\n这次旅程不会记入富豪榜。").arg(seed),
        tr("从头再来"), seed);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window always ends the run, whoever closes it.
    endOfRun_.Request();
    event->accept();
}

} // namespace tp::ui
