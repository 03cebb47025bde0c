// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tp::ui {

// The program's title as plain messages show it: the program file's name without its
// directory, cut at the first "." and with every character after the first in lower case
// ("/usr/bin/tidepeddler" -> "tidepeddler", "Tide.Peddler.bin" -> "Tide",
// "TIDEPEDDLER" -> "Tidepeddler").
QString ApplicationTitleFor(const QString& programPath);

// The title of the running program (from its executable's path).
QString ApplicationTitle();

} // namespace tp::ui
