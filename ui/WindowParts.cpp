// SPDX-License-Identifier: MIT
#include "ui/WindowParts.h"

#include "game/Catalogue.h"
#include "ui/Accessibility.h"
#include "ui/pictures/Glyphs.h"
#include "ui/pictures/PictureBox.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/Button.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <cstdio>

namespace tp::ui {

QLabel* PlainLabel(QWidget* parent, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QColor ThemeColour(QPalette::ColorRole role) {
    return QGuiApplication::palette().color(QPalette::Active, role);
}

AmountSpin* MakeAmount(QWidget* parent, const char* name, const char* edit, const QRect& editBox,
                       const QRect& upDownBox, const QString& purpose) {
    auto* spin = new AmountSpin(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->Edit()->setObjectName(QString::fromLatin1(edit));
    spin->setGeometry(editBox.united(upDownBox));
    spin->SetPurpose(purpose);
    return spin;
}

QWidget* MakePicture(QWidget* parent, const char* name, const QRect& box,
                     resources::PictureId picture, bool autoSize) {
    auto* image = Place(new PictureBox(parent), name, box);
    image->SetPicture(resources::Picture(picture));
    image->SetAutoSize(autoSize);
    // A picture that cannot be decoded leaves its box empty; the game goes on, and the reason
    // goes where a desktop user can find it.
    QObject::connect(image, &PictureBox::PictureFailed, image, [](const QString& message) {
        std::fprintf(stderr, "tidepeddler: %s\n", message.toLocal8Bit().constData());
    });
    return image;
}

QPushButton* GlyphButton(QWidget* parent, const char* name, const QRect& box,
                         const QString& caption, const QIcon& glyph) {
    auto* button = Place(new Button(caption, parent), name, box);
    button->setIcon(glyph);
    const QList<QSize> sizes = glyph.availableSizes();
    if (!sizes.isEmpty()) {
        button->setIconSize(sizes.first());
    }
    return button;
}

QPushButton* StockButton(QWidget* parent, const char* name, const QRect& box,
                         const QString& caption, resources::StockGlyph glyph) {
    return GlyphButton(parent, name, box, caption, KindGlyphIcon(glyph));
}

QPlainTextEdit* MakeText(QWidget* parent, const char* name, const QRect& box,
                         const QString& purpose) {
    auto* text = Place(new QPlainTextEdit(parent), name, box);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setTabChangesFocus(true);
    // The game's fixed lines are measured to fill their boxes' width; the editor's default
    // four-pixel margin would wrap the last character of each.
    text->document()->setDocumentMargin(1);
    MakeFlat(*text);
    SetColour(*text, QPalette::Base, ThemeColour(QPalette::Button));
    // Tab reaches the text, so a screen reader needs to know what it is.
    SetAccessibleText(*text, purpose);
    return text;
}

void ShowLines(QPlainTextEdit& text, const QStringList& lines) {
    text.setPlainText(lines.join(QLatin1Char('\n')));
    // Keep the start of the text in view: without scroll bars it is what a reader needs.
    text.moveCursor(QTextCursor::Start);
    text.verticalScrollBar()->setValue(0);
}

void MakeFlat(QFrame& frame) {
    frame.setFrameShape(QFrame::Box);
    frame.setFrameShadow(QFrame::Plain);
    frame.setLineWidth(1);
}

} // namespace tp::ui
