// SPDX-License-Identifier: MIT
#include "FakeView.h"
#include "game/Catalogue.h"
#include "game/DailyEvents.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::Fixture;

TEST(Fill, PutsEachValueWhereItsNumberStands) {
    EXPECT_EQ(Fill("%1你在青岛共赚到了:￥%2,", {"阿福", "6200"}), "阿福你在青岛共赚到了:￥6200,");
    EXPECT_EQ(Fill("%2 earned by %1", {"Ah Fu", "6200"}), "6200 earned by Ah Fu");
    EXPECT_EQ(Fill("100% sure, %1%", {"50"}), "100% sure, 50%");
    EXPECT_EQ(Fill("%3 and %1", {"a"}), "%3 and a") << "a number with no value stays";
    EXPECT_EQ(Fill("%1%1", {"%2", "x"}), "%2%2") << "values are not read again";
    EXPECT_EQ(Fill("%", {}), "%");
}

// A view that speaks another language: every sentence the game composes comes out in it, while
// the rules go on naming the goods as they always do.
struct Translated : ::testing::Test, Fixture {
    Translated() {
        auto& t = view.translations;
        t["Game|你壮志未筹身先死，永远的从地球消失了！"] = "You died.";
        t["Game|%1你在青岛共赚到了:￥%2,你高兴的回到了你的故乡"] = "Home with ￥%2, %1!";
        t["Game|潮汐货郎 V1.00            (%1/60)"] = "Tide Peddler (%1/60)";
        t["Game|改名"] = "Rename";
        t["Game|请输入您的姓名:"] = "Your name:";
        t["Game|小二黑"] = "Blackie";
        t["Game|要购买的数量："] = "Buy how many:";
        t["Game|银行存款"] = "Bank Deposit";
        t["Goods|" + std::string(Catalogue[4].name)] = "Shoddy PSUs";
        t["Diary|" + std::string(DailyEvents[1].weather)] = "      Overcast";
        t["Diary|" + std::string(DailyEvents[1].diary)] = "Found a gold ring. Cash +1000";
    }
};

TEST_F(Translated, TheCaptionAndMessagesAreComposedInThePlayersLanguage) {
    Edit([](GameState& s) { s.day = 60; });
    NextJourney(-1);
    game.Travel(0);
    EXPECT_EQ(view.windowCaption, "Tide Peddler (61/60)");
    ASSERT_EQ(view.log.front().kind, "message");
    EXPECT_EQ(view.log.front().text, "Home with ￥2000, 路人甲!");

    Fixture dead;
    dead.view.translations = view.translations;
    dead.Edit([](GameState& s) { s.health = 1; });
    dead.NextJourney(-1);
    dead.game.Travel(0);
    EXPECT_EQ(dead.view.log.front().text, "You died.");
}

TEST_F(Translated, TheDiaryAndTheRenameBoxSpeakIt) {
    NextJourney(1);
    game.Travel(0);
    ASSERT_EQ(view.diaryShown.size(), 3u);
    EXPECT_EQ(view.diaryShown[0], "12/8/26      Overcast");
    EXPECT_EQ(view.diaryShown[2], "Found a gold ring. Cash +1000");
    game.Rename();
    EXPECT_EQ(view.log.back().caption, "Rename");
    EXPECT_EQ(view.log.back().text, "Your name:");
    EXPECT_EQ(view.name, "Blackie");
}

TEST_F(Translated, AnOfferSpeaksItAndTradesTheGoodByItsNumber) {
    Edit([](GameState& s) { s.market[1] = GoodsRecord{s.goods[5].good, 80}; });
    const auto buy = game.OpenBuy(0);
    ASSERT_TRUE(buy.has_value());
    EXPECT_EQ(buy->good, 5);
    EXPECT_EQ(buy->text, "Buy how many:");
    game.ConfirmBuy(*buy, 2);
    ASSERT_EQ(game.State().carried.size(), 1u);
    EXPECT_EQ(game.State().carried[0].good, 5);
    const auto sell = game.OpenSell(0);
    ASSERT_TRUE(sell.has_value());
    EXPECT_EQ(sell->good, 5);
    game.ConfirmSell(*sell, 2);
    EXPECT_TRUE(game.State().carried.empty());
    EXPECT_EQ(game.OpenBank().caption.View(), "Bank Deposit");
}

TEST(StartName, IsTheStartNameOfThePlayersLanguage) {
    testing::FakeView view;
    view.translations["Game|路人甲"] = "Nobody";
    runtime::Random random;
    Game game(view, random);
    game.Start(1);
    EXPECT_EQ(game.State().playerName.View(), "Nobody");
    EXPECT_EQ(view.name, "Nobody");
}

} // namespace
} // namespace tp::game
