// The widget kit: what each control kind keeps from its classic behaviour.
#include "Support.h"
#include "kit/Controls.h"
#include "kit/Layout.h"
#include "kit/SpeedButton.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <stdexcept>

namespace {

using kit::Kind;

constexpr QStringView someItems[] = {u"jeden", u"dwa"};

// One control of every record kind, a label and a shape, out of stacking order on purpose:
// windowed rows come first in the table.
// clang-format off
const kit::Row fixture[] = {
    {.name = "Edit", .kind = Kind::FieldEdit, .geometry = {10, 10, 100, 21}, .tab = 1, .field = u"Nazwisko"},
    {.name = "Shape", .kind = Kind::Shape, .geometry = {-50, -50, 200, 200}, .color = 0x003986},
    {.name = "Combo", .kind = Kind::FieldCombo, .geometry = {10, 40, 100, 21}, .tab = 0, .items = someItems},
    {.name = "Lookup", .kind = Kind::LookupCombo, .geometry = {10, 70, 100, 21}, .tab = 2, .field = u"NR", .listField = u"Nazwa"},
    {.name = "Label", .kind = Kind::Label, .geometry = {10, 100, 5, 5}, .text = u"Nabywca długi"},
    {.name = "Link", .kind = Kind::LinkLabel, .geometry = {10, 120, 5, 5}, .text = u"Produkt", .hint = u"Kliknij"},
    {.name = "Date", .kind = Kind::DatePicker, .geometry = {10, 140, 100, 21}, .tab = 3},
    {.name = "Button", .kind = Kind::FlatSpeedButton, .geometry = {150, 10, 20, 20}, .hint = u"znajdź"},
};
// clang-format on

} // namespace

class KitTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete page_; }
    void graphicControlsLieBelowWindowedOnes();
    void fieldEditTakesNoTyping();
    void fieldComboKeepsNoChoice();
    void lookupListNeverOpens();
    void datePickerStartsAtItsFixedDate();
    void labelsSizeThemselvesAndLinksLookLikeLinks();
    void tabOrderFollowsTheTable();
    void glyphTransparencyAndStates();
    void tableFaultsAreRefused_data();
    void tableFaultsAreRefused();
    void blocksStackInOneOrder();
    void scrollBoxHoldsItsRowsInItsInnerArea();

private:
    QWidget* page_ = nullptr;
    kit::Controls controls_;
    template <typename T> T* get(const char* name) { return qobject_cast<T*>(controls_.value(name)); }
};

void KitTest::init() {
    page_ = new QWidget;
    page_->resize(300, 200);
    controls_ = kit::build(page_, fixture);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_));
}

void KitTest::graphicControlsLieBelowWindowedOnes() {
    // stacking order is the order of the parent's children, the bottom one first
    QStringList stack;
    for (QObject* child : page_->children())
        if (child->isWidgetType())
            stack << child->objectName();
    QCOMPARE(stack, (QStringList{"Shape", "Label", "Link", "Button", "Edit", "Combo", "Lookup", "Date"}));
}

void KitTest::fieldEditTakesNoTyping() {
    auto* edit = get<QLineEdit>("Edit");
    edit->setFocus();
    QTest::keyClicks(edit, "Kowalski");
    QVERIFY(edit->text().isEmpty());
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->property("field").toString(), QStringLiteral("Nazwisko"));
}

void KitTest::fieldComboKeepsNoChoice() {
    auto* combo = get<QComboBox>("Combo");
    QCOMPARE(combo->count(), 2);
    combo->showPopup();
    QVERIFY(combo->view()->isVisible());
    // choosing an item with the keyboard in the open list
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(combo->currentText().isEmpty());
}

