// SPDX-License-Identifier: MIT
#include "app/GameFaces.h"

#include "resources/DataFolders.h"
#include "resources/FaceFiles.h"
#include "resources/FileMapping.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>

#include <cstdio>

namespace tp::app {

void InstallGameFaces() {
    static bool installed = false;
    if (installed) {
        return;
    }
    installed = true;
    // The folder's name in the file system's own encoding, as the files are opened by it.
    const QByteArray programFolder = QFile::encodeName(QCoreApplication::applicationDirPath());
    InstallGameFacesFrom(resources::DataFolders(programFolder.toStdString()));
}

QStringList InstallGameFacesFrom(const std::vector<std::filesystem::path>& folders) {
    QStringList problems;
    for (const auto id : resources::kFaceIds) {
        const std::string_view name = resources::FaceFileName(id);
        const std::filesystem::path file = resources::FindDataFile(folders, name);
        if (file.empty()) {
            const QString where =
                folders.empty() ? QString() : QString::fromStdString(folders.front().string());
            problems << QCoreApplication::translate("tp::app::GameFaces", "%1 is not in %2")
                            .arg(QString::fromLatin1(name.data(),
                                                     static_cast<qsizetype>(name.size())),
                                 where);
            continue;
        }
        // Raw data: Qt and FreeType read the face in place from the mapped file, never a copy.
        const std::span<const unsigned char> face = resources::MapWholeFile(file);
        if (face.empty() || QFontDatabase::addApplicationFontFromData(
                                QByteArray::fromRawData(reinterpret_cast<const char*>(face.data()),
                                                        static_cast<qsizetype>(face.size()))) < 0) {
            problems << QCoreApplication::translate("tp::app::GameFaces", "%1 is no usable font")
                            .arg(QString::fromStdString(file.string()));
        }
    }
    if (!problems.isEmpty()) {
        const QString line =
            QCoreApplication::translate("tp::app::GameFaces",
                                        "tidepeddler: cannot load the game's faces (%1); drawing "
                                        "the text from the installed fonts")
                .arg(problems.join(QStringLiteral("; ")));
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    }
    return problems;
}

} // namespace tp::app
