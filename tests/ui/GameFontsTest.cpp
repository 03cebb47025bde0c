// SPDX-License-Identifier: MIT
#include "ui/GameFonts.h"

#include "app/GameFaces.h"

#include "game/Catalogue.h"
#include "game/DailyEvents.h"
#include "resources/DataFolders.h"
#include "tests/translations/CatalogueMessages.h"
#include "tests/ui/MissingGlyphs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

using testing::MissingGlyphs;

// Every fixed text the windows and messages show, besides the goods and the diary stories
// that come from the rules.
const QStringList& WindowTexts() {
    static const QStringList texts{
        u"潮汐货郎 V1.00            (61/60)"_s,
        u"姓名：现金：欠款：健康：存款："_s,
        u"小二黑路人甲"_s,
        u"商品名称价格数量=><="_s,
        u"医院银行声明网吧中介帮助"_s,
        u"火车站李沧区栈桥东海路中山路啤酒城小青岛四方区李村集贸市场长途站"_s,
        u"交易要购买的数量：要卖出的数量：确定(&O)取消(&N)关闭(&C)我的日记本"_s,
        u"银行存款银行取款定期检查作者的声明游戏帮助取款存款太贵算了接受治疗算了还钱买下明白了"_s,
        u"现在流行网上汇款，挣了点钱，还是赶快把欠村长的钱给还清了吧！"_s,
        u"中介老板说，我们这里什么房子都有，不过您今天来的真巧，我们这里正好有一套适合做买卖用的，"
        u"可"
        u"以装好多货物，看你一个外地打工的不容易，收你10000好了！"_s,
        u"声明：本故事情节和现实没有任何关系，如果您未满18岁，尚未建立是非观念，我强烈建议您退出游"
        u"戏，"
        u"本游戏只作为娱乐之用，免费提供，您可以随意的传播。"_s,
        u"帮助：本游戏利用商品差价来赚得利润，所以在低价的时候买入，在高价时候卖出可以得到不少的利"
        u"润，"
        u"买入时选择要买的商品，然后双击或者按＝》，卖出同理，银行是存钱的地方，每一天有1％的利息，"
        u"医院"
        u"是治疗的地方，健康不好会OVER的。中介可以买到放货物的场所可以增加购买量（默认200），换名字"
        u"只要"
        u"点击名字即可。换买卖场地选地图上的按钮。"_s,
        u"你壮志未筹身先死，永远的从地球消失了！你在青岛共赚到了:￥6200,你高兴的回到了你的故乡"_s,
        u"改名请输入您的姓名:OK Cancel 2026/12/8 12/8/26 1,000,000"_s,
        // The hall of fame's window and what it says when the file lets it down.
        u"富豪榜 名次 姓名 金额 欠款 日期 种子 天数 万 亿 关闭 复制(&C) 已复制。本次回乡排第 3 名，"
        u"未进前十。本次成绩未能保存：保存排行榜的文件夹不可写。以前的记录没有改动。"_s,
        u"原排行榜文件已损坏，已改名为 hall-of-fame.json.bad 保留，排行榜从本次重新开始。"
        u"另一局游戏正在写排行榜，等待超时。无法锁定排行榜文件。找不到保存排行榜的文件夹。"_s,
        // The saved journey: the question at start, what a start finds, and starting anew.
        u"潮汐货郎 上次的旅程还没有走完：第 12 天 现金 2000 欠款 3000 接着走，还是重新开始？"
        u"继续(&G) 重新开始(&N)"_s,
        u"保存的旅程已损坏，无法接着走；原文件已改名为 journey.json.bad 保留。新的旅程开始了。"
        u"也无法把它移开。另一局游戏正在进行，保存的旅程归它所有；这一局不会被保存。"
        u"上次的旅程已经走完，成绩已记入富豪榜（按 Ctrl+H 查看）。"_s,
        // The statistics, and what they say when their file lets them down.
        u"统计 走过的旅程 回到故乡 中途身亡 中途放弃 最高金额 平均金额 当前连续回乡 最长连续回乡 "
        u"走过的天数 关闭统计 统计文件已损坏，已改名为 statistics.json.bad "
        u"保留，统计从本次重新开始。"
        u"本次旅程未能记入统计：另一局游戏正在写统计，等待超时。读不出以前的数字"_s,
        u"这次旅程无法保存：磁盘已满，或保存的文件夹不可写。游戏可以接着玩，但关掉以后只能从上次"
        u"保存的地方接着走。放弃这次旅程，重新开始吗？这次旅程不会记入富豪榜。"_s,
    };
    return texts;
}

QStringList GameTexts() {
    QStringList texts = WindowTexts();
    for (const auto& entry : tp::game::Catalogue) {
        texts << QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size()));
    }
    for (const auto& event : tp::game::DailyEvents) {
        texts << QString::fromUtf8(event.weather.data(),
                                   static_cast<qsizetype>(event.weather.size()));
        texts << QString::fromUtf8(event.diary.data(), static_cast<qsizetype>(event.diary.size()));
    }
    for (const QString& language : {u"en"_s, u"zh_TW"_s}) {
        for (const auto& message : tp::testing::CatalogueMessages(language)) {
            texts << message.translation;
        }
    }
    return texts;
}

bool SystemStandInsInstalled() {
    const QStringList families = QFontDatabase::families();
    return families.contains(u"AR PL UMing CN"_s) && families.contains(u"WenQuanYi Zen Hei"_s);
}

class Fonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app::InstallGameFaces(); }
};

