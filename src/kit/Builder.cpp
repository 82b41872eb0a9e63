#include "kit/Accessible.h"
#include "kit/Controls.h"
#include "kit/CoolBar.h"
#include "kit/Layout.h"
#include "kit/PageControl.h"
#include "kit/PictureBox.h"
#include "kit/PixelArt.h"
#include "kit/Shape.h"
#include "kit/SpeedButton.h"
#include "platform/Fonts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <algorithm>
#include <stdexcept>
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

QColor rgb(int value) {
    return QColor::fromRgb(QRgb(value));
}

QFont fontOf(const Font& f) {
    return platform::pixelFont(f.family.toString(), f.pixelSize, f.bold, f.italic, f.underline);
}

QImage loadResource(const char* path) {
    if (!path)
        return {};
    // Named by its format, so that no image plug-in is asked about our own pictures.
    const QString name = QString::fromLatin1(path);
    return QImageReader(name, QFileInfo(name).suffix().toLatin1()).read();
}

QStringList strings(std::span<const QStringView> items) {
    QStringList list;
    for (QStringView item : items)
        list << item.toString();
    return list;
}

void applyColours(QWidget* w, const Row& row, const PageStyle& style) {
    QPalette pal = w->palette();
    if (row.color != none && row.kind != Kind::Shape) {
        pal.setColor(QPalette::Window, rgb(row.color));
        pal.setColor(QPalette::Button, rgb(row.color));
        w->setAutoFillBackground(true);
    }
    int text = row.fontColor;
    if (text == none && row.kind == Kind::Label)
        text = style.labelColor;
    if (row.kind == Kind::LinkLabel)
        text = 0xffff00;
    if (text != none) {
        pal.setColor(QPalette::WindowText, rgb(text));
        pal.setColor(QPalette::ButtonText, rgb(text));
    }
    w->setPalette(pal);
}

void styleGrid(RecordGrid* grid, const Row& row) {
    const QString fixed = rgb(row.fixedColor == none ? 0x5252a5 : row.fixedColor).name();
    const QString title = rgb(row.titleColor == none ? 0xffffff : row.titleColor).name();
    // The title row, the indicator column (also below its last row) and the corner cell
    // where they meet are all in the fixed colour.
    const QString header =
        QStringLiteral("QHeaderView { background-color: %1; border: 0; }"
                       " QHeaderView::section { background-color: %1; color: %2; border: 0;"
                       " border-right: 1px solid #404040; border-bottom: 1px solid #404040;"
                       " padding-left: 2px; }")
            .arg(fixed, title);
    grid->horizontalHeader()->setStyleSheet(header);
    grid->verticalHeader()->setStyleSheet(header);
    grid->setFixedColor(rgb(row.fixedColor == none ? 0x5252a5 : row.fixedColor));
    if (row.titleFont)
        grid->horizontalHeader()->setFont(fontOf(*row.titleFont));
    grid->horizontalHeader()->setFixedHeight(QFontMetrics(grid->horizontalHeader()->font()).height() + 5);
    if (row.readOnly)
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

// A label sized to its text, at the build and whenever its font changes (a window that moves
// to a screen of another ratio draws in another face); its left edge stays where the table puts
// it, or with `keepsRight` its right edge.
class TextLabel : public QLabel {
public:
    using QLabel::QLabel;
    void sizeToText(bool keepsRight) {
        sizedToText_ = true;
        keepsRight_ = keepsRight;
        fit();
    }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (sizedToText_ && event->type() == QEvent::FontChange)
            fit();
    }

private:
    void fit() {
        const int right = x() + width();
        adjustSize();
        if (keepsRight_)
            move(right - width(), y());
    }
    bool sizedToText_ = false;
    bool keepsRight_ = false;
};

