// SPDX-License-Identifier: MIT
#include "ui/toolkit/ReportList.h"
#include "ui/toolkit/Keys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tp::ui {

namespace {

constexpr int kImageIndexRole = Qt::UserRole + 1;

// Rows and the header have fixed heights: a 16-pixel icon with a pixel above and below, and a
// 12-pixel caption. Asking the font instead would load it before the window's first frame,
// which then waits for it.
constexpr int kRowHeight = 18;
constexpr int kHeaderHeight = 18;
constexpr int kMinimumColumnWidth = 16;

class FixedHeightHeader : public QHeaderView {
public:
    explicit FixedHeightHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    QSize sizeHint() const override { return {length(), kHeaderHeight}; }
};

// Draws a selected row like any other while the list lacks the focus, icon included (the
// icon would otherwise take its tinted "selected" look).
class FocusOnlySelectionDelegate : public QStyledItemDelegate {
public:
    explicit FocusOnlySelectionDelegate(QWidget& view) : QStyledItemDelegate(&view), view_(view) {}

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!view_.hasFocus()) {
            option->state &= ~QStyle::State_Selected;
        }
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {kMinimumColumnWidth, kRowHeight};
    }

private:
    QWidget& view_;
};

} // namespace

ReportList::ReportList(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setIconSize(QSize(16, 16));
    setItemDelegate(new FocusOnlySelectionDelegate(*this));
    setHeader(new FixedHeightHeader(this));
    header()->setMinimumSectionSize(kMinimumColumnWidth);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ReportList::AddColumn(const QString& caption, int width) {
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, caption);
    setColumnWidth(column, width);
}

void ReportList::SetImages(const QList<QIcon>& images) {
    images_ = images;
    for (int i = 0; i < Count(); ++i) {
        ApplyIcon(*topLevelItem(i));
    }
}

void ReportList::Clear() {
    clear();
    clearSelection();
}

int ReportList::AddRow(const QString& caption, int imageIndex, const QStringList& subItems) {
    auto* item = new QTreeWidgetItem();
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setText(0, caption);
    item->setData(0, kImageIndexRole, imageIndex);
    for (int i = 0; i < subItems.size(); ++i) {
        item->setText(i + 1, subItems.at(i));
    }
    ApplyIcon(*item);
    addTopLevelItem(item);
    return indexOfTopLevelItem(item);
}

QTreeWidgetItem* ReportList::Row(int row) const {
    return row >= 0 && row < Count() ? topLevelItem(row) : nullptr;
}

QString ReportList::Caption(int row) const {
    const QTreeWidgetItem* item = Row(row);
    return item != nullptr ? item->text(0) : QString();
}

int ReportList::ImageIndex(int row) const {
    const QTreeWidgetItem* item = Row(row);
    return item != nullptr ? item->data(0, kImageIndexRole).toInt() : -1;
}

QString ReportList::SubItem(int row, int index) const {
    const QTreeWidgetItem* item = Row(row);
    if (item == nullptr || index < 0) {
        return {};
    }
    return item->text(index + 1);
}

void ReportList::SetSubItem(int row, int index, const QString& text) {
    QTreeWidgetItem* item = Row(row);
    if (item != nullptr && index >= 0) {
        item->setText(index + 1, text);
    }
}

int ReportList::SelectedIndex() const {
    QTreeWidgetItem* item = SelectedRow();
    return item != nullptr ? indexOfTopLevelItem(item) : -1;
}

void ReportList::SelectRow(int row) {
    QTreeWidgetItem* item = Row(row);
    if (item == nullptr) {
        clearSelection();
        return;
    }
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QTreeWidgetItem* ReportList::SelectedRow() const {
    for (int i = 0; i < Count(); ++i) {
        if (topLevelItem(i)->isSelected()) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

void ReportList::DeleteRow(int row) {
    QTreeWidgetItem* item = Row(row);
    if (item == nullptr) {
        return;
    }
    const bool wasSelected = item->isSelected();
    // The view would select a neighbour of a removed selected row.
    delete takeTopLevelItem(row);
    if (wasSelected) {
        clearSelection();
    }
}

void ReportList::SetFlat(bool flat) {
    setFrameShape(flat ? QFrame::Box : QFrame::StyledPanel);
    setFrameShadow(flat ? QFrame::Plain : QFrame::Sunken);
    setLineWidth(1);
}

void ReportList::ApplyIcon(QTreeWidgetItem& item) const {
    const int index = item.data(0, kImageIndexRole).toInt();
    item.setIcon(0, index >= 0 && index < images_.size() ? images_.at(index) : QIcon());
}

void ReportList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item == nullptr) {
        return;
    }
    // The handler reads the selection, so the row under the pointer is selected first
    // whatever the press before did.
    if (!item->isSelected()) {
        SelectRow(indexOfTopLevelItem(item));
    }
    emit RowActivated();
}

void ReportList::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(*event) && SelectedIndex() >= 0) {
        event->accept();
        emit RowActivated();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ReportList::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    // Qt makes the first row current on focus without selecting it, so the first Down would
    // land on the second row; with nothing selected, the first Down selects the first row.
    if (SelectedIndex() == -1) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
}

void ReportList::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}

void ReportList::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    if (hasFocus()) {
        QTreeWidget::drawRow(painter, option, index);
        return;
    }
    // Without the focus a selected row is drawn like any other; it stays selected.
    QStyleOptionViewItem plain = option;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        plain.palette.setBrush(group, QPalette::Highlight,
                               option.palette.brush(group, QPalette::Base));
        plain.palette.setBrush(group, QPalette::HighlightedText,
                               option.palette.brush(group, QPalette::Text));
    }
    QTreeWidget::drawRow(painter, plain, index);
}

} // namespace tp::ui
