// SPDX-License-Identifier: MIT
#include "ui/toolkit/Fonts.h"

#include "resources/DataFolders.h"
#include "resources/FaceFiles.h"
#include "resources/FileMapping.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <algorithm>

#include <cmath>
#include <cstdio>

namespace tp::ui {

namespace {

const QString kSong = QStringLiteral("宋体");
const QString kPalSong = QStringLiteral("Pal宋体");
const QString kHei = QStringLiteral("黑体");

// The game's own faces first, then installed Song/Ming serifs for the Song faces and Hei sans
// for the Hei face: a character the game's faces lack (one in a typed name) is drawn from the
// next face in the list that has it. Each list ends with the other style, so Chinese text
// still has a face where only one kind is installed.
const QStringList& SongFamilies() {
    static const QStringList families{
        QStringLiteral("Tide Peddler Song"),  QStringLiteral("AR PL UMing CN"),
        QStringLiteral("AR PL UMing TW"),     QStringLiteral("AR PL SungtiL GB"),
        QStringLiteral("Noto Serif CJK SC"),  QStringLiteral("Source Han Serif SC"),
        QStringLiteral("WenQuanYi Zen Hei"),  QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Droid Sans Fallback")};
    return families;
}

const QStringList& HeiFamilies() {
    static const QStringList families{
        QStringLiteral("Tide Peddler Hei"),    QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("Noto Sans CJK SC"),    QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Droid Sans Fallback"),
        QStringLiteral("AR PL UMing CN")};
    return families;
}

// Ascent plus descent per pixel of size, of the first stand-in of each face.
qreal CellPerPixel(const QString& face) {
    if (face == kHei) {
        return 1.26; // Tide Peddler Hei, as WenQuanYi Zen Hei
    }
    if (face == kSong || face == kPalSong) {
        return 1.055; // Tide Peddler Song, as AR PL UMing CN
    }
    return 1.2;
}

} // namespace

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
            problems << QCoreApplication::translate("tp::ui::Fonts", "%1 is not in %2")
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
            problems << QCoreApplication::translate("tp::ui::Fonts", "%1 is no usable font")
                            .arg(QString::fromStdString(file.string()));
        }
    }
    if (!problems.isEmpty()) {
        const QString line =
            QCoreApplication::translate("tp::ui::Fonts",
                                        "tidepeddler: cannot load the game's faces (%1); drawing "
                                        "the text from the installed fonts")
                .arg(problems.join(QStringLiteral("; ")));
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    }
    return problems;
}

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(kSong, SongFamilies());
    QFont::insertSubstitutions(kPalSong, SongFamilies());
    QFont::insertSubstitutions(kHei, HeiFamilies());
}

void SetDefaultGameFont() {
    QApplication::setFont(GameFont(kSong, -12));
}

QStringList StandInFamilies(const QString& face) {
    if (face == kSong || face == kPalSong) {
        return SongFamilies();
    }
    if (face == kHei) {
        return HeiFamilies();
    }
    return {face};
}

QFont GameFont(const QString& face, int height) {
    QFont font;
    font.setFamilies(StandInFamilies(face));
    if (face == kHei) {
        font.setStyleHint(QFont::SansSerif);
    } else if (face == kSong || face == kPalSong) {
        font.setStyleHint(QFont::Serif);
    }
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // The cell height includes the face's internal leading. It is taken from the stand-in
        // the game installs rather than measured, since measuring would open the font before
        // the first frame needs it.
        const qreal pixels = height / CellPerPixel(face);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    }
    return font;
}

QString MissingGlyphs(const QFont& font, const QString& text) {
    // The face text is laid out in: asking for Chinese would skip the game's faces, which hold
    // too few characters for fontconfig to call them Chinese.
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Any);
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c)) {
            continue;
        }
        if (!raw.isValid() || !raw.supportsCharacter(c)) {
            const QString character = QString::fromUcs4(&c, 1);
            if (!missing.contains(character)) {
                missing += character;
            }
        }
    }
    return missing;
}

} // namespace tp::ui
