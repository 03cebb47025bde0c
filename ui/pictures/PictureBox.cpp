// SPDX-License-Identifier: MIT
#include "ui/pictures/PictureBox.h"

#include "imaging/StoredPicture.h"
#include "ui/pictures/PictureImage.h"

#include <QMetaObject>
#include <QPainter>

namespace tp::ui {

// Where the picture does not reach, the parent's background shows through.
PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(std::span<const unsigned char> stored) {
    stored_ = stored;
    image_ = QImage();
    error_.clear();
    tried_ = false;
    const imaging::JpegSize size = imaging::ReadStoredPictureSize(stored);
    pictureSize_ = size.ok ? QSize(size.width, size.height) : QSize();
    if (autoSize_ && size.ok) {
        resize(pictureSize_);
    }
    update();
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && pictureSize_.isValid()) {
        resize(pictureSize_);
    }
}

void PictureBox::Decode() {
    tried_ = true;
    if (stored_.empty()) {
        return; // no picture set: nothing to draw, nothing wrong
    }
    ui::DecodedImage decoded = DecodeStoredImage(stored_, depth_.value_or(DisplayColourDepth()));
    if (decoded.image.isNull()) {
        error_ = decoded.error;
        // Told after the paint, so that a handler may open a message box safely.
        QMetaObject::invokeMethod(
            this, [this] { emit PictureFailed(error_); }, Qt::QueuedConnection);
        return;
    }
    image_ = std::move(decoded.image);
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!tried_) {
        Decode();
    }
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}

} // namespace tp::ui
