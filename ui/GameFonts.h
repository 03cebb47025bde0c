// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

namespace tp::ui {

// The windows' two faces: a Song serif for their text and a Hei sans for the status block's
// figures. Each is the game's own face (installed at start-up from the game's data folder),
// then installed Song/Ming serifs or Hei sans, and last the other style, so Chinese text still
// has a face where only one kind is installed.

// The Song face 12 pixels high, the windows' text.
QFont SongFont();
// The Hei face 10 pixels high, the status block's figures.
QFont HeiFont();

// Makes SongFont() the application's default, so what the windows set no font for (message
// boxes, the input box, a control's inner parts while it is being built) looks like the rest
// and needs no face of the desktop's. No font is loaded.
void SetDefaultGameFont();

} // namespace tp::ui
