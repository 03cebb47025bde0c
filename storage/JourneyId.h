// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tp::storage {

// Every journey has a name of its own, kept with it and with the run it ends in, so that the
// hall of fame can tell a run it already holds. A new one is random: lower-case hexadecimal
// digits and dashes.
QString NewJourneyId();

// Whether `text` is a journey's name as NewJourneyId makes them: at most 64 lower-case
// hexadecimal digits and dashes.
bool IsJourneyId(const QString& text);

} // namespace tp::storage
