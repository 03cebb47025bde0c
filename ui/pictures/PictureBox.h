// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/JpegDecoder.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>
#include <span>

namespace tp::ui {

// A picture in a box: drawn at its natural size with its top left corner at the box's, cut
// off at the box's edges, never stretched, centred or scaled. The JPEG stream is kept as it
// is and decoded on the first paint; the decoded image then serves every later paint.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // `stored` is a picture in its stored form; the bytes must outlive the box (the game's
    // pictures are program data). Reads only the header, for the picture's size.
    void SetPicture(std::span<const unsigned char> stored);

    // With AutoSize the box takes its picture's size, now and whenever a picture is set.
    void SetAutoSize(bool on);
    bool GetAutoSize() const { return autoSize_; }

    // The picture's size from its header; empty when there is no readable picture.
    QSize PictureSize() const { return pictureSize_; }

    // The decoded picture, null until the first paint (or after a failed one).
    const QImage& DecodedImage() const { return image_; }
    bool IsDecoded() const { return !image_.isNull(); }

    // Forces a colour depth instead of following the display's; for tests and tools.
    void SetColourDepth(std::optional<imaging::ColourDepth> depth) { depth_ = depth; }

    // Empty, or the reason the picture could not be drawn ("JPEG error #N").
    QString ErrorText() const { return error_; }

signals:
    // Sent once, after the paint that failed, with ErrorText(); the box stays empty.
    void PictureFailed(const QString& message);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Decode();

    std::span<const unsigned char> stored_;
    std::optional<imaging::ColourDepth> depth_;
    QSize pictureSize_;
    QImage image_;
    QString error_;
    bool tried_ = false;
    bool autoSize_ = false;
};

} // namespace tp::ui
