// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <vector>

namespace tp::ui {

// The windows ask for the faces "宋体", "Pal宋体" (a Song serif) and "黑体" (a Hei sans),
// which Linux desktops do not have. Left alone, Qt settles on a Latin face and Chinese
// falls back to whatever fontconfig picks.

// Makes the game's own Song and Hei faces known to Qt, mapped from their files in the game's data
// folder (resources/DataFolders.h, found from the program's folder). This starts fontconfig, a
// few milliseconds' work, so the program does it once its main window is on its way to the
// screen; it must be done before anything is drawn. Only the first call does anything.
void InstallGameFaces();

// Registers each face from the first of `folders` that has its file, mapped rather than read.
// A face that is missing or is no font is left out: the stand-ins below draw its text instead.
// Then one line on stderr names what was left out, and the same is returned, a reason a face;
// empty when both faces were installed.
QStringList InstallGameFacesFrom(const std::vector<std::filesystem::path>& folders);

// Registers the stand-ins with QFont's substitution table, so a QFont naming one of the
// faces finds them too. Only strings are stored: no font is loaded here.
void InstallFontSubstitutes();

// Makes the windows' Song face, 12 pixels high, the application's default font, so what the
// windows do not set a font for (message boxes, the input box, a control's inner parts while
// it is being built) looks like the rest and needs no face of the desktop's. No font is loaded.
void SetDefaultGameFont();

// The installed faces that stand in for `face`, best first; {face} for any other face.
QStringList StandInFamilies(const QString& face);

// A font for `face` with the windows' height convention: a negative height is the
// characters' height in pixels, a positive one the cell height (characters plus internal
// leading, i.e. ascent + descent), 0 the default size.
QFont GameFont(const QString& face, int height);

// The characters of `text` that the font's own face has no glyph for (each listed once, in
// order; whitespace ignored). Empty means nothing would be drawn from a fallback face or as
// a missing-glyph box.
QString MissingGlyphs(const QFont& font, const QString& text);

} // namespace tp::ui
