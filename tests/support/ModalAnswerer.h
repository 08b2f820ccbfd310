#pragma once
// Answers the next modal widget (message box, file dialog, input dialog) that a command opens, so tests
// can drive the real dialogs.

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace testsupport {

// Runs Answer on the next modal widget once it is shown. The answer must close it.
void AnswerNextModal(std::function<void(QWidget* Modal)> Answer);

// Records the next message box's text and presses its OK button.
std::shared_ptr<QString> AcceptNextMessage();

// Chooses Path in the next file dialog; or cancels it.
void ChooseFileInNextDialog(const QString& Path);
void CancelNextDialog();

// Types Text into the next input dialog and presses OK; records its caption and prompt.
struct InputDialogSeen {
    QString Caption;
    QString Prompt;
};
std::shared_ptr<InputDialogSeen> AnswerNextInput(const QString& Text);

} // namespace testsupport
