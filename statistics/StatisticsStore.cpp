// SPDX-License-Identifier: MIT
#include "statistics/StatisticsStore.h"

#include "statistics/StatisticsFile.h"
#include "storage/KeptFiles.h"
#include "storage/KeptLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <chrono>
#include <cstdio>

namespace tp::statistics {

namespace {

// How long Record waits for another game to finish writing.
constexpr std::chrono::seconds LockWait{10};

using storage::KeptFile;

QString Say(const char* text) {
    return QCoreApplication::translate("tp::statistics::StatisticsStore", text);
}

storage::Loaded<Statistics> Load(const QString& path) {
    return storage::LoadKeptFile(path, MaxStatisticsFileBytes, ParseStatisticsFile);
}

QString NoFolder() {
    return Say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore", "找不到保存统计的文件夹。"));
}

QString LockProblem(storage::KeptLock::Taken taken) {
    switch (taken) {
    case storage::KeptLock::Taken::HeldByAnother:
        return Say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore",
                                     "另一局游戏正在写统计，等待超时。"));
    case storage::KeptLock::Taken::NotWritable:
        return Say(
            QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore", "保存统计的文件夹不可写。"));
    default:
        return Say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore", "无法锁定统计文件。"));
    }
}

void WriteToStandardError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

} // namespace

StatisticsStore::StatisticsStore(QString path, Log log)
    : path_(std::move(path)), log_(log ? std::move(log) : Log(WriteToStandardError)) {}

QString StatisticsStore::DefaultPath() {
    const QString folder = storage::DataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/statistics.json");
}

Found StatisticsStore::Read() const {
    Found found;
    if (path_.isEmpty()) {
        found.problem = NoFolder();
        return found;
    }
    const auto loaded = Load(path_);
    if (loaded.state == KeptFile::State::Unusable) {
        found.problem = QCoreApplication::translate(
            "tp::statistics::StatisticsStore",
            "统计文件已损坏，读不出以前的数字；下次旅程结束时会把它改名保留，统计重新开始。");
    }
    found.statistics = loaded.contents;
    return found;
}

Recorded StatisticsStore::Record(Outcome outcome, std::int32_t amount, int daysTravelled) {
    Recorded result;
    QStringList problems;
    QString notSaved; // why the file cannot hold this journey; empty while it still may

    auto log = [this](const QString& what) {
        log_(QCoreApplication::translate("tp::statistics::StatisticsStore",
                                         "tidepeddler: statistics %1: %2")
                 .arg(path_, what));
    };

    storage::KeptLock lock(path_);
    if (path_.isEmpty()) {
        notSaved = NoFolder();
    } else if (const QString folder = QFileInfo(path_).absolutePath(); !QDir().mkpath(folder)) {
        notSaved = Say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore", "无法建立文件夹 %1。"))
                       .arg(folder);
        log(QCoreApplication::translate("tp::statistics::StatisticsStore",
                                        "not saved: cannot create the folder"));
    } else if (const auto taken = lock.Take(LockWait); taken != storage::KeptLock::Taken::Ours) {
        notSaved = LockProblem(taken);
        log(QCoreApplication::translate("tp::statistics::StatisticsStore",
                                        "not saved: cannot lock %1.lock")
                .arg(path_));
    }

    Statistics before;
    if (!path_.isEmpty()) {
        const auto loaded = Load(path_);
        if (loaded.state != KeptFile::State::Unusable) {
            before = loaded.contents;
        } else if (!notSaved.isEmpty()) {
            // Only the game that holds the lock moves the file: another may be writing it.
            //: A sentence of its own, which the next may follow: where sentences are spaced, end
            //: it with a space.
            problems << QCoreApplication::translate("tp::statistics::StatisticsStore",
                                                    "统计文件已损坏，读不出以前的数字。");
        } else if (const QString aside = storage::SetAside(path_); !aside.isEmpty()) {
            //: A sentence of its own, which the next may follow: where sentences are spaced, end
            //: it with a space.
            problems << QCoreApplication::translate(
                            "tp::statistics::StatisticsStore",
                            "统计文件已损坏，已改名为 %1 保留，统计从本次重新开始。")
                            .arg(QFileInfo(aside).fileName());
            log(QCoreApplication::translate("tp::statistics::StatisticsStore",
                                            "%1; moved it to %2 and started counting afresh")
                    .arg(loaded.reason, aside));
        } else {
            notSaved = Say(QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore",
                                             "统计文件已损坏，又无法把它移开。"));
            log(QCoreApplication::translate("tp::statistics::StatisticsStore",
                                            "%1; cannot move it aside, not saved")
                    .arg(loaded.reason));
        }
    }
    result.statistics = AddJourney(before, outcome, amount, daysTravelled);

    if (notSaved.isEmpty()) {
        QString error;
        result.saved =
            storage::ReplaceKeptFile(path_, SerializeStatisticsFile(result.statistics), &error);
        if (!result.saved) {
            notSaved = Say(
                QT_TRANSLATE_NOOP("tp::statistics::StatisticsStore", "磁盘已满，或文件无法写入。"));
            log(QCoreApplication::translate("tp::statistics::StatisticsStore", "not saved: %1")
                    .arg(error));
        }
    }
    if (!notSaved.isEmpty()) {
        problems << QCoreApplication::translate("tp::statistics::StatisticsStore",
                                                "本次旅程未能记入统计：%1")
                        .arg(notSaved);
    }
    // Chinese runs its sentences on; a language that spaces them ends each with a space.
    result.problem = problems.join(QString()).trimmed();
    return result;
}

} // namespace tp::statistics
