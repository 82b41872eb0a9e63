#pragma once
// The file dialogs of the print preview: save pages as one of several types, open a saved
// preview.
#include <QString>
#include <QStringList>

namespace platform {

struct FileChoice {
    QString path;   // empty: the user cancelled
    int filter = 0; // which of the offered types was chosen
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // `filters` as "Description (*.ext)"; a name typed without an extension gets the one of
    // the chosen type.
    virtual FileChoice save(const QStringList& filters) = 0;
    virtual QString open(const QStringList& filters) = 0;
};

// Installs dialogs (nullptr restores the real ones). The caller keeps ownership.
void setFileDialogs(FileDialogs* dialogs);

FileChoice saveFileDialog(const QStringList& filters);
QString openFileDialog(const QStringList& filters);

} // namespace platform
