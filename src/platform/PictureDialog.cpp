#include "platform/PictureDialog.h"
#include "platform/Error.h"
#include "platform/PictureFile.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace platform {
namespace {

QPixmap previewOf(const QString& path, QSize room) {
    try {
        return QPixmap::fromImage(renderPicture(loadPictureFile(path), room));
    } catch (const Error&) {
        return {};
    }
}

class FileDialog : public PictureDialog {
public:
    QString run(const QStringList& filters) override {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog); // the preview needs our own dialog
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setNameFilters(filters);
        if (!filters.isEmpty())
            dialog.selectNameFilter(filters.first());

        auto* preview = new QLabel(&dialog);
        preview->setFixedSize(164, 164);
        preview->setAlignment(Qt::AlignCenter);
        preview->setFrameShape(QFrame::StyledPanel);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
        QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
            preview->setPixmap(previewOf(path, preview->size() - QSize(4, 4)));
        });

        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }
};

PictureDialog* installed = nullptr;

} // namespace

void setPictureDialog(PictureDialog* dialog) {
    installed = dialog;
}

QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return filters;
}

QString openPictureDialog(const QString& filter) {
    static FileDialog files;
    return (installed ? *installed : static_cast<PictureDialog&>(files)).run(nameFilters(filter));
}

} // namespace platform
