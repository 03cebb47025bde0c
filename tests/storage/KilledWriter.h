// SPDX-License-Identifier: MIT
#pragma once

// Runs a writer process that the system kills from outside at the worst moment: when it is about
// to put its new file, written in full beside the old one, in place of it.

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <gtest/gtest.h>

#include <csignal>

namespace tp::storagetest {

struct Ended {
    int exitCode = -1;
    bool killed = false;
    QString out;
};

inline Ended RunKilledBeforeReplacing(const QString& program, const QStringList& arguments) {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    EXPECT_FALSE(strace.isEmpty()) << "strace is one of the test tools";
    QProcess process;
    process.start(
        strace,
        QStringList{QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                    QStringLiteral("-e"), QStringLiteral("trace=rename,renameat,renameat2"),
                    QStringLiteral("-e"),
                    QStringLiteral("inject=rename,renameat,renameat2:signal=KILL"), program} +
            arguments);
    EXPECT_TRUE(process.waitForStarted());
    EXPECT_TRUE(process.waitForFinished(120000));
    // strace ends with the status its program died of, as a shell reports it.
    return {process.exitCode(),
            process.exitStatus() == QProcess::CrashExit || process.exitCode() == 128 + SIGKILL,
            QString::fromUtf8(process.readAllStandardOutput())};
}

} // namespace tp::storagetest
