// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"

namespace tp::game {

const std::array<CatalogueEntry, 15> Catalogue = {{
    {"盗版CD、VCD", 10},
    {"假冒名牌化妆品", 500},
    {"打磨过的内存条", 300},
    {"盗版计算机书籍", 20},
    {"劣质计算机电源", 80},
    {"杂牌MP3播放器", 400},
    {"走私进口汽车", 100000},
    {"走私名牌酒和香烟", 200},
    {"进口高清晰DVD影碟", 20},
    {"《日本美女写真》", 20},
    {"假冒P4名牌电脑", 5000},
    {"低纯度的白金项链", 1000},
    {"含有高甲醇的白酒", 50},
    {"仿制的古玩、古董", 10000},
    {"劣质\"三无\"空调", 4000},
}};

} // namespace tp::game
