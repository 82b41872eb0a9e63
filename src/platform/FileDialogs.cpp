#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace platform {
namespace {

// "Text file (*.txt)" -> "txt"
QString suffixOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

class QtDialogs : public FileDialogs {
public:
    FileChoice save(const QStringList& filters) override {
        QFileDialog dialog;
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty()) {
            dialog.selectNameFilter(filters.first());
            dialog.setDefaultSuffix(suffixOf(filters.first()));
        }
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return {dialog.selectedFiles().first(),
                int(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())))};
    }

    QString open(const QStringList& filters) override {
        QFileDialog dialog;
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters(filters);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }
};

FileDialogs* installed = nullptr;

FileDialogs& dialogs() {
    static QtDialogs real;
    return installed ? *installed : real;
}

} // namespace

void setFileDialogs(FileDialogs* d) {
    installed = d;
}

FileChoice saveFileDialog(const QStringList& filters) {
    return dialogs().save(filters);
}

QString openFileDialog(const QStringList& filters) {
    return dialogs().open(filters);
}

} // namespace platform
