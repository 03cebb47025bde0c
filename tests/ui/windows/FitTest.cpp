// SPDX-License-Identifier: MIT
// The windows keep their sizes in every language, so every text must fit the space its control
// has: a label's line, a button's caption beside its glyph, a list heading, a line of a fixed
// text box. Walks every window and panel in each language, as a player opens them.

#include "UserInput.h"
#include "WindowsFixture.h"

#include "app/Language.h"
#include "ui/GameFonts.h"
#include "ui/toolkit/RowList.h"
#include <QPlainTextEdit>

#include <QAbstractButton>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QTranslator>

#include <memory>

namespace tp::ui::testing {
namespace {

// What does not fit, one line each: the window, the control, the text and the pixels.
class Overflows {
public:
    void Check(const QWidget& window) {
        const QString where = window.windowTitle();
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&window) || !label->pixmap().isNull() || label->wordWrap()) {
                continue;
            }
            const QFontMetrics metrics(label->font());
            const int room = label->contentsRect().width() - 2 * label->margin();
            for (const QString& line : label->text().split(QLatin1Char('\n'))) {
                Compare(where, *label, line, metrics.horizontalAdvance(line), room);
            }
        }
        for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(&window) || button->text().isEmpty()) {
                continue;
            }
            const QString caption = CaptionRead(*button);
            const QFontMetrics metrics(button->font());
            int needed = metrics.horizontalAdvance(caption);
            int room = button->width();
            if (qobject_cast<const QRadioButton*>(button) != nullptr) {
                room -= button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr,
                                                     button) +
                        button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr,
                                                     button);
            } else {
                // A push button's frame, and the glyph with its gap before the caption.
                room -=
                    2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
                if (!button->icon().isNull()) {
                    needed += button->iconSize().width() + 4;
                }
            }
            Compare(where, *button, caption, needed, room);
        }
        for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
            if (!header->isVisibleTo(&window) || header->model() == nullptr) {
                continue;
            }
            const QFontMetrics metrics(header->font());
            const int margin =
                header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int section = 0; section < header->count(); ++section) {
                const QString text =
                    header->model()->headerData(section, header->orientation()).toString();
                Compare(where, *header, text, metrics.horizontalAdvance(text) + 2 * margin,
                        header->sectionSize(section));
            }
        }
        for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>()) {
            if (!memo->isVisibleTo(&window)) {
                continue;
            }
            // A fixed text is broken into lines that each fit; a story wraps, but must still
            // fit the box, unless the box shows its scroll bar.
            if (memo->verticalScrollBar()->maximum() > 0 &&
                memo->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
                found_ << QStringLiteral("%1 / %2: the text needs a scroll bar: %3")
                              .arg(where, memo->objectName(), memo->toPlainText().left(40));
            }
        }
    }

    const QStringList& Found() const { return found_; }

private:
    void Compare(const QString& where, const QWidget& control, const QString& text, int needed,
                 int room) {
        if (needed > room) {
            found_ << QStringLiteral("%1 / %2: \"%3\" needs %4 px, has %5")
                          .arg(where, control.objectName(), text)
                          .arg(needed)
                          .arg(room);
        }
    }

    QStringList found_;
};

class Fit : public WindowsTest, public ::testing::WithParamInterface<app::Language> {
protected:
    void SetUp() override {
        catalogue_ = app::CatalogueFor(GetParam());
        if (catalogue_) {
            QCoreApplication::installTranslator(catalogue_.get());
        }
    }
    void TearDown() override {
        WindowsTest::TearDown();
        if (catalogue_) {
            QCoreApplication::removeTranslator(catalogue_.get());
        }
    }

    QAbstractButton* ByName(QWidget& window, const char* name) {
        auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }

    // Checks the modal window the next step of the script gets, then closes it with Esc.
    void CheckNextWindow() {
        script.Then([this](QWidget& window) {
            overflows.Check(window);
            Key(window, Qt::Key_Escape);
        });
    }

    Overflows overflows;

private:
    std::unique_ptr<QTranslator> catalogue_;
};

TEST_P(Fit, EveryTextFitsItsControlInEveryWindow) {
    Start(16); // its first journey brings the diary
    overflows.Check(Main());

    // The trade dialog, buying and selling.
    Market()->setCurrentItem(Market()->topLevelItem(0));
    Edit([](game::GameState& s) { s.cash = 1000000; });
    CheckNextWindow();
    Click(ByName(Main(), "buyButton"));
    script.Then([](QWidget& window) { Key(window, Qt::Key_Return); });
    Click(ByName(Main(), "buyButton"));
    Carried()->setCurrentItem(Carried()->topLevelItem(0));
    CheckNextWindow();
    Click(ByName(Main(), "sellButton"));

    // Every service panel, the bank both ways.
    for (const char* service : {"bankButton", "hospitalButton", "internetCafeButton",
                                "agencyButton", "statementButton", "helpButton"}) {
        Edit([](game::GameState& s) { s.health = 50; });
        CheckNextWindow();
        Activate(Main());
        Click(ByName(Main(), service));
    }
    script.Then([this](QWidget& window) {
        Click(ByName(window, "withdrawChoice"));
        overflows.Check(window);
        Key(window, Qt::Key_Escape);
    });
    Activate(Main());
    Click(ByName(Main(), "bankButton"));

    // The diary of a journey, the hall of fame and the rename box.
    script.Then([this](QWidget& window) {
        overflows.Check(window);
        Key(window, Qt::Key_Escape);
    });
    NextJourney(3);
    Click(ByName(Main(), "railwayStationButton"));
    CheckNextWindow();
    Activate(Main());
    Key(Main(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(script.Pending(), 0u);

    EXPECT_TRUE(overflows.Found().isEmpty()) << overflows.Found().join('\n').toStdString();
}

// The check itself: a caption one character too long for its button, a label line too long for
// its label, and a heading too wide for its column are each found; the same that fit are not.
TEST(Overflows, FindsATextWiderThanItsControl) {
    QWidget window;
    window.setFont(SongFont());
    auto* label = new QLabel(QStringLiteral("现金："), &window);
    label->setGeometry(0, 0, 36, 12);
    auto* button = new QPushButton(QStringLiteral("火车站"), &window);
    button->setGeometry(0, 20, 49, 17);
    auto* list = new RowList({{QStringLiteral("价格"), 61}}, &window);
    list->setGeometry(0, 40, 186, 121);
    window.show();
    Overflows fitting;
    fitting.Check(window);
    EXPECT_TRUE(fitting.Found().isEmpty()) << fitting.Found().join('\n').toStdString();

    label->setText(QStringLiteral("现金：\n现金现金"));
    button->setText(QStringLiteral("火车站站站"));
    list->setColumnCount(2);
    list->headerItem()->setText(1, QStringLiteral("一个很长很长的标题"));
    list->setColumnWidth(1, 40);
    Overflows overflowing;
    overflowing.Check(window);
    EXPECT_EQ(overflowing.Found().size(), 3) << overflowing.Found().join('\n').toStdString();
}

std::string LanguageName(const ::testing::TestParamInfo<app::Language>& info) {
    switch (info.param) {
    case app::Language::Simplified:
        return "Simplified";
    case app::Language::Traditional:
        return "Traditional";
    case app::Language::English:
        return "English";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit,
                         ::testing::Values(app::Language::Simplified, app::Language::Traditional,
                                           app::Language::English),
                         LanguageName);

} // namespace
} // namespace tp::ui::testing
