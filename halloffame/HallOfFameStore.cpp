// SPDX-License-Identifier: MIT
#include "halloffame/HallOfFameStore.h"

#include "halloffame/FameFile.h"
#include "halloffame/Names.h"
#include "halloffame/Ranking.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace tp::halloffame {

namespace {

enum class FileState { Missing, Usable, Damaged };

struct Loaded {
    FileState state = FileState::Missing;
    FameFileContents contents;
    QString reason; // why the file is damaged, for standard error
};

Loaded Damaged(const QString& reason) {
    Loaded loaded;
    loaded.state = FileState::Damaged;
    loaded.reason = reason;
    return loaded;
}

Loaded Load(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    // A folder, a pipe (which would block the read) or a device is nothing the game wrote.
    if (!info.isFile()) {
        return Damaged(QStringLiteral("not a regular file"));
    }
    if (info.size() > MaxFameFileBytes) {
        return Damaged(QStringLiteral("larger than %1 bytes").arg(MaxFameFileBytes));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Damaged(QStringLiteral("cannot be read: %1").arg(file.errorString()));
    }
    // Bounded even if the file grows after it was measured.
    const QByteArray bytes = file.read(MaxFameFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return Damaged(QStringLiteral("cannot be read: %1").arg(file.errorString()));
    }
    if (bytes.size() > MaxFameFileBytes) {
        return Damaged(QStringLiteral("larger than %1 bytes").arg(MaxFameFileBytes));
    }
    QString reason;
    auto contents = ParseFameFile(bytes, &reason);
    if (!contents) {
        return Damaged(reason);
    }
    Loaded loaded;
    loaded.state = FileState::Usable;
    loaded.contents = std::move(*contents);
    return loaded;
}

// A name beside `path` for keeping a file the game will not use as it is.
QString AsideName(const QString& path) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = QStringLiteral("%1.%2.bad").arg(path, stamp);
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n) {
        candidate = QStringLiteral("%1.%2-%3.bad").arg(path, stamp).arg(n);
    }
    return candidate;
}

QString FileName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString SkippedText(int skipped) {
    return QStringLiteral("排行榜文件中有 %1 条记录无法识别，已略过。").arg(skipped);
}

QString LockProblem(QLockFile::LockError error) {
    switch (error) {
    case QLockFile::LockFailedError:
        return QStringLiteral("另一局游戏正在写排行榜，等待超时。");
    case QLockFile::PermissionError:
        return QStringLiteral("保存排行榜的文件夹不可写。");
    default:
        return QStringLiteral("无法锁定排行榜文件。");
    }
}

QString NotSaved(const QString& why) {
    return QStringLiteral("本次成绩未能保存：%1以前的记录没有改动。").arg(why);
}

void WriteToStandardError(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

} // namespace

HallOfFameStore::HallOfFameStore(QString path, Log log)
    : path_(std::move(path)), log_(log ? std::move(log) : Log(WriteToStandardError)) {}

QString HallOfFameStore::DefaultPath() {
    // The application is "tidepeddler" with no organisation, so this is its AppDataLocation;
    // spelt out so that the place does not depend on the name the program was started under.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty()) {
        return {};
    }
    return data + QStringLiteral("/tidepeddler/hall-of-fame.json");
}

