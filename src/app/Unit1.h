#pragma once
// The main window: notebook, toolbar, status band, and the reactions of the program.
#include "kit/Layout.h"
#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
namespace kit {
class CoolBar;
class PageControl;
class PictureBox;
class SpeedButton;
} // namespace kit
namespace report {
class TReport;
}

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    kit::PageControl* PageControl1 = nullptr;
    kit::CoolBar* CoolBar3 = nullptr;
    kit::CoolBar* CoolBar1 = nullptr;

    // A control of the window or of one of its pages, by name. Asking for a control of a
    // page not built yet builds the pages first.
    QWidget* control(const QString& name) const;
    template <typename T> T* control(const QString& name) const { return qobject_cast<T*>(control(name)); }

    QCheckBox* CheckBox4() const;
    // The invoice page's correction title (the hidden Label78), which the VAT invoice reads.
    QString correctionTitle() const;
    QString statusText() const;

    void FormCreate();
    // Repeats the 100 x 100 tile of ImageBufer over the eight page backgrounds.
    void TileBackgrounds();
    void SpeedButton2Click();
    void PageControl1Change();

    // Event descriptions: what the operation would do, in a box of their own.
    void SpeedButton46Click();
    void SpeedButton12Click();
    void SpeedButton13Click();
    void SpeedButton16Click();
    void SpeedButton67Click();
    void SpeedButton1Click();
    void SpeedButton10Click();
    void SpeedButton3Click();
    void SpeedButton9Click();
    // Notepad and Calculator.
    void SpeedButton47Click();
    void SpeedButton48Click();
    // Previous and next page, wrapping at either end.
    void SpeedButton6Click();
    void SpeedButton5Click();
    // Preview and print of the chosen document.
    void SpeedButton4Click();
    void SpeedButton8Click();
    // About, find seller, find buyer, close.
    void SpeedButton36Click();
    void SpeedButton63Click();
    void SpeedButton66Click();
    void SpeedButton7Click();
    // The button sound: plays "Snd\buton.wav" when CheckBox4 is checked.
    void ButtonSound();

    // The page backgrounds in the order they are painted.
    static const std::array<const char*, 8> backgroundTargets;
    // The squares each target receives for a screen of `screen` pixels, in copy order:
    // rows of 100 from y = 0 while y <= height, within each columns while x <= width.
    static std::vector<QRect> tileSquares(QSize screen);

    // Status band text per page index, as the page change sets it.
    static const std::array<QStringView, 9> statusTexts;

    // The pages not shown at start (all but the invoice and options pages) are built right
    // after the first paint of the window, or earlier when anything needs one of them.
    bool pagesPending() const { return !pendingPages_.empty(); }
    void buildPendingPages();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // What preview and print hand over, read once at the click: the transfer sheet on
    // "Przelewy" (its form picture copied first), elsewhere the document kind chosen on the
    // invoice page; nullptr when no kind is chosen.
    report::TReport* documentToHandOver();

    kit::Controls buildNotebookPage(int index);
    void connectHandlers(const kit::Controls& built);

    kit::Controls controls_;
    std::vector<int> pendingPages_;
    bool constructed_ = false;
    bool buildScheduled_ = false;
};
