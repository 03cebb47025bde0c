// SPDX-License-Identifier: MIT
#include "ui/toolkit/Memo.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

class MemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        memo.setGeometry(112, 8, 169, 89);
        memo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&memo));
    }

    // Display lines of one text line (block) once laid out at the memo's width.
    int DisplayLines(int line) const {
        return memo.document()->findBlockByNumber(line).layout()->lineCount();
    }

    Memo memo;
};

TEST_F(MemoTest, StartsWithNoLinesAndAddsThemInOrder) {
    EXPECT_TRUE(memo.Lines().isEmpty());
    memo.AddLine(u"2026/12/8 晴"_s);
    memo.AddLine(QString());
    memo.AddLine(u"村长来电话了"_s);
    EXPECT_EQ(memo.Lines(), (QStringList{u"2026/12/8 晴"_s, QString(), u"村长来电话了"_s}));
}

TEST_F(MemoTest, AnEmptyFirstLineIsALine) {
    memo.AddLine(QString());
    EXPECT_EQ(memo.Lines(), QStringList{QString()});
    memo.AddLine(QString());
    EXPECT_EQ(memo.Lines().size(), 2);
}

TEST_F(MemoTest, ClearRemovesEveryLine) {
    memo.AddLine(u"first line"_s);
    memo.Clear();
    EXPECT_TRUE(memo.Lines().isEmpty());
    EXPECT_TRUE(memo.toPlainText().isEmpty());
    memo.AddLine(u"a"_s);
    EXPECT_EQ(memo.Lines(), QStringList{u"a"_s});
}

TEST_F(MemoTest, ATextWithLineBreaksBecomesSeveralLines) {
    memo.AddLine(u"一\n二"_s);
    EXPECT_EQ(memo.Lines(), (QStringList{u"一"_s, u"二"_s}));
}

TEST_F(MemoTest, LongChineseLinesWrapAtTheMemosWidth) {
    const QString story =
        u"你在街上遇到了一个骗子，他骗走了你的钱，你很伤心，决定以后再也不相信陌生人了。"_s;
    memo.AddLine(story);
    QTest::qWait(1);
    EXPECT_GT(DisplayLines(0), 1);
    EXPECT_EQ(memo.Lines(), QStringList{story}) << "wrapping adds display lines, not lines";
    const QString words = u"the quick brown fox jumps over the lazy dog again and again"_s;
    memo.AddLine(words);
    EXPECT_GT(DisplayLines(1), 1);
}

TEST_F(MemoTest, NeverShowsScrollBars) {
    for (int i = 0; i < 40; ++i) {
        memo.AddLine(u"这是一行很长很长很长很长很长很长很长的文字，需要折行显示"_s);
    }
    QTest::qWait(1);
    EXPECT_FALSE(memo.verticalScrollBar()->isVisible());
    EXPECT_FALSE(memo.horizontalScrollBar()->isVisible());
    EXPECT_EQ(memo.verticalScrollBar()->value(), 0) << "the start stays in view";
}

TEST_F(MemoTest, PlayerEditsAreReadBack) {
    memo.setReadOnly(false);
    memo.setFocus();
    QTest::keyClicks(&memo, u"ab"_s);
    EXPECT_EQ(memo.Lines(), QStringList{u"ab"_s});
    memo.selectAll();
    QTest::keyClick(&memo, Qt::Key_Delete);
    EXPECT_TRUE(memo.Lines().isEmpty()) << "an emptied memo has no lines";
}

TEST_F(MemoTest, ReadOnlyIgnoresTyping) {
    memo.setReadOnly(true);
    memo.AddLine(u"x"_s);
    memo.setFocus();
    QTest::keyClicks(&memo, u"ab"_s);
    EXPECT_EQ(memo.Lines(), QStringList{u"x"_s});
}

TEST(MemoFocus, TabMovesTheFocusOnInsteadOfTyping) {
    QWidget window;
    auto* editable = new Memo(&window);
    auto* next = new Memo(&window);
    next->move(0, 100);
    editable->setReadOnly(false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    editable->setFocus();
    QTest::keyClick(editable, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    EXPECT_TRUE(editable->Lines().isEmpty());
}

TEST_F(MemoTest, FlatFrameAndButtonFaceBackground) {
    memo.SetFlat(true);
    EXPECT_EQ(memo.frameShape(), QFrame::Box);
    EXPECT_EQ(memo.frameShadow(), QFrame::Plain);
    const QColor face = memo.palette().color(QPalette::Button);
    memo.SetColor(face);
    EXPECT_EQ(memo.palette().color(QPalette::Base), face);
}

} // namespace
} // namespace tp::ui
