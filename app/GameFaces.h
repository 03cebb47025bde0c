// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <filesystem>
#include <vector>

namespace tp::app {

// Makes the game's own Song and Hei faces (ui/GameFonts.h) known to Qt, mapped from their files
// in the game's data folder (resources/DataFolders.h, found from the program's folder). This
// starts fontconfig, a few milliseconds' work, so the program does it once its main window is
// on its way to the screen; it must be done before anything is drawn. Only the first call does
// anything.
void InstallGameFaces();

// Registers each face from the first of `folders` that has its file, mapped rather than read.
// A face that is missing or is no font is left out: the installed stand-ins draw its text
// instead. Then one line on stderr names what was left out, and the same is returned, a reason
// a face; empty when both faces were installed.
QStringList InstallGameFacesFrom(const std::vector<std::filesystem::path>& folders);

} // namespace tp::app
