#pragma once

#include "board/board_accessible.h"

// The letter grid as a table of 18 rows and 20 columns; the keyboard cursor's cell has the
// focus and the open selection's first cell is selected.
class GridAccessible : public BoardPartAccessible, public QAccessibleTableInterface {
  public:
    using BoardPartAccessible::BoardPartAccessible;

    QAccessible::Role role() const override { return QAccessible::Table; }
    QRect rect() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return selectedCells().size(); }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  protected:
    QString name() const override;
};

class GridCellAccessible : public BoardPartAccessible, public QAccessibleTableCellInterface {
  public:
    GridCellAccessible(BoardAccessibility& owner, int cell)
        : BoardPartAccessible(owner), cell_(cell) {}

    int cell() const { return cell_; }
    QAccessibleInterface* parent() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QRect rect() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

  protected:
    QString name() const override;

  private:
    int cell_;
};
