// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

namespace tp::resources {

// The two faces the windows draw their text in, as TrueType files holding only the characters
// the game's texts use (see fonts/make-fonts.py): a Song serif cut from AR PL UMing CN, with its
// bitmap strikes, and a Hei sans cut from WenQuanYi Zen Hei. They are not compiled into the
// program: each is a file of its own in the game's data folder (DataFolders.h), under the
// licence of the font it was cut from; the two licences may not be combined in one work.
enum class FaceId {
    Song, // family "Tide Peddler Song"
    Hei,  // family "Tide Peddler Hei"
};
inline constexpr std::array kFaceIds{FaceId::Song, FaceId::Hei};

// The face's file name in the data folder.
constexpr std::string_view FaceFileName(FaceId id) {
    return id == FaceId::Song ? "song.ttf" : "hei.ttf";
}

} // namespace tp::resources
