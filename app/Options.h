#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tp::app {

// What the command line asks for. Without options the game seeds itself from the clock.
struct Options {
    enum class Action { Play, ShowHelp, ShowVersion, Fail };
    Action action = Action::Play;
    std::optional<std::uint32_t> seed;
    QString error;    // one line, for Action::Fail
    QString helpText; // usage, for ShowHelp and after an error
};

Options ParseOptions(const QStringList& arguments);

// A seed is a plain decimal number that fits 32 bits: no sign, no spaces, no separators.
std::optional<std::uint32_t> ParseSeed(const QString& text);

} // namespace tp::app
