// The widget kit: what each control kind keeps from its classic behaviour.
#include "Support.h"
#include "kit/Controls.h"
#include "kit/Layout.h"
#include "kit/SpeedButton.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

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

LEDGORA_TEST_MAIN(KitTest)
#include "tst_kit.moc"
