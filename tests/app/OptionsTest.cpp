// SPDX-License-Identifier: MIT
#include "app/Options.h"

#include <gtest/gtest.h>

namespace tp::app {
namespace {

Options Parse(QStringList args) {
    args.prepend(QStringLiteral("tidepeddler"));
    return ParseOptions(args);
}

TEST(ParseSeed, AcceptsEveryThirtyTwoBitNumberAndNothingElse) {
    EXPECT_EQ(ParseSeed(QStringLiteral("0")), 0u);
    EXPECT_EQ(ParseSeed(QStringLiteral("42")), 42u);
    EXPECT_EQ(ParseSeed(QStringLiteral("4294967295")), 4294967295u);
    EXPECT_EQ(ParseSeed(QStringLiteral("0000000007")), 7u);
    for (const char* bad : {"", "4294967296", "99999999999", "-1", "+5", " 5", "5 ", "1,000",
                            "0x10", "1e3", "abc", "４２"}) {
        EXPECT_FALSE(ParseSeed(QString::fromUtf8(bad)).has_value()) << bad;
    }
}

TEST(ParseOptions, PlaysWithoutOptionsAndReplaysWithASeed) {
    Options plain = Parse({});
    EXPECT_EQ(plain.action, Options::Action::Play);
    EXPECT_FALSE(plain.seed.has_value());

    Options seeded = Parse({QStringLiteral("--seed"), QStringLiteral("123")});
    EXPECT_EQ(seeded.action, Options::Action::Play);
    EXPECT_EQ(seeded.seed, 123u);
    EXPECT_EQ(Parse({QStringLiteral("--seed=4294967295")}).seed, 4294967295u);
}

TEST(ParseOptions, ReportsBadInputInOneLine) {
    const QStringList cases[] = {
        {QStringLiteral("--seed"), QStringLiteral("-3")},
        {QStringLiteral("--seed")},
        {QStringLiteral("--seed=4294967296")},
        {QStringLiteral("--colour")},
        {QStringLiteral("extra")},
        {QStringLiteral("--seed=1"), QStringLiteral("--seed=2")},
        // Qt's own options: the command line is read before QApplication could take them.
        {QStringLiteral("--help-all")},
        {QStringLiteral("-platform"), QStringLiteral("offscreen")},
    };
    for (const QStringList& args : cases) {
        const Options o = Parse(args);
        EXPECT_EQ(o.action, Options::Action::Fail) << args.join(' ').toStdString();
        EXPECT_FALSE(o.error.isEmpty());
        EXPECT_FALSE(o.error.contains(QLatin1Char('\n')));
        EXPECT_TRUE(o.helpText.contains(QStringLiteral("--seed")));
    }
}

// No QCoreApplication exists in this test: the program reads its command line before it has
// one, and the usage names the command a player types.
TEST(ParseOptions, AnswersHelpAndVersion) {
    const Options help = Parse({QStringLiteral("--help")});
    EXPECT_EQ(help.action, Options::Action::ShowHelp);
    EXPECT_TRUE(help.helpText.startsWith(QStringLiteral("Usage: tidepeddler [options]\n")))
        << help.helpText.toStdString();
    for (const char* option : {"--version", "-v", "--seed", "--stats"}) {
        EXPECT_TRUE(help.helpText.contains(QString::fromUtf8(option))) << option;
    }
    EXPECT_EQ(Parse({QStringLiteral("-h")}).action, Options::Action::ShowHelp);
    EXPECT_EQ(Parse({QStringLiteral("--version")}).action, Options::Action::ShowVersion);
    EXPECT_EQ(Parse({QStringLiteral("-v")}).action, Options::Action::ShowVersion);
    EXPECT_EQ(Parse({QStringLiteral("--scores")}).action, Options::Action::ShowScores);
    EXPECT_EQ(Parse({QStringLiteral("--stats")}).action, Options::Action::ShowStatistics);
    EXPECT_EQ(Parse({QStringLiteral("--journal")}).action, Options::Action::ShowJournal);
    const Options best =
        Parse({QStringLiteral("--best-run"), QStringLiteral("42"), QStringLiteral("--json")});
    EXPECT_EQ(best.action, Options::Action::ShowBestRun);
    EXPECT_EQ(best.seed, 42u);
    EXPECT_TRUE(best.json);
    EXPECT_EQ(Parse({QStringLiteral("--json")}).action, Options::Action::Fail);
    EXPECT_EQ(Parse({QStringLiteral("--best-run"), QStringLiteral("x")}).action,
              Options::Action::Fail);
    EXPECT_TRUE(help.helpText.contains(QStringLiteral("--scores")));
    // Answering takes precedence over a seed given too.
    EXPECT_EQ(Parse({QStringLiteral("--seed=5"), QStringLiteral("--scores")}).action,
              Options::Action::ShowScores);
    EXPECT_EQ(Parse({QStringLiteral("--seed=5"), QStringLiteral("--help")}).action,
              Options::Action::ShowHelp);
}

} // namespace
} // namespace tp::app
