#pragma once
// The open-picture dialog: a file-open dialog with a preview of the selected picture.
#include <QString>
#include <QStringList>

namespace platform {

class PictureDialog {
public:
    virtual ~PictureDialog() = default;
    // The chosen file's path, or an empty string when the user cancels.
    virtual QString run(const QStringList& nameFilters) = 0;
};

// Installs a dialog (nullptr restores the real one). The caller keeps ownership.
void setPictureDialog(PictureDialog* dialog);

// Runs the dialog with a filter written as "description|patterns|description|patterns...",
// the first entry selected; no title of its own, no start folder, no default extension.
QString openPictureDialog(const QString& filter);

// "All (*.bmp;*.ico)|*.bmp;*.ico|..." -> {"All (*.bmp;*.ico) (*.bmp *.ico)", ...}
QStringList nameFilters(const QString& filter);

} // namespace platform
