// SPDX-License-Identifier: MIT
#include "halloffame/HallOfFameStore.h"

#include "halloffame/FameFile.h"
#include "halloffame/Names.h"
#include "halloffame/Ranking.h"
#include "storage/KeptFiles.h"
#include "storage/KeptLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace tp::halloffame {

namespace {

// How long Record waits for another game to finish writing.
constexpr std::chrono::seconds LockWait{10};

using Loaded = storage::Loaded<FameFileContents>;
using storage::KeptFile;

Loaded Load(const QString& path) {
    return storage::LoadKeptFile(path, MaxFameFileBytes, ParseFameFile);
}

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString SkippedText(int skipped) {
    //: A sentence of its own, which the next may follow: where sentences are spaced, end it with a
    //: space.
    return QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                       "排行榜文件中有 %1 条记录无法识别，已略过。")
        .arg(skipped);
}

QString LockProblem(storage::KeptLock::Taken taken) {
    switch (taken) {
    case storage::KeptLock::Taken::HeldByAnother:
        return QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                           "另一局游戏正在写排行榜，等待超时。");
    case storage::KeptLock::Taken::NotWritable:
        return QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                           "保存排行榜的文件夹不可写。");
    default:
        return QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                           "无法锁定排行榜文件。");
    }
}

QString NotSaved(const QString& why) {
    //: A sentence of its own, which the next may follow: where sentences are spaced, end it with a
    //: space.
    return QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                       "本次成绩未能保存：%1以前的记录没有改动。")
        .arg(why);
}

// The problems, one sentence each, read as one text. Chinese runs its sentences on; a language
// that puts a space between sentences ends each of its own with one, and the last is dropped.
QString Sentences(const QStringList& sentences) {
    QString text = sentences.join(QString());
    while (text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

void WriteToStandardError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

} // namespace

HallOfFameStore::HallOfFameStore(QString path, Log log)
    : path_(std::move(path)), log_(log ? std::move(log) : Log(WriteToStandardError)) {}

QString HallOfFameStore::DefaultPath() {
    const QString folder = storage::DataFolder();
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/hall-of-fame.json");
}

Table HallOfFameStore::Read() const {
    Table table;
    if (path_.isEmpty()) {
        table.problem = QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                                    "找不到保存排行榜的文件夹。");
        return table;
    }
    Loaded loaded = Load(path_);
    if (loaded.state == KeptFile::State::Unusable) {
        table.problem = QCoreApplication::translate(
            "tp::halloffame::HallOfFameStore",
            "排行榜文件已损坏，读不出以前的记录；下次回乡时会把它改名保留，"
            "排行榜重新开始。");
        return table;
    }
    table.ranked = std::move(loaded.contents.runs);
    DropLowest(table.ranked, MaxStoredRuns);
    SortBest(table.ranked);
    if (loaded.contents.skipped > 0) {
        table.problem = Sentences({SkippedText(loaded.contents.skipped)});
    }
    return table;
}

