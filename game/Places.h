// SPDX-License-Identifier: MIT
#pragma once

#include "game/Text.h"

#include <array>
#include <string_view>

namespace tp::game {

// The ten places of the map, in the order the journal knows them by; the catalogues know each by
// its name in the game's own language.
inline constexpr std::array<std::string_view, 10> PlaceNames = {
    TP_TEXT("Places", "火车站"), TP_TEXT("Places", "李沧区"), TP_TEXT("Places", "栈桥"),
    TP_TEXT("Places", "东海路"), TP_TEXT("Places", "中山路"), TP_TEXT("Places", "啤酒城"),
    TP_TEXT("Places", "小青岛"), TP_TEXT("Places", "四方区"), TP_TEXT("Places", "李村集贸市场"),
    TP_TEXT("Places", "长途站"),
};

} // namespace tp::game
