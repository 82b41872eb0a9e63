#pragma once
// The record controls of the pages, bound to no data in this edition, and the date picker.
#include "kit/Layout.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableWidget>

namespace kit {

// The date pickers start at this date, whatever today's date is.
inline QDate startDate() {
    return {2000, 9, 4};
}

// Shows empty and takes no typing; it still takes the focus.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FieldEdit(QWidget* parent = nullptr);
};

// A combo box whose list drops down even when it holds no items: an empty list opens.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void showPopup() override;
    void hidePopup() override;
    // The empty list while it is open, else nullptr.
    QWidget* emptyList() const;

private:
    QWidget* emptyList_ = nullptr;
};

// Drops its list down, but a chosen item is not kept: the box stays empty.
class FieldCombo : public QComboBox {
    Q_OBJECT
public:
    explicit FieldCombo(QWidget* parent = nullptr);
};

// Shows an empty box and takes the focus when clicked; its list never opens.
class LookupCombo : public QComboBox {
    Q_OBJECT
public:
    explicit LookupCombo(QWidget* parent = nullptr);
    void showPopup() override {}
};

// Date only, in the short date format, picked from a drop-down month calendar.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

protected:
    // The calendar is made on its first drop-down, not with the page.
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void styleCalendar();
    bool styled_ = false;
};

// Column titles, the title row and a narrow row-indicator column in the fixed colour,
// column and row lines, resizable columns, and no records.
class RecordGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit RecordGrid(std::span<const Column> columns, QWidget* parent = nullptr);
    QString field(int column) const;
    QStringList pickList(int column) const;
    QStringList titles() const;
    // The colour of the title row, the indicator column and the corner cell.
    void setFixedColor(const QColor& color);

private:
    std::vector<QStringList> pickLists_;
    QStringList fields_;
};

} // namespace kit
