#pragma once
// Windows are built from layout data: one table per page or window, one row per control,
// in stacking order (the bottom one first). The builder turns rows into widgets.
#include <QHash>
#include <QRect>
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <span>

class QWidget;

namespace kit {

enum class Kind {
    Label,           // transparent, sized to its text
    LinkLabel,       // yellow, underlined, hand cursor, hint; a click does nothing
    Shape,           // ellipse or rectangle with a 1 px black outline
    Picture,         // picture box
    SpeedButton,     // not flat: border always drawn
    FlatSpeedButton, // border only under the mouse
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,         // plain edit; `readOnly` takes the focus but no typing
    ComboBox,     // editable combo box: typed text or a pick from `items`
    DropDownList, // combo box that only picks from `items`
    FieldEdit,    // record field edit bound to no data: empty, no typing
    FieldCombo,   // record field combo: drops its list, keeps no choice
    LookupCombo,  // record lookup: empty, its list never opens
    DatePicker,   // date only, short format, drop-down month calendar
    RecordGrid,   // column titles and no records
    PageControl,  // the notebook; its pages are added by the window
    CoolBar,      // a bar with a tiled `picture`; its bands are added by the window
    Panel,        // a raised panel that holds other controls
    Button,       // push button with a caption and an optional `picture`; `cancel`: Esc presses it
    ProgressBar,  // an empty bar, 0 to 100
    ScrollBox,    // a sunken box whose inner area holds the rows naming it as parent
    ListBox,      // an empty list
    ChartArea,    // a white rectangle with a black outline that stands above windowed controls
    Custom,       // a control of the window's own, made by `make`
};

// Where a control keeps itself when its parent changes size: along the top or bottom edge at
// its own height, along the right edge at its own width, or filling what the others leave.
// Controls are placed in table order, each taking its room from what is left.
enum class Align { None, Top, Bottom, Right, Client };

// Graphic controls always lie below windowed ones, whatever the table order.
bool isGraphic(Kind kind);

enum class ShapeKind { Ellipse, Rectangle };

// Colours as 0xRRGGBB; `none` leaves the control's own colour.
inline constexpr int none = -1;

struct Font {
    QStringView family = u"MS Sans Serif";
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A record grid's column: the record field, the title shown (empty: the field name),
// its width and the pick list offered while a cell of it is edited.
struct Column {
    QStringView field;
    QStringView title = {};
    int width = 64;
    std::span<const QStringView> pickList = {};
};

struct Row {
    const char* name = nullptr;
    Kind kind = Kind::Label;
    QRect geometry;                // pixels of the 96 dpi grid, relative to the parent
    QStringView text = {};         // caption; a picture box's: what it shows, read aloud
    QStringView hint = {};         // tooltip and accessible description
    QStringView spoken = {};       // words only drawn (in a glyph): the screen-reader name
    const char* label = nullptr;   // the label that stands for this control: its screen-reader name
    const char* parent = nullptr;  // name of the group box it stands in, if any
    const char* picture = nullptr; // resource path of a picture or glyph strip
    int glyphs = 1;                // images side by side in a glyph strip
    int color = none;              // background or fill
    int fontColor = none;
    const Font* font = nullptr;              // nullptr: the parent's font
    int tab = -1;                            // position in the tab order, -1: not in it
    std::span<const QStringView> items = {}; // combo box items
    std::span<const Column> columns = {};    // record grid columns
    QStringView field = {};                  // record field of a field control (lookup: key field)
    QStringView listField = {};              // lookup combo: the field its list shows
    int fixedColor = none;                   // record grid: title row and indicator column
    const Font* titleFont = nullptr;         // record grid titles
    int titleColor = none;
    bool readOnly = false;
    ShapeKind shape = ShapeKind::Ellipse;
    bool checked = false;
    bool hidden = false;
    bool stretch = false;
    bool center = false; // picture box: picture centred; label: fixed width, text centred
    bool right = false;  // label: sized to its text, its right edge kept where the table puts it
    Align align = Align::None;
    int group = 0;       // speed buttons with the same group: exactly one is down (`checked`)
    bool cancel = false; // button: the window's cancel button
    QWidget* (*make)(QWidget* parent) = nullptr; // Custom
};

// The widgets built from a table, by name.
using Controls = QHash<QString, QWidget*>;

// What a table leaves to its page: the colour of labels that name none.
struct PageStyle {
    int labelColor = none;
};

// Builds `rows` onto `parent`: graphic controls first, then windowed ones, each group in
// table order; then the tab order. Returns every control by name. A row naming a parent or
// a label that the table does not hold is a fault of the table: std::invalid_argument.
Controls build(QWidget* parent, std::span<const Row> rows, const PageStyle& style = {});

// The same for a table made of several blocks, taken in one stacking order.
Controls build(QWidget* parent, std::initializer_list<std::span<const Row>> blocks,
               const PageStyle& style = {});

} // namespace kit