TEST_F(Fonts, ResolveToTheGamesOwnFaces) {
    EXPECT_EQ(QFontInfo(SongFont()).family(), u"Tide Peddler Song"_s);
    EXPECT_EQ(QFontInfo(HeiFont()).family(), u"Tide Peddler Hei"_s);
    // Installing twice registers nothing twice.
    app::InstallGameFaces();
    EXPECT_EQ(QFontDatabase::families().count(u"Tide Peddler Song"_s), 1);
}

// The faces are files of their own, found from the program's folder as the installed game finds
// /usr/share/tidepeddler, and read where they lie: mapped, not copied onto the heap.
TEST_F(Fonts, TheFacesAreMappedFromTheDataFolder) {
    const auto folders =
        resources::DataFolders(QCoreApplication::applicationDirPath().toStdString());
    QFile maps(u"/proc/self/maps"_s);
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QString mapped = QString::fromLocal8Bit(maps.readAll());
    for (const char* name : {"song.ttf", "hei.ttf"}) {
        const std::filesystem::path file = resources::FindDataFile(folders, name);
        ASSERT_FALSE(file.empty()) << name << " is in no data folder of this build";
        EXPECT_EQ(file.parent_path().filename(), "tidepeddler");
        EXPECT_TRUE(mapped.contains(QString::fromStdString(file.string()) + u'\n')) << file;
    }
}

// Without its faces the game still starts: it says so in one line and draws from the installed
// fonts. The faces installed for this suite stay the only ones registered.
TEST_F(Fonts, MissingOrBrokenFacesAreLeftOutWithOneLine) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    ::testing::internal::CaptureStderr();
    const QStringList missing = app::InstallGameFacesFrom({empty.path().toStdString()});
    const std::string missingLine = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(missing.size(), 2);
    EXPECT_TRUE(missing[0].startsWith(u"song.ttf is not in "_s)) << missing[0].toStdString();
    EXPECT_TRUE(missing[1].startsWith(u"hei.ttf is not in "_s)) << missing[1].toStdString();
    EXPECT_EQ(std::count(missingLine.begin(), missingLine.end(), '\n'), 1) << missingLine;
    EXPECT_EQ(missingLine.rfind("tidepeddler: ", 0), 0u) << missingLine;

    // A file that is no font, and an empty one.
    QTemporaryDir broken;
    ASSERT_TRUE(broken.isValid());
    QFile song(broken.filePath(u"song.ttf"_s));
    ASSERT_TRUE(song.open(QIODevice::WriteOnly));
    song.write("\0\1\0\0 not a face");
    song.close();
    QFile hei(broken.filePath(u"hei.ttf"_s));
    ASSERT_TRUE(hei.open(QIODevice::WriteOnly));
    hei.close();
    ::testing::internal::CaptureStderr();
    const QStringList unusable =
        app::InstallGameFacesFrom({empty.path().toStdString(), broken.path().toStdString()});
    const std::string unusableLine = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(unusable.size(), 2);
    EXPECT_EQ(unusable[0], song.fileName() + u" is no usable font"_s);
    EXPECT_EQ(unusable[1], hei.fileName() + u" is no usable font"_s);
    EXPECT_EQ(std::count(unusableLine.begin(), unusableLine.end(), '\n'), 1) << unusableLine;

    EXPECT_EQ(QFontDatabase::families().count(u"Tide Peddler Song"_s), 1);
    EXPECT_EQ(QFontInfo(SongFont()).family(), u"Tide Peddler Song"_s);
}

// The status block's boxes were drawn for figures whose cell, ascent plus descent, is 12 pixels.
TEST_F(Fonts, TheFiguresFaceHasATwelvePixelCell) {
    const QFontMetricsF metrics(HeiFont());
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), 12, 1.0);
}

// The game's faces hold only the characters its sources and catalogues use: a new text needs
// resources/fonts/make-fonts.py run again, and this is where that shows. The Hei face draws only
// the status figures, which may be negative and run up to 2147483647.
TEST_F(Fonts, EveryGameTextHasGlyphsInTheGamesOwnFaces) {
    const QStringList texts = GameTexts();
    ASSERT_GT(texts.size(), 600) << "the catalogues were not read";
    const QFont font = SongFont();
    ASSERT_TRUE(QFontInfo(font).family().startsWith(u"Tide Peddler"_s));
    for (const QString& text : texts) {
        EXPECT_EQ(MissingGlyphs(font, text), QString()) << text.toStdString();
    }
    const QFont figures = HeiFont();
    ASSERT_EQ(QFontInfo(figures).family(), u"Tide Peddler Hei"_s);
    EXPECT_EQ(MissingGlyphs(figures, u"-2147483648 0123456789"_s), QString());
}

TEST_F(Fonts, MissingGlyphsFindsWhatAFaceLacks) {
    // Private-use code points have no glyph in any face; 龘 is in the installed fonts but in no
    // text of the game.
    const QString text = u"现金\uE000\uE000x龘"_s;
    EXPECT_EQ(MissingGlyphs(SongFont(), text), u"\uE000龘"_s);
    EXPECT_EQ(MissingGlyphs(HeiFont(), text), u"现金\uE000龘"_s);
}

// A name the player types is not limited to the game's characters: those the game's faces lack
// are drawn from the installed stand-ins, not as boxes.
TEST_F(Fonts, TypedCharactersOutsideTheGamesFacesComeFromTheSystemStandIns) {
    if (!SystemStandInsInstalled()) {
        GTEST_SKIP() << "fonts-arphic-uming or fonts-wqy-zenhei is not installed";
    }
    for (const QFont& font : {SongFont(), HeiFont()}) {
        const QFontMetrics metrics(font);
        EXPECT_TRUE(metrics.inFont(QChar(u'龘'))) << font.family().toStdString();
        EXPECT_GT(metrics.horizontalAdvance(u"龘"_s), 6) << font.family().toStdString();
    }
}

} // namespace
} // namespace tp::ui