Recorded HallOfFameStore::Record(const Entry& run) {
    Recorded result;
    result.run = run;
    result.run.name = StorableName(run.name);
    QList<Entry> runs; // the kept runs in recorded order, this one last
    QStringList problems;
    bool canWrite = true;

    auto log = [this](const QString& what) {
        log_(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                         "tidepeddler: hall of fame %1: %2")
                 .arg(path_, what));
    };

    storage::KeptLock lock(path_);
    if (path_.isEmpty()) {
        problems << NotSaved(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                                         "找不到保存排行榜的文件夹。"));
        canWrite = false;
    } else if (const QString folder = QFileInfo(path_).absolutePath(); !QDir().mkpath(folder)) {
        problems << NotSaved(
            QCoreApplication::translate("tp::halloffame::HallOfFameStore", "无法建立文件夹 %1。")
                .arg(folder));
        log(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                        "not saved: cannot create the folder"));
        canWrite = false;
    } else if (const auto taken = lock.Take(LockWait); taken != storage::KeptLock::Taken::Ours) {
        problems << NotSaved(LockProblem(taken));
        log(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                        "not saved: cannot lock %1.lock")
                .arg(path_));
        canWrite = false;
    }

    if (!path_.isEmpty()) {
        Loaded loaded = Load(path_);
        const FameFileContents& contents = loaded.contents;
        const QString aside = canWrite && loaded.state == KeptFile::State::Unusable
                                  ? storage::SetAside(path_)
                                  : QString();
        if (loaded.state == KeptFile::State::Unusable) {
            if (!aside.isEmpty()) {
                //: A sentence of its own, which the next may follow: where sentences are spaced,
                //: end it with a space.
                problems << QCoreApplication::translate(
                                "tp::halloffame::HallOfFameStore",
                                "原排行榜文件已损坏，已改名为 %1 保留，排行榜从本次重新开始。")
                                .arg(FileName(aside));
                log(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                                "%1; moved it to %2 and started a new table")
                        .arg(loaded.reason, aside));
            } else if (canWrite) {
                problems << NotSaved(QCoreApplication::translate(
                    "tp::halloffame::HallOfFameStore", "原排行榜文件已损坏，又无法把它移开。"));
                log(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                                "%1; cannot move it aside, not saved")
                        .arg(loaded.reason));
                canWrite = false;
            } else {
                //: A sentence of its own, which the next may follow: where sentences are spaced,
                //: end it with a space.
                problems << QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                                        "原排行榜文件已损坏，读不出以前的记录。");
            }
        } else if (loaded.state == KeptFile::State::Read) {
            // Rows left out or changed, or more runs than are kept, mean a hand-edited file:
            // what was written by hand is kept beside before the table is written back.
            const bool edited = contents.skipped > 0 || contents.altered > 0 ||
                                contents.runs.size() > MaxStoredRuns;
            if (edited && canWrite) {
                const QString copy = storage::SetAside(path_, storage::Aside::Copy);
                if (!copy.isEmpty()) {
                    log(QCoreApplication::translate(
                            "tp::halloffame::HallOfFameStore",
                            "%1 rows left out, %2 changed, %3 kept of %4; the file as "
                            "it was is kept as %5")
                            .arg(contents.skipped)
                            .arg(contents.altered)
                            .arg(std::min(contents.runs.size(), MaxStoredRuns))
                            .arg(contents.runs.size())
                            .arg(copy));
                    if (contents.skipped > 0) {
                        problems << SkippedText(contents.skipped) +
                                        //: A sentence of its own, which the next may follow: where
                                        //: sentences are spaced, end it with a space.
                                        QCoreApplication::translate(
                                            "tp::halloffame::HallOfFameStore", "原文件另存为 %1。")
                                            .arg(FileName(copy));
                    }
                } else {
                    problems << NotSaved(QCoreApplication::translate(
                        "tp::halloffame::HallOfFameStore", "无法另存被手工改动过的排行榜文件。"));
                    log(QCoreApplication::translate(
                        "tp::halloffame::HallOfFameStore",
                        "cannot keep a copy of the edited file, not saved"));
                    canWrite = false;
                }
            } else if (contents.skipped > 0) {
                problems << SkippedText(contents.skipped);
            }
            runs = std::move(loaded.contents.runs);
            DropLowest(runs, MaxStoredRuns);
        }
    }

    // A run already recorded (the program was stopped before it could forget the journey) is
    // shown where it stands, and not recorded again.
    const auto same = std::find_if(runs.cbegin(), runs.cend(), [&](const Entry& kept) {
        return !result.run.journey.isEmpty() && kept.journey == result.run.journey;
    });
    const bool recordedBefore = same != runs.cend();
    if (recordedBefore) {
        result.run = *same;
        QList<Entry> all = runs;
        result.rank = SortBest(all, same - runs.cbegin());
        result.saved = true;
    } else {
        runs.append(result.run);
        QList<Entry> all = runs;
        result.rank = SortBest(all, all.size() - 1);
    }
    DropLowest(runs, MaxStoredRuns);

    if (canWrite && !recordedBefore) {
        QString error;
        if (storage::ReplaceKeptFile(path_, SerializeFameFile(runs), &error)) {
            result.saved = true;
        } else {
            problems << NotSaved(QCoreApplication::translate("tp::halloffame::HallOfFameStore",
                                                             "磁盘已满，或文件无法写入。"));
            log(QCoreApplication::translate("tp::halloffame::HallOfFameStore", "not saved: %1")
                    .arg(error));
        }
    }

    SortBest(runs);
    result.ranked = std::move(runs);
    result.problem = Sentences(problems);
    return result;
}

} // namespace tp::halloffame
