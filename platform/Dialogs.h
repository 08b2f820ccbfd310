#pragma once
// File dialogs, the input dialog and the clipboard. Paths are the system's own bytes; dialog texts are
// UTF-8; the input dialog's value and clipboard texts are CP932 on our side and Unicode on the system's.

#include <optional>
#include <string>

class QWidget;

namespace platform {

enum : unsigned { ofOverwritePrompt = 1, ofHideReadOnly = 2, ofPathMustExist = 4, ofFileMustExist = 8 };

class TFileDialog {
public:
    std::string Title;
    std::string InitialDir;
    // The proposed file; a path in it also gives the folder the dialog starts in.
    std::string FileName;
    // "name|pattern|name|pattern"; patterns of one entry are separated by ";".
    std::string Filter;
    unsigned Options = ofHideReadOnly;
    // Runs the dialog modally; true when the user chose a file, which is then in FileName.
    virtual bool Execute(QWidget* Parent) = 0;
    virtual ~TFileDialog() = default;

protected:
    bool Run(QWidget* Parent, bool Save);
};

class TOpenDialog : public TFileDialog {
public:
    bool Execute(QWidget* Parent) override { return Run(Parent, false); }
};

class TSaveDialog : public TFileDialog {
public:
    bool Execute(QWidget* Parent) override { return Run(Parent, true); }
};

// The input dialog: caption, prompt and a text to edit. True and the edited text when OK was pressed.
// Characters that CP932 cannot hold cannot be typed.
bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value);

class TClipboard {
public:
    bool HasText() const;
    // The clipboard's text in CP932; characters the code page cannot hold become "?". Text this program
    // put there comes back byte for byte.
    std::string GetAsText() const;
    void SetAsText(const std::string& Cp932Text);
};

TClipboard& Clipboard();

} // namespace platform
