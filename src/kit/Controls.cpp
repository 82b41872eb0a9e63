#include "kit/Controls.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QLocale>

namespace kit {

FieldEdit::FieldEdit(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
}

FieldCombo::FieldCombo(QWidget* parent)
    : QComboBox(parent) {
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, [this] { setCurrentIndex(-1); });
}

LookupCombo::LookupCombo(QWidget* parent)
    : QComboBox(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(startDate(), parent) {
    setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    setCalendarPopup(true);
}

void DatePicker::styleCalendar() {
    if (styled_)
        return;
    styled_ = true;
    // navy month and year in the calendar's title
    calendarWidget()->setStyleSheet(
        QStringLiteral("#qt_calendar_navigationbar QToolButton { color: #000080; }"));
}

void DatePicker::mousePressEvent(QMouseEvent* event) {
    styleCalendar();
    QDateEdit::mousePressEvent(event);
}

void DatePicker::keyPressEvent(QKeyEvent* event) {
    styleCalendar();
    QDateEdit::keyPressEvent(event);
}

RecordGrid::RecordGrid(std::span<const Column> columns, QWidget* parent)
    : QTableWidget(0, int(columns.size()), parent) {
    int i = 0;
    for (const Column& c : columns) {
        const QString title = c.title.isEmpty() ? c.field.toString() : c.title.toString();
        setHorizontalHeaderItem(i, new QTableWidgetItem(title));
        setColumnWidth(i, c.width);
        fields_ << c.field.toString();
        QStringList picks;
        for (QStringView item : c.pickList)
            picks << item.toString();
        pickLists_.push_back(picks);
        ++i;
    }
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setFixedWidth(11);
    verticalHeader()->setVisible(true);
    setShowGrid(true);
    setCornerButtonEnabled(false);
}

QString RecordGrid::field(int column) const {
    return fields_.value(column);
}

QStringList RecordGrid::pickList(int column) const {
    return column >= 0 && size_t(column) < pickLists_.size() ? pickLists_[size_t(column)] : QStringList{};
}

} // namespace kit
