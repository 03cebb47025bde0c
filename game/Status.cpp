// SPDX-License-Identifier: MIT
#include "game/Game.h"
#include "game/Saturate.h"

#include <array>
#include <charconv>

namespace tp::game {

namespace {

constexpr std::string_view DeathMessage = TP_TEXT("Game", "你壮志未筹身先死，永远的从地球消失了！");
// %1 is the name on the label, %2 the cash plus the deposit.
constexpr std::string_view HomeMessage =
    TP_TEXT("Game", "%1你在青岛共赚到了:￥%2,你高兴的回到了你的故乡");
// %1 is the day.
constexpr std::string_view CaptionPattern = TP_TEXT("Game", "潮汐货郎 V1.00            (%1/60)");

// The digits of a value, written into `digits`.
std::string_view Digits(std::array<char, 24>& digits, std::int64_t value) {
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    return std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data()));
}

} // namespace

void Game::RefreshStatus() {
    if (state_.day % 10 == 0) {
        state_.debt = SaturatingAdd(state_.debt, 1000);
    }
    const std::int32_t amount = SaturatingAdd(state_.cash, state_.deposit);
    if (RunIsOver(state_)) {
        // A peddler who died on the way home is not ranked, though both messages are shown.
        if (state_.day > LastDay && state_.health > 0) {
            RecordFinishedRun(amount);
        }
        // An event's day refreshes twice: the end is journaled once.
        const bool journaled =
            !journal_.empty() && (journal_.back().kind == JournalEntry::Kind::Home ||
                                  journal_.back().kind == JournalEntry::Kind::Death);
        if (!journaled) {
            JournalEntry end;
            end.kind = state_.health > 0 ? JournalEntry::Kind::Home : JournalEntry::Kind::Death;
            end.quantity = end.kind == JournalEntry::Kind::Home ? amount : 0;
            Note(Figures(std::move(end)));
        }
        // The end is kept before it is told: a program killed while the farewell is on screen
        // does not come back to the day before it.
        keeper_.JourneyMoved(*this);
    }
    if (state_.health <= 0) {
        view_.Tell(Say(DeathMessage));
        view_.CloseMainWindow();
    }
    if (state_.day > LastDay) {
        // The name comes from the label, so a name typed just before the last journey is the
        // one the farewell uses.
        std::array<char, 24> digits{};
        view_.Tell(Fill(Say(HomeMessage), {nameLabel_, Digits(digits, amount)}));
        view_.CloseMainWindow();
    }
    nameLabel_.assign(state_.playerName.View());
    WriteCaption();
    ShowStatus();
}

void Game::RecordFinishedRun(std::int32_t amount) {
    RecordDaysGoneBy();
    FinishedRun run;
    run.name = nameLabel_;
    run.amount = amount;
    run.debt = state_.debt;
    run.seed = state_.seed;
    run.days = state_.day;
    // Past the last day, the days gone by run to the day of the return home.
    run.dailyWorth = state_.dailyWorth;
    finished_ = std::move(run);
}

void Game::WriteCaption() {
    std::array<char, 24> digits{};
    caption_.clear();
    AppendFilled(caption_, Say(CaptionPattern), {Digits(digits, state_.day)});
}

std::string_view Game::Say(std::string_view text) const {
    return view_.Translated("Game", text);
}

void Game::ShowStatus() {
    view_.ShowStatus(StatusDisplay{caption_, nameLabel_, state_.cash, state_.debt, state_.health,
                                   state_.deposit});
}

void Game::Rename() {
    // The input box holds at most this many characters; a longer answer is cut the same way.
    constexpr std::size_t NameBoxCharacters = 255;
    const std::string typed =
        view_.AskText(Say(TP_TEXT("Game", "改名")), Say(TP_TEXT("Game", "请输入您的姓名:")),
                      Say(TP_TEXT("Game", "小二黑")));
    nameLabel_.assign(CutToCharacters(typed, NameBoxCharacters));
    JournalEntry renamed;
    renamed.kind = JournalEntry::Kind::Rename;
    renamed.day = state_.day;
    renamed.name = nameLabel_;
    Note(std::move(renamed));
    // A renaming cannot be undone, and what came before it is no longer taken back past it.
    undoable_.clear();
    ShowStatus();
    keeper_.JourneyMoved(*this);
}

} // namespace tp::game
