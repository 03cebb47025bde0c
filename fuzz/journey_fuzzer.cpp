// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the journey file's reader, as a start reads what it finds on disk:
// nothing may crash, and whatever is accepted is a journey play can reach, written back the same.

#include "game/JourneyCheck.h"
#include "journey/JourneyFile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString reason;
    const auto file = tp::journey::ParseJourneyFile(bytes, &reason);
    if (!file) {
        if (reason.isEmpty()) {
            std::abort(); // a refusal always says why
        }
        return 0;
    }
    if (file->journey.has_value() == file->ended.has_value()) {
        std::abort();
    }
    if (file->journey) {
        if (!tp::game::Unreachable(*file->journey).empty()) {
            std::abort();
        }
        const auto again = tp::journey::ParseJourneyFile(
            tp::journey::SerializeJourney(*file->journey, file->id), nullptr);
        if (!again || !again->journey || !(*again->journey == *file->journey)) {
            std::abort();
        }
    } else {
        const auto again = tp::journey::ParseJourneyFile(
            tp::journey::SerializeEndedJourney(*file->ended, file->id), nullptr);
        if (!again || !again->ended || !(*again->ended == *file->ended)) {
            std::abort();
        }
    }
    return 0;
}
