// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <limits>
#include <optional>

namespace tp::storage {

// The top object of a kept file, when its bytes are a JSON object that names the format version
// given; otherwise nothing, and `reason` (when given) says why in a line for the log. A file of
// another version is refused whole: its fields may mean something else. The version is taken out
// of the object returned, so that what is left are the fields the file's reader knows.
std::optional<QJsonObject> ParseVersionedObject(const QByteArray& bytes, int version,
                                                QString* reason);
// Likewise for a reader that knows each version from `oldest` to `newest`; `version` is set to the
// one the file names.
std::optional<QJsonObject> ParseVersionedObject(const QByteArray& bytes, int oldest, int newest,
                                                int& version, QString* reason);

// Reads the fields of one object strictly, remembering in `failure` the first that is missing or
// of the wrong kind; every read after that returns a harmless value, and the caller asks at the
// end whether all went well. Objects read with one `failure` fail together.
class Fields {
public:
    Fields(QJsonObject object, QString& failure) : object_(std::move(object)), failure_(failure) {}

    // A finite number: out of range or fractional is the caller's to judge.
    double Number(const QString& key);
    qint64 Integer(const QString& key, qint64 lowest, qint64 highest);
    template <typename Int> Int Whole(const QString& key) {
        return static_cast<Int>(
            Integer(key, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
    }
    bool Boolean(const QString& key);
    QString Text(const QString& key);
    QJsonArray Array(const QString& key);
    QJsonObject Object(const QString& key);
    // A field that may be missing or that the caller judges leniently: never a failure.
    QJsonValue Value(const QString& key);

    // Reads each object of `array`, the list at `key`, through `read(Fields&)`; anything in the
    // list that is not an object, or that holds a field `read` did not read, is a failure.
    template <typename Read>
    void EachObject(const QJsonArray& array, const QString& key, Read read) {
        for (const QJsonValue& value : array) {
            if (Failed()) {
                return;
            }
            if (!value.isObject()) {
                return FailNotAnObject(key);
            }
            Fields row(value.toObject(), failure_);
            read(row);
            row.NothingElse();
        }
    }

    // Refuses the object when it holds a field not read so far: the game writes none such, so
    // the file was written by someone else.
    void NothingElse();

    void Fail(const QString& key, const QString& what);
    bool Failed() const { return !failure_.isEmpty(); }

private:
    void FailNotAnObject(const QString& key);
    QJsonValue Read(const QString& key);

    QJsonObject object_;
    QString& failure_;
    QSet<QString> read_;
};

} // namespace tp::storage
