#pragma once

#include <QString>

#include <string_view>

namespace tp::ui {

// The game keeps its texts in UTF-8; the windows show them as QString.
inline QString GameText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tp::ui