QWidget* create(const Row& row, QWidget* parent) {
    const QString text = row.text.toString();
    switch (row.kind) {
    case Kind::Label:
    case Kind::LinkLabel: {
        auto* label = new TextLabel(text, parent);
        if (row.kind == Kind::LinkLabel) {
            QFont f = label->font();
            f.setUnderline(true);
            label->setFont(f);
            label->setCursor(Qt::PointingHandCursor);
        }
        return label;
    }
    case Kind::Shape:
        return new Shape(row.shape, row.color == none ? QColor(Qt::white) : rgb(row.color), parent);
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
    case Kind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        edit->setReadOnly(row.readOnly);
        edit->setCursorPosition(0);
        return edit;
    }
    case Kind::ComboBox:
    case Kind::DropDownList: {
        auto* combo = new ComboBox(parent);
        combo->setEditable(row.kind == Kind::ComboBox);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(strings(row.items));
        combo->setCurrentIndex(-1);
        if (combo->isEditable())
            combo->setEditText(text);
        return combo;
    }
    case Kind::FieldEdit:
        return new FieldEdit(parent);
    case Kind::FieldCombo: {
        auto* combo = new FieldCombo(parent);
        combo->addItems(strings(row.items));
        combo->setCurrentIndex(-1);
        return combo;
    }
    case Kind::LookupCombo:
        return new LookupCombo(parent);
    case Kind::DatePicker:
        return new DatePicker(parent);
    case Kind::RecordGrid:
        return new RecordGrid(row.columns, parent);
    case Kind::PageControl:
        return new PageControl(parent);
    case Kind::CoolBar: {
        auto* bar = new CoolBar(parent);
        bar->setBitmap(loadResource(row.picture));
        return bar;
    }
    case Kind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setAutoFillBackground(true);
        return panel;
    }
    case Kind::Button: {
        auto* button = new QPushButton(text, parent);
        if (const QImage picture = loadResource(row.picture); !picture.isNull()) {
            const QImage glyph = withTransparentColour(picture, picture.pixel(0, picture.height() - 1));
            button->setIcon(pixelArtIcon(glyph));
            button->setIconSize(glyph.size());
        }
        button->setAutoDefault(false);
        return button;
    }
    case Kind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        bar->setTextVisible(false);
        return bar;
    }
    case Kind::ScrollBox: {
        auto* box = new QScrollArea(parent);
        box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setWidgetResizable(true);
        box->setFocusPolicy(Qt::NoFocus); // the keyboard goes to the controls inside
        auto* inner = new QWidget;
        inner->setObjectName(QString::fromLatin1(row.name) + QStringLiteral("Inner"));
        box->setWidget(inner);
        return box;
    }
    case Kind::ListBox:
        return new QListWidget(parent);
    case Kind::ChartArea:
        return new Shape(ShapeKind::Rectangle, row.color == none ? QColor(Qt::white) : rgb(row.color),
                         parent);
    case Kind::Custom:
        return row.make ? row.make(parent) : new QWidget(parent);
    }
    return nullptr;
}

// A caption as read aloud: "&Close" is "Close", "&&" a single ampersand.
QString withoutMnemonic(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'&')
            text.remove(i, 1); // the character after it stays, even a second ampersand
    return text;
}

// Keeps the aligned controls of one parent in place when the parent changes size.
class Aligner : public QObject {
public:
    explicit Aligner(QWidget* parent)
        : QObject(parent)
        , parent_(parent) {
        parent->installEventFilter(this);
    }
    void add(QWidget* w, Align align) { controls_.emplace_back(w, align); }

    void arrange() {
        QRect room = parent_->contentsRect();
        for (auto& [w, align] : controls_) {
            switch (align) {
            case Align::Top:
                w->setGeometry(room.left(), room.top(), room.width(), w->height());
                room.setTop(room.top() + w->height());
                break;
            case Align::Bottom:
                w->setGeometry(room.left(), room.bottom() + 1 - w->height(), room.width(), w->height());
                room.setBottom(room.bottom() - w->height());
                break;
            case Align::Right:
                w->setGeometry(room.right() + 1 - w->width(), room.top(), w->width(), room.height());
                room.setRight(room.right() - w->width());
                break;
            default:
                break;
            }
        }
        // What the edges leave goes to the filling controls.
        for (auto& [w, align] : controls_)
            if (align == Align::Client)
                w->setGeometry(room);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent_ && event->type() == QEvent::Resize)
            arrange();
        return false;
    }

