#include "winsupport/VbCommonDialog.h"

#include <QFileDialog>

namespace qav {

QStringList NameFiltersFromWindowsFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) continue;
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        }
        nameFilters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return nameFilters;
}

QString ChooseFileWithDialog(const FileDialogRequest& request) {
    QFileDialog dialog(request.owner, QString(), request.directory);
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist && !save ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setNameFilters(request.nameFilters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.nameFilters.size())
        dialog.selectNameFilter(request.nameFilters.at(request.selectedFilter));
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

VbCommonDialog::VbCommonDialog(FileChooser chooser, QWidget* owner)
    : chooser_(chooser ? std::move(chooser) : FileChooser(ChooseFileWithDialog)), owner_(owner) {}

FileDialogRequest VbCommonDialog::Request(FileDialogRequest::Mode mode) const {
    FileDialogRequest request;
    request.mode = mode;
    request.fileName = FileName;
    request.directory = InitDir;
    request.nameFilters = NameFiltersFromWindowsFilter(Filter);
    request.selectedFilter = FilterIndex - 1;
    request.confirmOverwrite = (Flags & cdlOFNOverwritePrompt) != 0;
    request.fileMustExist = (Flags & cdlOFNFileMustExist) != 0;
    request.defaultSuffix = DefaultExt;
    request.owner = owner_;
    return request;
}

void VbCommonDialog::ShowOpen() {
    FileName = chooser_(Request(FileDialogRequest::Mode::Open));
}

void VbCommonDialog::ShowSave() {
    FileName = chooser_(Request(FileDialogRequest::Mode::Save));
}

}  // namespace qav
