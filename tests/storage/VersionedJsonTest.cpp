// SPDX-License-Identifier: MIT
#include "storage/VersionedJson.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace tp::storage {
namespace {

TEST(VersionedObject, IsAnObjectOfItsVersionWithTheVersionTakenOut) {
    const QByteArray whole = R"({"version": 1, "runs": []})";
    EXPECT_EQ(ParseVersionedObject(whole, 1, nullptr)->keys(), QStringList{"runs"});
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("garbage"), QByteArray("\0\0\0\0", 4), QByteArray("\xFF\xFE{"),
          whole.left(whole.size() - 1), QByteArray("[{\"version\": 1}]"), QByteArray("\"text\""),
          QByteArray("{}"), QByteArray(R"({"version": 2})"), QByteArray(R"({"version": "1"})"),
          QByteArray(R"({"version": 1.5})")}) {
        QString reason;
        EXPECT_FALSE(ParseVersionedObject(bytes, 1, &reason).has_value()) << bytes.toStdString();
        EXPECT_FALSE(reason.isEmpty()) << bytes.toStdString();
    }
}

// Reads every field of Whole the way its name says, as a file's reader does.
constexpr char Whole[] = R"({"n": 1, "u": 4294967295, "x": 0.5, "b": true, "t": "a", "l": [],
                             "o": {}, "rows": [{"n": 9}]})";

void ReadAll(Fields& fields) {
    fields.Integer("n", 0, 9);
    fields.Whole<std::uint32_t>("u");
    fields.Number("x");
    fields.Boolean("b");
    fields.Text("t");
    fields.Array("l");
    fields.Object("o");
    fields.EachObject(fields.Array("rows"), "rows", [](Fields& row) { row.Integer("n", 0, 9); });
    fields.NothingElse();
}

TEST(Fields, NameTheFirstFieldThatIsMissingMistypedOrUnknown) {
    const struct {
        const char* change; // fields put in place of Whole's; null removes one
        const char* key;    // the field the failure names
    } table[] = {{R"({"t": null})", "t"},
                 {R"({"t": 5})", "t"},
                 {R"({"n": "5"})", "n"},
                 {R"({"n": 1.5})", "n"},
                 {R"({"n": 10})", "n"},
                 {R"({"u": -1})", "u"},
                 {R"({"u": 4294967296})", "u"},
                 {R"({"x": "0.5"})", "x"},
                 {R"({"b": 1})", "b"},
                 {R"({"l": {}})", "l"},
                 {R"({"o": []})", "o"},
                 {R"({"rows": [{"n": 1}, 2]})", "rows"},
                 {R"({"rows": [{"n": 1, "m": 2}]})", "m"},
                 {R"({"extra": 2})", "extra"},
                 {R"({"n": "a", "t": 5})", "n"}};
    QString failure;
    Fields whole(QJsonDocument::fromJson(Whole).object(), failure);
    ReadAll(whole);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    for (const auto& damage : table) {
        QJsonObject object = QJsonDocument::fromJson(Whole).object();
        const QJsonObject change = QJsonDocument::fromJson(damage.change).object();
        for (auto field = change.begin(); field != change.end(); ++field) {
            object.remove(field.key());
            if (!field->isNull()) {
                object.insert(field.key(), *field);
            }
        }
        Fields fields(object, failure);
        ReadAll(fields);
        EXPECT_TRUE(failure.startsWith(QStringLiteral("\"%1\" ").arg(damage.key)))
            << damage.change << ": " << failure.toStdString();
        failure.clear();
    }
}

} // namespace
} // namespace tp::storage