private:
    QWidget* parent_;
    std::vector<std::pair<QWidget*, Align>> controls_;
};

// Rows in creation order: within each parent, graphic controls first and windowed ones after
// them, each group in table order; a control's children come after the control itself.
void creationOrder(std::span<const Row> rows, const char* parent, std::vector<const Row*>& order) {
    auto childOf = [parent](const Row& row) {
        return parent ? row.parent && qstrcmp(row.parent, parent) == 0 : !row.parent;
    };
    const size_t first = order.size();
    for (const Row& row : rows)
        if (childOf(row) && isGraphic(row.kind))
            order.push_back(&row);
    for (const Row& row : rows)
        if (childOf(row) && !isGraphic(row.kind))
            order.push_back(&row);
    const size_t last = order.size();
    for (size_t i = first; i < last; ++i)
        creationOrder(rows, order[i]->name, order);
}

// Where the keyboard enters a control and where it leaves it: a container that takes no
// focus itself (a group box, a scroll box) is entered at its first control and left after
// its last one.
QWidget* chainHead(QWidget* w) {
    if (w->focusPolicy() != Qt::NoFocus)
        return w;
    for (QWidget* child : w->findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus)
            return child;
    return w;
}

QWidget* chainTail(QWidget* w) {
    if (w->focusPolicy() != Qt::NoFocus)
        return w;
    QWidget* tail = w;
    for (QWidget* child : w->findChildren<QWidget*>())
        if (child->focusPolicy() != Qt::NoFocus)
            tail = child;
    return tail;
}

