// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"
#include "game/Text.h"

namespace tp::game {

const std::array<CatalogueEntry, 15> Catalogue = {{
    {TP_TEXT("Goods", "盗版CD、VCD"), 10},
    {TP_TEXT("Goods", "假冒名牌化妆品"), 500},
    {TP_TEXT("Goods", "打磨过的内存条"), 300},
    {TP_TEXT("Goods", "盗版计算机书籍"), 20},
    {TP_TEXT("Goods", "劣质计算机电源"), 80},
    {TP_TEXT("Goods", "杂牌MP3播放器"), 400},
    {TP_TEXT("Goods", "走私进口汽车"), 100000},
    {TP_TEXT("Goods", "走私名牌酒和香烟"), 200},
    {TP_TEXT("Goods", "进口高清晰DVD影碟"), 20},
    {TP_TEXT("Goods", "《日本美女写真》"), 20},
    {TP_TEXT("Goods", "假冒P4名牌电脑"), 5000},
    {TP_TEXT("Goods", "低纯度的白金项链"), 1000},
    {TP_TEXT("Goods", "含有高甲醇的白酒"), 50},
    {TP_TEXT("Goods", "仿制的古玩、古董"), 10000},
    {TP_TEXT("Goods", "劣质\"三无\"空调"), 4000},
}};

} // namespace tp::game
