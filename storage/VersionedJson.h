// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace tp::storage {

// The top object of a kept file, when its bytes are a JSON object that names the format version
// given; otherwise nothing, and `reason` (when given) says why in a line for the log. A file of
// another version is refused whole: its fields may mean something else.
std::optional<QJsonObject> ParseVersionedObject(const QByteArray& bytes, int version,
                                                QString* reason);

} // namespace tp::storage
