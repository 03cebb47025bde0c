// SPDX-License-Identifier: MIT
#include "ui/GameFonts.h"

#include <QApplication>

namespace tp::ui {

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

QFont SongFont() {
    QFont font;
    font.setFamilies(SongFamilies());
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(12);
    return font;
}

QFont HeiFont() {
    // The figures' boxes were drawn for a face whose cell (ascent plus descent, 1.26 times its
    // pixel size in the game's Hei) is 12 pixels high.
    QFont font;
    font.setFamilies(HeiFamilies());
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    return font;
}

void SetDefaultGameFont() {
    QApplication::setFont(SongFont());
}

} // namespace tp::ui
