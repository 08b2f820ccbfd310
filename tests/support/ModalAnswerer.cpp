#include "tests/support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>

namespace testsupport {

namespace {

// Answers run in the order they were given, each on the next modal widget that has not been answered.
struct AnswerQueue {
    std::deque<std::function<void(QWidget*)>> answers;
    QPointer<QWidget> lastAnswered;
    QTimer timer;

    AnswerQueue() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { Poll(); });
    }

    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (answers.empty()) {
            timer.stop();
            return;
        }
        if (!modal || !modal->isVisible() || modal == lastAnswered) return;
        auto answer = std::move(answers.front());
        answers.pop_front();
        lastAnswered = modal;
        answer(modal);
    }
};

AnswerQueue& Queue() {
    static AnswerQueue* queue = new AnswerQueue;
    return *queue;
}

} // namespace

void AnswerNextModal(std::function<void(QWidget*)> Answer) {
    Queue().answers.push_back(std::move(Answer));
    Queue().timer.start();
}

std::shared_ptr<QString> AcceptNextMessage() {
    auto text = std::make_shared<QString>();
    AnswerNextModal([text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            *text = QStringLiteral("<not a message box>");
            modal->close();
            return;
        }
        *text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    return text;
}

void ChooseFileInNextDialog(const QString& Path) {
    AnswerNextModal([Path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        dialog->selectFile(Path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

void CancelNextDialog() {
    AnswerNextModal([](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
}

std::shared_ptr<InputDialogSeen> AnswerNextInput(const QString& Text) {
    auto seen = std::make_shared<InputDialogSeen>();
    AnswerNextModal([seen, Text](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        seen->Caption = dialog->windowTitle();
        seen->Prompt = dialog->labelText();
        dialog->setTextValue(Text);
        dialog->accept();
    });
    return seen;
}

} // namespace testsupport
