#include "pages/Layout.h"
#include "pages/PictureBox.h"
#include "pages/Shape.h"
#include "pages/SpeedButton.h"
#include "platform/Fonts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace kit {

bool isGraphic(Kind kind) {
    switch (kind) {
    case Kind::Label:
    case Kind::LinkLabel:
    case Kind::Shape:
    case Kind::Picture:
    case Kind::SpeedButton:
    case Kind::FlatSpeedButton:
        return true;
    default:
        return false;
    }
}

namespace {

QImage loadResource(const char* path) {
    if (!path)
        return {};
    QImageReader reader(QString::fromLatin1(path));
    return reader.read();
}

void applyColours(QWidget* w, const Row& row) {
    QPalette pal = w->palette();
    if (row.color != none) {
        pal.setColor(QPalette::Window, QColor::fromRgb(QRgb(row.color)));
        pal.setColor(QPalette::Button, QColor::fromRgb(QRgb(row.color)));
        w->setAutoFillBackground(true);
    }
    if (row.fontColor != none) {
        pal.setColor(QPalette::WindowText, QColor::fromRgb(QRgb(row.fontColor)));
        pal.setColor(QPalette::ButtonText, QColor::fromRgb(QRgb(row.fontColor)));
    }
    w->setPalette(pal);
}

QWidget* create(const Row& row, QWidget* parent) {
    const QString text = row.text.toString();
    switch (row.kind) {
    case Kind::Label:
    case Kind::LinkLabel: {
        auto* label = new QLabel(text, parent);
        label->setAttribute(Qt::WA_TranslucentBackground);
        if (row.kind == Kind::LinkLabel) {
            QFont f = label->font();
            f.setUnderline(true);
            label->setFont(f);
            label->setCursor(Qt::PointingHandCursor);
        }
        return label;
    }
    case Kind::Shape:
        return new Shape(row.shape, row.color == none ? QColor(Qt::white) : QColor::fromRgb(QRgb(row.color)),
                         parent);
    case Kind::Picture: {
        auto* box = new PictureBox(parent);
        box->setStretch(row.stretch);
        box->setCenter(row.center);
        if (row.picture)
            box->setPicture(platform::Picture::bitmap(loadResource(row.picture)));
        return box;
    }
    case Kind::SpeedButton:
    case Kind::FlatSpeedButton: {
        auto* button = new SpeedButton(parent);
        button->setFlat(row.kind == Kind::FlatSpeedButton);
        button->setGlyph(loadResource(row.picture), row.glyphs);
        button->setText(text);
        return button;
    }
    case Kind::CheckBox: {
        auto* box = new QCheckBox(text, parent);
        box->setChecked(row.checked);
        return box;
    }
    case Kind::RadioButton: {
        auto* radio = new QRadioButton(text, parent);
        radio->setChecked(row.checked);
        return radio;
    }
    case Kind::GroupBox:
        return new QGroupBox(text, parent);
    }
    return nullptr;
}

} // namespace

Controls build(QWidget* parent, std::span<const Row> rows) {
    Controls controls;
    std::vector<const Row*> order;
    for (const Row& row : rows)
        if (isGraphic(row.kind))
            order.push_back(&row);
    for (const Row& row : rows)
        if (!isGraphic(row.kind))
            order.push_back(&row);

    for (const Row* row : order) {
        QWidget* owner = row->parent ? controls.value(QString::fromLatin1(row->parent), parent) : parent;
        QWidget* w = create(*row, owner);
        w->setObjectName(QString::fromLatin1(row->name));
        if (row->font) {
            const Font& f = *row->font;
            w->setFont(platform::pixelFont(f.family.toString(), f.pixelSize, f.bold, f.italic, f.underline));
        }
        applyColours(w, *row);
        if (row->alignClient)
            w->setGeometry(owner->rect());
        else
            w->setGeometry(row->geometry);
        if (row->kind == Kind::Label || row->kind == Kind::LinkLabel)
            w->adjustSize(); // labels size themselves to their text
        if (!row->hint.isEmpty()) {
            w->setToolTip(row->hint.toString());
            w->setAccessibleName(row->hint.toString());
        } else if (!row->text.isEmpty()) {
            w->setAccessibleName(row->text.toString());
        }
        w->setVisible(!row->hidden);
        controls.insert(w->objectName(), w);
    }

    std::vector<const Row*> tabbed;
    for (const Row& row : rows)
        if (row.tab >= 0)
            tabbed.push_back(&row);
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const Row* a, const Row* b) { return a->tab < b->tab; });
    for (size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(controls.value(QString::fromLatin1(tabbed[i - 1]->name)),
                             controls.value(QString::fromLatin1(tabbed[i]->name)));
    return controls;
}

} // namespace kit
