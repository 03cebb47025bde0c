// SPDX-License-Identifier: MIT
#include "storage/KeptLock.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tp::storage {
namespace {

using namespace std::chrono_literals;
using Taken = KeptLock::Taken;

TEST(KeptLock, KeepsASecondHolderOutUntilTheFirstLetsGo) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.json"));
    KeptLock first(path);
    KeptLock second(path);
    EXPECT_EQ(first.Take(), Taken::Ours);
    EXPECT_EQ(first.Take(), Taken::Ours) << "taking again keeps it";
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(second.Take(100ms), Taken::HeldByAnother);
    EXPECT_GE(std::chrono::steady_clock::now() - asked, 100ms) << "it waited for the holder";
    first.Release();
    EXPECT_EQ(second.Take(), Taken::Ours);
    EXPECT_EQ(KeptLock(dir.filePath(QStringLiteral("none/kept.json"))).Take(), Taken::Failed);

    // Any program's lock of the file keeps a game out until it is killed; -o leaves the lock
    // with flock itself rather than the command it waits for.
    second.Release();
    QProcess holder;
    holder.start(QStringLiteral("flock"), {QStringLiteral("-o"), path + QStringLiteral(".lock"),
                                           QStringLiteral("-c"), QStringLiteral("echo; exec cat")});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    EXPECT_EQ(first.Take(), Taken::HeldByAnother);
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(30000));
    EXPECT_EQ(first.Take(50ms), Taken::Ours);
}

} // namespace
} // namespace tp::storage
