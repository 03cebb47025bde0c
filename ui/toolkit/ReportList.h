// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QList>
#include <QStringList>
#include <QTreeWidget>

namespace tp::ui {

// A report list: one row per item, fixed columns with headers, whole-row single selection,
// no editing, no sorting, rows in the order added.
//
// Selection is what the game reads (SelectedIndex), never Qt's current item: a list can have a
// current row with nothing selected. The selected row stays selected when the
// list loses the focus but is highlighted only while the list has it.
//
// RowActivated() is emitted after a double click on a row has selected that row, and also
// for Enter (or the keypad Enter) while a row is selected, so keyboard players can do what a
// double click does.
class ReportList : public QTreeWidget {
    Q_OBJECT
public:
    explicit ReportList(QWidget* parent = nullptr);

    void AddColumn(const QString& caption, int width);

    // Small icons by index; rows refer to them by their image index.
    void SetImages(const QList<QIcon>& images);

    // Removes every row; nothing is selected afterwards.
    void Clear();
    // Appends a row, not selected, and returns its index.
    int AddRow(const QString& caption, int imageIndex = -1, const QStringList& subItems = {});
    int Count() const { return topLevelItemCount(); }

    QString Caption(int row) const;
    int ImageIndex(int row) const;
    // Sub-item i is the text of column i + 1; empty text for a row or index that is not there.
    QString SubItem(int row, int index) const;
    void SetSubItem(int row, int index, const QString& text);

    // Index of the selected row, -1 when no row is selected.
    int SelectedIndex() const;
    // Selects `row` (and makes it current); -1 or an index out of range clears the selection.
    void SelectRow(int row);

    // Removes a row; the rows after it move up. If it was selected nothing is selected after.
    void DeleteRow(int row);

    // A one-pixel flat frame instead of the sunken one.
    void SetFlat(bool flat);

signals:
    void RowActivated();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    QTreeWidgetItem* Row(int row) const;
    // The first selected row in display order, or null.
    QTreeWidgetItem* SelectedRow() const;
    void ApplyIcon(QTreeWidgetItem& item) const;

    QList<QIcon> images_;
};

} // namespace tp::ui
