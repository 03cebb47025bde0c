// SPDX-License-Identifier: MIT
// Keeps a journey in a journey file from a process of its own, so tests can kill it from outside
// in the middle of a write, hold the claim while another game starts, or take away what it may
// do.
//
//   tp_journey_writer FILE SAMPLE [--count N] [--hold] [--file-size-limit BYTES]
//                     [--without-file-override]
//
// SAMPLE (0 or 1) picks one of two journeys; --count saves it N times, alternating with the other
// one and ending with SAMPLE (0 for ever); --hold takes the claim, says so and waits to be killed.
// Prints the claim ("ours", "held-by-another" or "unavailable") and then one line per save
// ("saved" or "not-saved"); exits 0 when every save landed, 3 otherwise.

#include "journey/JourneyStore.h"
#include "tests/journey/JourneySamples.h"
#include "tests/storage/ProcessLimits.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

const char* ClaimName(tp::journey::JourneyStore::Claim claim) {
    switch (claim) {
    case tp::journey::JourneyStore::Claim::Ours:
        return "ours";
    case tp::journey::JourneyStore::Claim::HeldByAnother:
        return "held-by-another";
    case tp::journey::JourneyStore::Claim::Unavailable:
        return "unavailable";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fputs("usage: tp_journey_writer FILE SAMPLE [options]\n", stderr);
        return 2;
    }
    const QString path = args.takeFirst();
    const int sample = args.takeFirst().toInt() == 0 ? 0 : 1;
    int count = 1;
    bool hold = false;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--count") && !args.isEmpty()) {
            count = args.takeFirst().toInt();
        } else if (option == QLatin1String("--hold")) {
            hold = true;
        } else if (option == QLatin1String("--file-size-limit") && !args.isEmpty()) {
            if (!tp::storagetest::LimitFileSize(args.takeFirst().toULong())) {
                return 2;
            }
        } else if (option == QLatin1String("--without-file-override")) {
            if (!tp::storagetest::DropFileOverrides()) {
                return 2;
            }
        } else {
            return 2;
        }
    }

    const tp::game::SavedJourney journeys[2] = {tp::journey::testing::PlayedJourney(1, 30),
                                                tp::journey::testing::PlayedJourney(2, 60)};
    tp::journey::JourneyStore store(path);
    std::printf("%s\n", ClaimName(store.Take()));
    std::fflush(stdout);
    if (hold) {
        for (;;) {
            pause();
        }
    }
    bool allSaved = true;
    for (int i = 0; count == 0 || i < count; ++i) {
        // The last save is of SAMPLE; the ones before alternate, so every save changes the file.
        const int which = count == 0 ? (sample + i) % 2 : (sample + count - 1 - i) % 2;
        const bool saved = store.Save(journeys[which], tp::journey::testing::SampleId);
        allSaved = allSaved && saved;
        std::printf(saved ? "saved\n" : "not-saved\n");
        std::fflush(stdout);
    }
    return allSaved ? 0 : 3;
}
