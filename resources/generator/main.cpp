// SPDX-License-Identifier: MIT
// Paints the game's pictures, glyphs and icons and writes them under the given resources
// folder. Run through resources/make-resources.sh.

#include "BitmapWriter.h"
#include "Icons.h"
#include "JpegWriter.h"
#include "Scenes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

using namespace tp::generator;

namespace {

QString root;

void Write(const QString& relative, const Bytes& bytes) {
    const QString path = root + "/" + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%-40s %6zu bytes\n", qPrintable(relative), bytes.size());
}

void Picture(const char* name, const QImage& image, const JpegOptions& options) {
    Write(QString("pictures/%1.jpg").arg(name), EncodeJpeg(image, options));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES-FOLDER\n", argv[0]);
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);

    JpegOptions plain;
    plain.quality = 88;

    JpegOptions beach = plain;
    beach.comment = "Tide Peddler: beach";
    Picture("main-beach", PaintBeach(), beach);

    JpegOptions map = plain;
    map.quality = 90;
    map.progressive = true;
    Picture("main-map", PaintMap(), map);

    JpegOptions island = plain;
    island.subsample2x2 = true;
    Picture("main-island", PaintIsland(), island);

    JpegOptions diary = plain;
    diary.restartRows = 1;
    diary.photoshopMarker = true;
    Picture("diary-town", PaintDiaryTown(), diary);

    JpegOptions bank = plain;
    bank.quality = 92;
    bank.adobeMarker = true;
    Picture("bank-logo", PaintBankLogo(), bank);

    Picture("hospital-building", PaintHospitalBuilding(), plain);

    JpegOptions cafe = plain;
    cafe.quality = 92;
    Picture("cafe-browser", PaintCafeBrowser(), cafe);

    JpegOptions pavilion = plain;
    pavilion.subsample2x2 = true;
    Picture("agency-pavilion", PaintAgencyPavilion(), pavilion);

    Write("glyphs/bank.bmp", Bitmap24(GlyphBank()));
    Write("glyphs/hospital.bmp", Bitmap24(GlyphHospital()));
    Write("glyphs/internet-cafe.bmp", Bitmap24(GlyphInternetCafe()));
    Write("glyphs/agency.bmp", Bitmap24(GlyphAgency()));
    Write("glyphs/statement.bmp", Bitmap24(GlyphStatement()));
    Write("glyphs/help.bmp", Bitmap24(GlyphHelp()));

    for (const char* kind :
         {"ok", "yes", "no", "cancel", "help", "close", "abort", "retry", "ignore", "all"}) {
        Write(QString("kinds/%1.bmp").arg(kind), Bitmap4(KindGlyph(kind)));
    }

    const ListIconStrip list = ListIcons();
    Write("listicons/strip.bmp", Bitmap16(list.image));
    Write("listicons/mask.bmp", Bitmap1(list.image.width(), list.image.height(), list.transparent));

    Write("icons/mainicon.ico", Icon256(Dolphin(32)));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        Dolphin(size).save(&buffer, "PNG");
        Write(QString("icons/hicolor/%1x%1/apps/tidepeddler.png").arg(size),
              Bytes(png.begin(), png.end()));
    }
    const QByteArray svg = DolphinSvg().toUtf8();
    Write("icons/hicolor/scalable/apps/tidepeddler.svg", Bytes(svg.begin(), svg.end()));
    return 0;
}
