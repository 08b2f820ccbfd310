#include "platform/Dialogs.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMimeData>

namespace platform {

namespace {

// "name|pattern|name|pattern" to Qt's "name (pattern);;name (pattern)".
QStringList NameFilters(const std::string& Filter) {
    QStringList parts = U(Filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

} // namespace

bool TFileDialog::Run(QWidget* Parent, bool Save) {
    QFileDialog dialog(Parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode((Options & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(Options & ofOverwritePrompt));
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!Title.empty()) dialog.setWindowTitle(U(Title));
    const QStringList filters = NameFilters(Filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    const QFileInfo current(U(FileName));
    QString directory = U(InitialDir);
    if (!FileName.empty() && current.isAbsolute()) directory = current.absolutePath();
    if (!directory.isEmpty()) dialog.setDirectory(QDir(directory).absolutePath());
    if (!FileName.empty()) dialog.selectFile(current.fileName());
    while (dialog.exec() == QDialog::Accepted) {
        const QStringList files = dialog.selectedFiles();
        if (files.isEmpty()) return false;
        const QFileInfo chosen(files.first());
        if ((Options & ofPathMustExist) && !chosen.absoluteDir().exists()) continue;
        FileName = chosen.absoluteFilePath().toStdString();
        return true;
    }
    return false;
}

bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(U(Caption));
    dialog.setLabelText(U(Prompt));
    dialog.setTextValue(FromCp932(Value));
    if (dialog.exec() != QDialog::Accepted) return false;
    auto bytes = ToCp932(dialog.textValue());
    Value = bytes ? *bytes : dialog.textValue().toStdString();
    return true;
}

bool TClipboard::HasText() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string TClipboard::GetAsText() const {
    const QString text = QApplication::clipboard()->text();
    if (auto bytes = ToCp932(text)) return *bytes;
    std::string out;
    for (QChar ch : text) {
        auto bytes = ToCp932(QString(ch));
        out += bytes ? *bytes : std::string("?");
    }
    return out;
}

void TClipboard::SetAsText(const std::string& Cp932Text) { QApplication::clipboard()->setText(FromCp932(Cp932Text)); }

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

} // namespace platform
