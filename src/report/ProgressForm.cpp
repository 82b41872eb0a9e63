#include "report/ProgressForm.h"
#include "platform/Fonts.h"
#include "platform/Guarded.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace report {
namespace {

using kit::Kind;

// clang-format off
const kit::Row progressLayout[] = {
    {.name = "ProgressBar1", .kind = Kind::ProgressBar, .geometry = {10, 10, 127, 15}},
    {.name = "Info", .kind = Kind::Label, .geometry = {0, 28, 145, 13}, .center = true},
    {.name = "CancelButton", .kind = Kind::Button, .geometry = {36, 52, 75, 25}, .text = u"Cancel", .tab = 0, .cancel = true},
};
// clang-format on

} // namespace

TRpProgressForm::TRpProgressForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("RpProgressForm"));
    setWindowTitle(QStringLiteral("Printing progress"));
    setAttribute(Qt::WA_DeleteOnClose, false); // the request that made it frees it
    setFont(platform::windowFont());
    setFixedSize(147, 84);
    controls_ = kit::build(this, progressLayout);
    ProgressBar1 = qobject_cast<QProgressBar*>(control(QStringLiteral("ProgressBar1")));
    Info = qobject_cast<QLabel*>(control(QStringLiteral("Info")));
    CancelButton = qobject_cast<QPushButton*>(control(QStringLiteral("CancelButton")));
    connect(CancelButton, &QPushButton::clicked, this,
            [this] { ledgora::guarded([this] { CancelButtonClick(); }); });
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TRpProgressForm::setProgress(int percent) {
    if (percent % 5 != 0)
        return;
    ProgressBar1->setValue(percent);
    Info->setText(QString::number(percent) + QStringLiteral("% ") + QStringLiteral(" Completed"));
}

void TRpProgressForm::CancelButtonClick() {
    if (cancelled_)
        return;
    cancelled_ = true;
    emit cancelRequested();
}

void TRpProgressForm::closeEvent(QCloseEvent* event) {
    CancelButtonClick();
    event->accept();
}

} // namespace report
