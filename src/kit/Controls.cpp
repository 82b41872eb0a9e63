#include "kit/Controls.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QListWidget>
#include <QLocale>

namespace kit {

FieldEdit::FieldEdit(QWidget* parent)
    : QLineEdit(parent) {
    setReadOnly(true);
}

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent) {}

void ComboBox::showPopup() {
    if (count() > 0) {
        QComboBox::showPopup();
        return;
    }
    // Qt opens no list for an empty box; a drop-down box still shows that it has nothing.
    if (!emptyList_) {
        auto* list = new QListWidget(this);
        list->setWindowFlags(Qt::Popup);
        list->setAccessibleName(accessibleName());
        list->setFont(font());
        emptyList_ = list;
    }
    const int rowHeight = fontMetrics().height() + 2;
    emptyList_->setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(width(), rowHeight + 2)));
    emptyList_->show();
}

void ComboBox::hidePopup() {
    if (emptyList_)
        emptyList_->hide();
    QComboBox::hidePopup();
}

QWidget* ComboBox::emptyList() const {
    return emptyList_ && emptyList_->isVisible() ? emptyList_ : nullptr;
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

QStringList RecordGrid::titles() const {
    QStringList list;
    for (int i = 0; i < columnCount(); ++i)
        list << horizontalHeaderItem(i)->text();
    return list;
}

void RecordGrid::setFixedColor(const QColor& color) {
    setStyleSheet(QStringLiteral("QTableCornerButton::section { background-color: %1; border: 0;"
                                 " border-right: 1px solid #404040; border-bottom: 1px solid #404040; }")
                      .arg(color.name()));
}

QStringList RecordGrid::pickList(int column) const {
    return column >= 0 && size_t(column) < pickLists_.size() ? pickLists_[size_t(column)] : QStringList{};
}

} // namespace kit