Table HallOfFameStore::Read() const {
    Table table;
    if (path_.isEmpty()) {
        table.problem = QStringLiteral("找不到保存排行榜的文件夹。");
        return table;
    }
    Loaded loaded = Load(path_);
    if (loaded.state == FileState::Damaged) {
        table.problem =
            QStringLiteral("排行榜文件已损坏，读不出以前的记录；下次回乡时会把它改名保留，"
                           "排行榜重新开始。");
        return table;
    }
    table.ranked = std::move(loaded.contents.runs);
    DropLowest(table.ranked, MaxStoredRuns);
    SortBest(table.ranked);
    if (loaded.contents.skipped > 0) {
        table.problem = SkippedText(loaded.contents.skipped);
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
        log_(QStringLiteral("tidepeddler: hall of fame %1: %2").arg(path_, what));
    };

    std::optional<QLockFile> lock;
    if (path_.isEmpty()) {
        problems << NotSaved(QStringLiteral("找不到保存排行榜的文件夹。"));
        canWrite = false;
    } else if (const QString folder = QFileInfo(path_).absolutePath(); !QDir().mkpath(folder)) {
        problems << NotSaved(QStringLiteral("无法建立文件夹 %1。").arg(folder));
        log(QStringLiteral("not saved: cannot create the folder"));
        canWrite = false;
    } else {
        lock.emplace(path_ + QStringLiteral(".lock"));
        if (!lock->tryLock(lockTimeoutMs_)) {
            problems << NotSaved(LockProblem(lock->error()));
            log(QStringLiteral("not saved: cannot lock %1.lock").arg(path_));
            canWrite = false;
        }
    }

    if (!path_.isEmpty()) {
        Loaded loaded = Load(path_);
        const FameFileContents& contents = loaded.contents;
        if (loaded.state == FileState::Damaged) {
            const QString aside = AsideName(path_);
            if (canWrite && QFile::rename(path_, aside)) {
                problems << QStringLiteral(
                                "原排行榜文件已损坏，已改名为 %1 保留，排行榜从本次重新开始。")
                                .arg(FileName(aside));
                log(QStringLiteral("%1; moved it to %2 and started a new table")
                        .arg(loaded.reason, aside));
            } else if (canWrite) {
                problems << NotSaved(QStringLiteral("原排行榜文件已损坏，又无法把它移开。"));
                log(QStringLiteral("%1; cannot move it aside, not saved").arg(loaded.reason));
                canWrite = false;
            } else {
                problems << QStringLiteral("原排行榜文件已损坏，读不出以前的记录。");
            }
        } else if (loaded.state == FileState::Usable) {
            // Rows left out or changed, or more runs than are kept, mean a hand-edited file:
            // what was written by hand is kept beside before the table is written back.
            const bool edited = contents.skipped > 0 || contents.altered > 0 ||
                                contents.runs.size() > MaxStoredRuns;
            if (edited && canWrite) {
                const QString aside = AsideName(path_);
                if (QFile::copy(path_, aside)) {
                    log(QStringLiteral("%1 rows left out, %2 changed, %3 kept of %4; the file as "
                                       "it was is kept as %5")
                            .arg(contents.skipped)
                            .arg(contents.altered)
                            .arg(std::min(contents.runs.size(), MaxStoredRuns))
                            .arg(contents.runs.size())
                            .arg(aside));
                    if (contents.skipped > 0) {
                        problems << SkippedText(contents.skipped) +
                                        QStringLiteral("原文件另存为 %1。").arg(FileName(aside));
                    }
                } else {
                    problems << NotSaved(QStringLiteral("无法另存被手工改动过的排行榜文件。"));
                    log(QStringLiteral("cannot keep a copy of the edited file, not saved"));
                    canWrite = false;
                }
            } else if (contents.skipped > 0) {
                problems << SkippedText(contents.skipped);
            }
            runs = std::move(loaded.contents.runs);
            DropLowest(runs, MaxStoredRuns);
        }
    }

    runs.append(result.run);
    {
        QList<Entry> all = runs;
        result.rank = SortBest(all, all.size() - 1);
    }
    DropLowest(runs, MaxStoredRuns);

    if (canWrite) {
        QSaveFile file(path_);
        const QByteArray bytes = SerializeFameFile(runs);
        bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        if (written && beforeReplace_) {
            beforeReplace_();
        }
        written = written && file.commit();
        if (written) {
            result.saved = true;
        } else {
            const QString error = file.errorString();
            file.cancelWriting();
            problems << NotSaved(QStringLiteral("磁盘已满，或文件无法写入。"));
            log(QStringLiteral("not saved: %1").arg(error));
        }
    }

    SortBest(runs);
    result.ranked = std::move(runs);
    result.problem = problems.join(QString());
    return result;
}

} // namespace tp::halloffame
