// SPDX-License-Identifier: MIT
#include "ui/GameFonts.h"

#include <QApplication>

namespace tp::ui {

namespace {

// The game's own face first, then installed ones of the same style, then of the other: a
// character the game's faces lack (one in a typed name) is drawn from the next that has it.
const QStringList& SongFamilies() {
    static const QStringList families{
        QStringLiteral("Tide Peddler Song"),  QStringLiteral("AR PL UMing CN"),
        QStringLiteral("AR PL UMing TW"),     QStringLiteral("AR PL SungtiL GB"),
        QStringLiteral("Noto Serif CJK SC"),  QStringLiteral("Source Han Serif SC"),
        QStringLiteral("WenQuanYi Zen Hei"),  QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Droid Sans Fallback")};
    return families;
}

const QStringList& HeiFamilies() {
    static const QStringList families{
        QStringLiteral("Tide Peddler Hei"),    QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback"),
        QStringLiteral("AR PL UMing CN")};
    return families;
}

QFont Face(const QStringList& families, QFont::StyleHint style, int pixels) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(style);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

QFont SongFont() {
    return Face(SongFamilies(), QFont::Serif, 12);
}

QFont HeiFont() {
    // The figures' boxes were drawn for a face whose cell (ascent plus descent, 1.26 times its
    // pixel size in the game's Hei) is 12 pixels high.
    return Face(HeiFamilies(), QFont::SansSerif, 10);
}

void SetDefaultGameFont() {
    QApplication::setFont(SongFont());
}

} // namespace tp::ui