// The Tab key enters a group of radio buttons at its checked one and leaves the group after
// it: the arrow keys move within the group.
void tabEntersAtCheckedRadio(QRadioButton* checked) {
    for (auto* sibling : checked->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        sibling->setFocusPolicy(sibling == checked ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

Controls build(QWidget* parent, std::initializer_list<std::span<const Row>> blocks, const PageStyle& style) {
    std::vector<Row> rows;
    for (std::span<const Row> block : blocks)
        rows.insert(rows.end(), block.begin(), block.end());
    return build(parent, rows, style);
}

Controls build(QWidget* parent, std::span<const Row> rows, const PageStyle& style) {
    installAccessibility();
    Controls controls;
    std::vector<const Row*> order;
    creationOrder(rows, nullptr, order);
    // Rows under a parent the table lacks are never reached from the top.
    if (order.size() != rows.size()) {
        for (const Row& row : rows)
            if (std::find(order.begin(), order.end(), &row) == order.end())
                throw std::invalid_argument(std::string("layout row ") + row.name + ": no parent control " +
                                            (row.parent ? row.parent : "?"));
    }

    QHash<QPair<QWidget*, int>, QButtonGroup*> groups;
    QHash<QWidget*, Aligner*> aligners;
    for (const Row* row : order) {
        QWidget* owner = row->parent ? controls.value(QString::fromLatin1(row->parent)) : parent;
        if (auto* box = qobject_cast<QScrollArea*>(owner))
            owner = box->widget(); // rows stand in the box's inner area
        QWidget* w = create(*row, owner);
        w->setObjectName(QString::fromLatin1(row->name));
        if (row->font)
            w->setFont(fontOf(*row->font));
        if (row->kind == Kind::LinkLabel) {
            QFont f = w->font();
            f.setUnderline(true);
            w->setFont(f);
        }
        applyColours(w, *row, style);
        if (auto* grid = qobject_cast<RecordGrid*>(w))
            styleGrid(grid, *row);
        if (!row->field.isEmpty())
            w->setProperty("field", row->field.toString());
        if (!row->listField.isEmpty())
            w->setProperty("listField", row->listField.toString());
        w->setGeometry(row->align == Align::Client ? owner->contentsRect() : row->geometry);
        if (auto* label = qobject_cast<QLabel*>(w); label && row->center)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop); // keeps its width, text centred
        else if (auto* label = dynamic_cast<TextLabel*>(w))
            label->sizeToText(row->right); // labels size themselves to their text
        if (!row->hint.isEmpty()) {
            w->setToolTip(row->hint.toString());
            w->setAccessibleDescription(row->hint.toString());
        }
        // Labels are read by the text they show at the time, whatever the table said; a
        // link label's hint is only its description. Other controls with a hint and no
        // words of their own (the glyph buttons) are read by the hint.
        if (!row->spoken.isEmpty())
            w->setAccessibleName(row->spoken.toString());
        else if (!row->text.isEmpty() && row->kind != Kind::Label && row->kind != Kind::LinkLabel)
            w->setAccessibleName(withoutMnemonic(row->text.toString()));
        else if (!row->hint.isEmpty() && row->kind != Kind::LinkLabel)
            w->setAccessibleName(row->hint.toString());
        else if (auto* grid = qobject_cast<RecordGrid*>(w))
            w->setAccessibleName(grid->titles().join(QStringLiteral(", ")));
        // Radio buttons standing in one container are one exclusive group of their own, also
        // for the keyboard (a group nested inside another box is a group apart).
        const bool radio = qobject_cast<QRadioButton*>(w);
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && (row->group || radio)) {
            QButtonGroup*& group = groups[qMakePair(owner, row->group ? row->group : -1)];
            if (!group)
                group = new QButtonGroup(owner);
            button->setCheckable(true);
            button->setChecked(row->checked);
            group->addButton(button);
        }
        if (auto* button = qobject_cast<QPushButton*>(w); button && row->cancel) {
            auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), button->window());
            QObject::connect(escape, &QShortcut::activated, button, &QAbstractButton::click);
        }
        if (row->align != Align::None) {
            Aligner*& aligner = aligners[owner];
            if (!aligner)
                aligner = new Aligner(owner);
            aligner->add(w, row->align);
        }
        w->setVisible(!row->hidden);
        controls.insert(w->objectName(), w);
    }
    for (Aligner* aligner : aligners)
        aligner->arrange();

    // A control is read by the label that stands for it; the label, which points at one
    // control, also tells assistive tools which control it names.
    // A check box that stands over a field names it the same way.
    for (const Row& row : rows) {
        if (!row.label)
            continue;
        QWidget* w = controls.value(QString::fromLatin1(row.name));
        QWidget* namer = controls.value(QString::fromLatin1(row.label));
        if (!w || !namer)
            throw std::invalid_argument(std::string("layout row ") + row.name + ": no label " + row.label);
        if (auto* label = qobject_cast<QLabel*>(namer)) {
            w->setAccessibleName(withoutMnemonic(label->text()));
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
                combo->lineEdit()->setAccessibleName(w->accessibleName()); // where typing goes
            if (!label->buddy())
                label->setBuddy(w);
        } else if (auto* button = qobject_cast<QAbstractButton*>(namer)) {
            w->setAccessibleName(withoutMnemonic(button->text()));
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
                combo->lineEdit()->setAccessibleName(w->accessibleName());
        }
    }

    for (QWidget* w : std::as_const(controls))
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            QObject::connect(radio, &QRadioButton::toggled, radio, [radio](bool on) {
                if (on)
                    tabEntersAtCheckedRadio(radio);
            });
            if (radio->isChecked())
                tabEntersAtCheckedRadio(radio);
        }

    // Controls inside a group box keep their creation order after the box.
    std::vector<const Row*> tabbed;
    for (const Row& row : rows)
        if (row.tab >= 0 && !row.parent)
            tabbed.push_back(&row);
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const Row* a, const Row* b) { return a->tab < b->tab; });
    QWidget* previous = nullptr;
    for (const Row* row : tabbed) {
        QWidget* w = controls.value(QString::fromLatin1(row->name));
        if (previous)
            QWidget::setTabOrder(chainTail(previous), chainHead(w));
        previous = w;
    }
    // The chain is a ring, so where a window enters it is not given by the order alone: the
    // first control of the tab order takes the focus when the window first becomes active.
    if (!tabbed.empty() && parent->isWindow())
        controls.value(QString::fromLatin1(tabbed.front()->name))->setFocus();
    return controls;
}

} // namespace kit
