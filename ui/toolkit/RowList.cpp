// SPDX-License-Identifier: MIT
#include "ui/toolkit/RowList.h"

#include "ui/toolkit/Keys.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace tp::ui {

namespace {

// Rows and the header have a fixed height: a 16-pixel icon with a pixel above and below, and a
// 12-pixel caption. Asking the font instead would load it before the window's first frame,
// which then waits for it.
constexpr int kRowHeight = 18;
constexpr int kMinimumColumnWidth = 16;

class FixedHeightHeader : public QHeaderView {
public:
    explicit FixedHeightHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
    QSize sizeHint() const override { return {length(), kRowHeight}; }
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

RowList::RowList(const QList<Column>& columns, QWidget* parent) : QTreeWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    setColumnCount(static_cast<int>(columns.size()));
    for (int column = 0; column < columns.size(); ++column) {
        headerItem()->setText(column, columns[column].heading);
        setColumnWidth(column, columns[column].width);
    }
}

int RowList::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void RowList::RemoveRow(int row) {
    if (row < 0 || row >= topLevelItemCount()) {
        return;
    }
    const bool wasSelected = topLevelItem(row)->isSelected();
    delete takeTopLevelItem(row);
    if (wasSelected) {
        clearSelection();
    }
}

void RowList::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidget::mouseDoubleClickEvent(event);
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || item == nullptr) {
        return;
    }
    // The handler reads the selection, so the row under the pointer is selected first
    // whatever the press before did.
    if (!item->isSelected()) {
        setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    emit rowActivated();
}

void RowList::keyPressEvent(QKeyEvent* event) {
    if (IsPlainEnter(*event) && SelectedRow() >= 0) {
        event->accept();
        emit rowActivated();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void RowList::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    // Qt makes the first row current on focus without selecting it, so the first Down would
    // land on the second row; with nothing selected, the first Down selects the first row.
    if (SelectedRow() == -1) {
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    viewport()->update();
}

void RowList::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}

void RowList::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
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
