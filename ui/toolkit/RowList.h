// SPDX-License-Identifier: MIT
#pragma once

#include <QTreeWidget>

namespace tp::ui {

// A list of rows under fixed column headings, whole-row single selection, no editing, rows in
// the order added and of a fixed height. What Qt's tree lacks and the game needs:
// - the selection is what the game reads (SelectedRow), never Qt's current item, and the
//   selected row is highlighted only while the list has the focus;
// - rowActivated() follows a double click on a row (which selects it first) and Enter while a
//   row is selected, so keyboard players can do what a double click does;
// - removing the selected row leaves nothing selected, where Qt would select a neighbour.
class RowList : public QTreeWidget {
    Q_OBJECT
public:
    struct Column {
        QString heading;
        int width;
    };
    RowList(const QList<Column>& columns, QWidget* parent);

    // -1 when no row is selected.
    int SelectedRow() const;
    void RemoveRow(int row);

signals:
    void rowActivated();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
};

} // namespace tp::ui
