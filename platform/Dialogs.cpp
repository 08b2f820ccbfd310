#include "platform/Dialogs.h"

#include "platform/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QValidator>

namespace platform {

namespace {

// "name|pattern|name|pattern" to Qt's "name (pattern)" entries; several patterns are split by ";".
QStringList NameFilters(const std::string& Filter) {
    const QStringList parts = U(Filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

// A file dialog that refuses a file whose folder does not exist, staying open as the system's does.
class TPathCheckingFileDialog : public QFileDialog {
public:
    TPathCheckingFileDialog(QWidget* Parent, bool PathMustExist)
        : QFileDialog(Parent), FPathMustExist(PathMustExist) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (FPathMustExist && !files.isEmpty() && !QFileInfo(files.first()).absoluteDir().exists()) {
            QMessageBox::warning(
                this, windowTitle(),
                tr("%1\nDirectory not found.\nPlease verify the correct directory name was given.")
                    .arg(QFileInfo(files.first()).absolutePath()));
            return;
        }
        QFileDialog::accept();
    }

private:
    bool FPathMustExist;
};

// The folder the dialog starts in: that of the proposed file when it names one that exists, otherwise
// the initial directory.
QString StartDirectory(const QString& FileName, const QString& InitialDir) {
    const QFileInfo proposed(FileName);
    if (!FileName.isEmpty() && FileName != proposed.fileName() && proposed.absoluteDir().exists())
        return proposed.absolutePath();
    if (!InitialDir.isEmpty()) return QDir(InitialDir).absolutePath();
    return {};
}

// Refuses typed or pasted characters that CP932 cannot hold, so the text comes back unchanged.
class TCp932Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& Input, int&) const override { return ToCp932(Input) ? Acceptable : Invalid; }
};

// CP932 for text from outside: a character the code page cannot hold becomes "?".
std::string ToCp932Replacing(const QString& Text) {
    if (auto bytes = ToCp932(Text)) return *bytes;
    std::string out;
    for (char32_t codePoint : Text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        auto bytes = ToCp932(character);
        out += bytes ? *bytes : std::string("?");
    }
    return out;
}

// Our own copy keeps its exact CP932 bytes beside the Unicode text, so bytes that do not decode
// come back unchanged when it is pasted here again.
const QString kCp932Format = QStringLiteral("application/x-dataeditor-cp932");

} // namespace

bool TFileDialog::Run(QWidget* Parent, bool Save) {
    TPathCheckingFileDialog dialog(Parent, (Options & ofPathMustExist) != 0);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The name shows as given; the pattern is the filter's other half.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode((Options & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(Options & ofOverwritePrompt));
    if (!Title.empty()) dialog.setWindowTitle(U(Title));
    const QStringList filters = NameFilters(Filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    const QString fileName = QFile::decodeName(FileName.c_str());
    const QString directory = StartDirectory(fileName, QFile::decodeName(InitialDir.c_str()));
    if (!directory.isEmpty()) dialog.setDirectory(directory);
    if (!fileName.isEmpty()) dialog.selectFile(QFileInfo(fileName).fileName());
    if (dialog.exec() != QDialog::Accepted) return false;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return false;
    FileName = QFile::encodeName(QFileInfo(files.first()).absoluteFilePath()).toStdString();
    return true;
}

bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(U(Caption));
    dialog.setLabelText(U(Prompt));
    dialog.setTextValue(FromCp932Lossless(Value));
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setValidator(new TCp932Validator(edit));
    if (dialog.exec() != QDialog::Accepted) return false;
    Value = ToCp932Replacing(dialog.textValue());
    return true;
}

bool TClipboard::HasText() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText();
}

std::string TClipboard::GetAsText() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return {};
    if (data->hasFormat(kCp932Format)) return data->data(kCp932Format).toStdString();
    return ToCp932Replacing(data->text());
}

void TClipboard::SetAsText(const std::string& Cp932Text) {
    auto* data = new QMimeData;
    data->setText(FromCp932(Cp932Text));
    data->setData(kCp932Format, QByteArray::fromStdString(Cp932Text));
    QApplication::clipboard()->setMimeData(data);
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

} // namespace platform