void KitTest::lookupListNeverOpens() {
    auto* lookup = get<QComboBox>("Lookup");
    QTest::mouseClick(lookup, Qt::LeftButton);
    QVERIFY(lookup->hasFocus());
    QVERIFY(!lookup->view()->isVisible());
    QTest::keyClick(lookup, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(!lookup->view()->isVisible());
    QVERIFY(lookup->currentText().isEmpty());
    QCOMPARE(lookup->property("listField").toString(), QStringLiteral("Nazwa"));
}

void KitTest::datePickerStartsAtItsFixedDate() {
    auto* date = get<QDateEdit>("Date");
    QCOMPARE(date->date(), QDate(2000, 9, 4));
    QVERIFY(date->calendarPopup());
    QCOMPARE(date->displayedSections() & QDateTimeEdit::TimeSections_Mask, 0);
}

void KitTest::labelsSizeThemselvesAndLinksLookLikeLinks() {
    auto* label = get<QLabel>("Label");
    QCOMPARE(label->size(), label->sizeHint());
    QVERIFY(label->width() > 5);
    auto* link = get<QLabel>("Link");
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QCOMPARE(link->toolTip(), QStringLiteral("Kliknij"));
}

void KitTest::tabOrderFollowsTheTable() {
    QCOMPARE(get<QWidget>("Combo")->nextInFocusChain(), get<QWidget>("Edit"));
    QWidget* afterEdit = get<QWidget>("Edit")->nextInFocusChain();
    QCOMPARE(afterEdit, get<QWidget>("Lookup"));
}

void KitTest::glyphTransparencyAndStates() {
    // a strip of three 4 x 2 images: red, green, blue; the bottom-left pixel is magenta
    QImage strip(12, 2, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    strip.setPixel(0, 0, qRgb(255, 0, 0));
    strip.setPixel(4, 0, qRgb(0, 255, 0));
    strip.setPixel(8, 0, qRgb(0, 0, 255));
    kit::SpeedButton button;
    button.setGlyph(strip, 3);
    const QImage normal = button.glyphImage(0), disabled = button.glyphImage(1),
                 pressed = button.glyphImage(2);
    QCOMPARE(normal.size(), QSize(4, 2));
    QCOMPARE(normal.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(disabled.pixel(0, 0), qRgb(0, 255, 0));
    QCOMPARE(pressed.pixel(0, 0), qRgb(0, 0, 255));
    QCOMPARE(qAlpha(normal.pixel(1, 1)), 0);
    QCOMPARE(qAlpha(normal.pixel(0, 1)), 0);
}

void KitTest::tableFaultsAreRefused_data() {
    QTest::addColumn<int>("fault");
    QTest::newRow("graphic row in a parent the table lacks") << 0;
    QTest::newRow("windowed row in a parent the table lacks") << 1;
    QTest::newRow("field named by a label the table lacks") << 2;
}

void KitTest::tableFaultsAreRefused() {
    QFETCH(int, fault);
    // clang-format off
    const kit::Row faults[][2] = {
        {{.name = "Box", .kind = Kind::GroupBox, .geometry = {0, 0, 50, 50}},
         {.name = "Lost", .kind = Kind::Label, .geometry = {1, 1, 5, 5}, .text = u"x", .parent = "Bxo"}},
        {{.name = "Box", .kind = Kind::GroupBox, .geometry = {0, 0, 50, 50}},
         {.name = "Lost", .kind = Kind::Edit, .geometry = {1, 1, 20, 21}, .parent = "Bxo"}},
        {{.name = "Label", .kind = Kind::Label, .geometry = {0, 0, 5, 5}, .text = u"x"},
         {.name = "Edit", .kind = Kind::Edit, .geometry = {0, 20, 20, 21}, .label = "Lable"}},
    };
    // clang-format on
    QWidget parent;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, kit::build(&parent, faults[fault]));
    // the same rows without the slip build
    kit::Row fixed[2] = {faults[fault][0], faults[fault][1]};
    if (fixed[1].parent)
        fixed[1].parent = "Box";
    if (fixed[1].label)
        fixed[1].label = "Label";
    QWidget other;
    const kit::Controls built = kit::build(&other, fixed);
    QVERIFY(built.value("Lost", built.value("Edit")));
}

void KitTest::blocksStackInOneOrder() {
    // clang-format off
    const kit::Row back[] = {{.name = "Back", .kind = Kind::Shape, .geometry = {0, 0, 50, 50}},
                             {.name = "Field", .kind = Kind::Edit, .geometry = {0, 60, 50, 21}, .label = "Caption", .tab = 0}};
    const kit::Row front[] = {{.name = "Front", .kind = Kind::Label, .geometry = {0, 0, 5, 5}, .text = u"Nazwa"},
                              {.name = "Caption", .kind = Kind::Label, .geometry = {0, 45, 5, 5}, .text = u"Opis"}};
    // clang-format on
    QWidget parent;
    const kit::Controls built = kit::build(&parent, {back, front});
    QStringList stack;
    for (QObject* child : parent.children())
        stack << child->objectName();
    QCOMPARE(stack, (QStringList{"Back", "Front", "Caption", "Field"}));
    // a label of a later block names a field of an earlier one
    QCOMPARE(built.value("Field")->accessibleName(), QStringLiteral("Opis"));
}

void KitTest::scrollBoxHoldsItsRowsInItsInnerArea() {
    // clang-format off
    const kit::Row rows[] = {
        {.name = "Box", .kind = Kind::ScrollBox, .geometry = {0, 0, 100, 80}, .tab = 0},
        {.name = "List", .kind = Kind::ListBox, .geometry = {10, 10, 40, 40}, .parent = "Box"},
        {.name = "Chart", .kind = Kind::ChartArea, .geometry = {0, 0, 100, 80}, .parent = "Box"},
    };
    // clang-format on
    QWidget parent;
    parent.resize(120, 100);
    const kit::Controls built = kit::build(&parent, rows);
    auto* box = qobject_cast<QScrollArea*>(built.value("Box"));
    QVERIFY(box);
    QCOMPARE(built.value("List")->parentWidget(), box->widget());
    QCOMPARE(built.value("Chart")->parentWidget(), box->widget());
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // the keyboard enters the box at the control inside it
    QCOMPARE(box->focusPolicy(), Qt::NoFocus);
}

LEDGORA_TEST_MAIN(KitTest)
#include "tst_kit.moc"
