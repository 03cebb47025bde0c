// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

#include <cstdint>
#include <optional>

namespace tp::app {

// What the command line asks for. Without options the game seeds itself from the clock. Every
// action but Play only prints an answer: main() gives it before anything of the windowing
// system is touched, so it works with no display at all. A new option of that kind is one more
// action here, one more branch in ParseOptions and one more case where main() answers.
struct Options {
    enum class Action {
        Play,
        ShowHelp,
        ShowVersion,
        ShowScores,
        ShowStatistics,
        ShowJournal,
        ShowBestRun, // of `seed`, as JSON when `json`
        Fail
    };
    Action action = Action::Play;
    std::optional<std::uint32_t> seed;
    bool json = false;
    QString error;    // one line, for Action::Fail
    QString helpText; // usage, for ShowHelp and after an error
};

// `arguments` as main() gets them, the program first. Needs no QCoreApplication: the help and
// the errors are in the language of `catalogue` (the program's own English without one).
Options ParseOptions(const QStringList& arguments, const QTranslator* catalogue = nullptr);

// `text`, marked with QT_TRANSLATE_NOOP under `context`, in the language of `catalogue`: the
// command line is read before a QCoreApplication could translate anything.
QString Said(const QTranslator* catalogue, const char* context, const char* text);

// A seed is a plain decimal number that fits 32 bits: no sign, no spaces, no separators.
std::optional<std::uint32_t> ParseSeed(const QString& text);

} // namespace tp::app
