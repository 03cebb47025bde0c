// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace tp::ui::texts {

// The fixed texts of the service window's panels. Their boxes are narrow and never scroll, so
// each language breaks its own lines: the memo shows one line per "\n" piece.
inline constexpr const char* InternetCafe =
    QT_TRANSLATE_NOOP("tp::ui::ServiceWindow", "现在流行网上汇款，挣了\n"
                                               "点钱，还是赶快把欠村长\n"
                                               "的钱给还清了吧！");

inline constexpr const char* Agency =
    QT_TRANSLATE_NOOP("tp::ui::ServiceWindow", "中介老板说，我们这里什么房子都\n"
                                               "有，不过您今天来的真巧，我们这\n"
                                               "里正好有一套适合做买卖用的，可\n"
                                               "以装好多货物，看你一个外地打工\n"
                                               "的不容易，收你10000好了！");

inline constexpr const char* Statement =
    QT_TRANSLATE_NOOP("tp::ui::ServiceWindow", "声明：本故事情节和现实没有任何关系，如果您未满18\n"
                                               "岁，尚未建立是非观念，我强烈建议您退出游戏，本游\n"
                                               "戏只作为娱乐之用，免费提供，您可以随意的传播。\n"
                                               "如果您发现游戏中的错误，或者有什么好的建议，\n"
                                               "欢迎告诉我们，我们会认真听取并不断改进。\n"
                                               "感谢您选择潮汐货郎，祝您玩得开心！");

inline constexpr const char* Help =
    QT_TRANSLATE_NOOP("tp::ui::ServiceWindow", "帮助：本游戏利用商品差价来赚得利润，所以在低价的\n"
                                               "时候买入，在高价时候卖出可以得到不少的利润，买入\n"
                                               "时选择要买的商品，然后双击或者按＝》，卖出同理，\n"
                                               "银行是存钱的地方，每一天有1％的利息，医院是治疗\n"
                                               "的地方，健康不好会OVER的。中介可以买到放货物的场\n"
                                               "所可以增加购买量（默认200），换名字只要点击名字\n"
                                               "即可。换买卖场地选地图上的按钮。");

// Follows the help, after a blank line: the keys of the actions that have no button, each line
// as wide as the help's lines at most.
inline constexpr const char* Keys =
    QT_TRANSLATE_NOOP("tp::ui::ServiceWindow", "按键：\n"
                                               "Ctrl+N 新的旅程　Ctrl+D 今天的旅程\n"
                                               "Ctrl+R 同一种子再来　Ctrl+Z 退回一步\n"
                                               "Ctrl+J 日志　Ctrl+P 价格簿　Ctrl+H 富豪榜\n"
                                               "Ctrl+T 统计　F2 改名　F1 帮助　Ctrl+Q 退出\n"
                                               "Shift+F10、菜单键或右键：打开菜单");

// The internet café's sign: an invented site on a domain reserved for examples.
inline constexpr const char* CafeSite =
    QT_TRANSLATE_NOOP("tp::ui::ServiceWindow", "潮汐网吧 www.chaoxi-wang.example");

} // namespace tp::ui::texts
