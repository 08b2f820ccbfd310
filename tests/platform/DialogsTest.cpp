#include "platform/Dialogs.h"

#include "tests/support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

using namespace platform;

namespace {

// What the next file dialog showed, before it is answered.
struct SeenFileDialog {
    QString Title, Directory, ProposedName;
    QStringList Filters, FilterNames;
};

// Records the next file dialog, then chooses Path in it (or cancels it when Path is empty).
std::shared_ptr<SeenFileDialog> AnswerNextFileDialog(const QString& Path) {
    auto seen = std::make_shared<SeenFileDialog>();
    testsupport::AnswerNextModal([seen, Path](QWidget* Modal) {
        auto* dialog = qobject_cast<QFileDialog*>(Modal);
        if (!dialog) {
            Modal->close();
            return;
        }
        seen->Title = dialog->windowTitle();
        seen->Directory = dialog->directory().absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            seen->ProposedName = name->text();
        seen->Filters = dialog->nameFilters();
        if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo")))
            for (int i = 0; i < types->count(); ++i)
                seen->FilterNames << types->itemText(i);
        if (Path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(Path);
        // Accepted from the event loop, so that a box the dialog raises can be answered in turn.
        QMetaObject::invokeMethod(
            dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); }, Qt::QueuedConnection);
    });
    return seen;
}

// Answers the next message box with Button; records its text.
std::shared_ptr<QString> AnswerNextBox(QMessageBox::StandardButton Button) {
    auto text = std::make_shared<QString>();
    testsupport::AnswerNextModal([text, Button](QWidget* Modal) {
        auto* box = qobject_cast<QMessageBox*>(Modal);
        if (!box || !box->button(Button)) {
            Modal->close();
            return;
        }
        *text = box->text();
        box->button(Button)->click();
    });
    return text;
}

// Types Text one character at a time, as an input method commits it (QTest's own typing knows ASCII only).
void TypeText(QWidget* Control, const QString& Text) {
    for (char32_t codePoint : Text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, Control, Qt::Key_unknown, QString::fromUcs4(&codePoint, 1),
                            Qt::NoModifier);
}

std::string Bytes(const QString& Path) {
    return QFile::encodeName(Path).toStdString();
}

class FileDialogTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString In(const char* Name) const { return Folder.filePath(QString::fromUtf8(Name)); }
    void Touch(const char* Name) const {
        QFile file(In(Name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
};

TEST_F(FileDialogTest, OpenDialogShowsTitleFilterAndProposedFileAndReturnsTheChosenPath) {
    Touch("weapon.prm");
    TOpenDialog dialog;
    dialog.Title = "編集するデータファイルの選択";
    dialog.Filter = "Korvaneユニットファイル(*.prm)|*.prm|すべてのファイル(*.*)|*.*";
    dialog.Options = ofHideReadOnly | ofPathMustExist;
    dialog.FileName = Bytes(In("weapon.prm"));

    auto seen = AnswerNextFileDialog(In("ユニット.prm"));
    ASSERT_TRUE(dialog.Execute(nullptr));

    EXPECT_EQ(seen->Title, QStringLiteral("編集するデータファイルの選択"));
    EXPECT_EQ(seen->Directory, QDir(Folder.path()).absolutePath());
    EXPECT_EQ(seen->ProposedName, QStringLiteral("weapon.prm"));
    EXPECT_EQ(seen->FilterNames, (QStringList{QStringLiteral("Korvaneユニットファイル(*.prm)"),
                                              QStringLiteral("すべてのファイル(*.*)")}));
    ASSERT_EQ(seen->Filters.size(), 2);
    EXPECT_TRUE(seen->Filters[0].endsWith(QStringLiteral("(*.prm)")));
    EXPECT_TRUE(seen->Filters[1].endsWith(QStringLiteral("(*.*)")));
    EXPECT_EQ(dialog.FileName, Bytes(In("ユニット.prm"))) << "a file that does not exist yet may be chosen";
}

TEST_F(FileDialogTest, StartsInTheInitialDirectoryWhenTheProposedNameHasNoFolder) {
    TOpenDialog dialog;
    dialog.FileName = "weapon.prm";
    dialog.InitialDir = Bytes(Folder.path());
    auto seen = AnswerNextFileDialog({});
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_EQ(seen->Directory, QDir(Folder.path()).absolutePath());
    EXPECT_EQ(seen->ProposedName, QStringLiteral("weapon.prm"));
    EXPECT_EQ(dialog.FileName, "weapon.prm") << "a cancelled dialog changes nothing";
}

TEST_F(FileDialogTest, PatternsOfOneEntryAreSeparatedBySemicolons) {
    TOpenDialog dialog;
    dialog.Filter = "Data|*.prm;*.bin|Text|*.txt|no pattern";
    auto seen = AnswerNextFileDialog({});
    dialog.Execute(nullptr);
    EXPECT_EQ(seen->FilterNames, (QStringList{QStringLiteral("Data"), QStringLiteral("Text")}));
    ASSERT_EQ(seen->Filters.size(), 2);
    EXPECT_TRUE(seen->Filters[0].endsWith(QStringLiteral("(*.prm *.bin)"))) << seen->Filters[0].toStdString();
}

TEST_F(FileDialogTest, PathMustExistKeepsTheDialogOpenOnAMissingFolder) {
    TOpenDialog dialog;
    dialog.Options = ofHideReadOnly | ofPathMustExist;
    dialog.InitialDir = Bytes(Folder.path());
    AnswerNextFileDialog(In("missing/weapon.prm"));
    auto warning = AnswerNextBox(QMessageBox::Ok);
    auto again = AnswerNextFileDialog(In("weapon.prm"));

    ASSERT_TRUE(dialog.Execute(nullptr));
    EXPECT_TRUE(warning->contains(QStringLiteral("missing"))) << warning->toStdString();
    EXPECT_EQ(dialog.FileName, Bytes(In("weapon.prm")));
}

TEST_F(FileDialogTest, SaveDialogAsksBeforeOverwritingOnlyWhenTold) {
    Touch("weapon.prm");
    TSaveDialog dialog;
    dialog.Options = ofHideReadOnly | ofOverwritePrompt;
    dialog.InitialDir = Bytes(Folder.path());

    AnswerNextFileDialog(In("weapon.prm"));
    auto refused = AnswerNextBox(QMessageBox::No);
    AnswerNextFileDialog({});
    EXPECT_FALSE(dialog.Execute(nullptr));
    EXPECT_TRUE(refused->contains(QStringLiteral("weapon.prm")));

    AnswerNextFileDialog(In("weapon.prm"));
    AnswerNextBox(QMessageBox::Yes);
    ASSERT_TRUE(dialog.Execute(nullptr));
    EXPECT_EQ(dialog.FileName, Bytes(In("weapon.prm")));

    dialog.Options = ofHideReadOnly;
    dialog.FileName.clear();
    auto seen = AnswerNextFileDialog(In("weapon.prm"));
    ASSERT_TRUE(dialog.Execute(nullptr)) << "no question without the option";
    EXPECT_FALSE(seen->Title.isEmpty()) << "the system's own title";
}

struct InputAnswer {
    QString Caption, Prompt, Shown, Typed;
};

// Records the next input dialog; when Keys are given, clears it and types them with real key events;
// when Text is given, sets it as code would; then presses OK (or cancels).
std::shared_ptr<InputAnswer> AnswerNextInput(std::optional<QString> Keys, std::optional<QString> Text = {},
                                             bool Ok = true) {
    auto seen = std::make_shared<InputAnswer>();
    testsupport::AnswerNextModal([=](QWidget* Modal) {
        auto* dialog = qobject_cast<QInputDialog*>(Modal);
        if (!dialog) {
            Modal->close();
            return;
        }
        seen->Caption = dialog->windowTitle();
        seen->Prompt = dialog->labelText();
        seen->Shown = dialog->textValue();
        auto* edit = dialog->findChild<QLineEdit*>();
        if (Keys && edit) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            TypeText(edit, *Keys);
        }
        seen->Typed = dialog->textValue();
        if (Text) dialog->setTextValue(*Text);
        if (Ok)
            dialog->accept();
        else
            dialog->reject();
    });
    return seen;
}

TEST(InputQuery, ShowsCaptionPromptAndTextAndGivesBackTheEditedTextInCp932) {
    std::string value = "\x95\xe2\x8b\x8b"; // 補給
    auto seen = AnswerNextInput(QStringLiteral("-12能力"));
    ASSERT_TRUE(InputQuery("加減算", "加算する値を入力してください", value));
    EXPECT_EQ(seen->Caption, QStringLiteral("加減算"));
    EXPECT_EQ(seen->Prompt, QStringLiteral("加算する値を入力してください"));
    EXPECT_EQ(seen->Shown, QStringLiteral("補給"));
    EXPECT_EQ(value, "-12\x94\x5c\x97\xcd");

    AnswerNextInput(QStringLiteral("99"), {}, false);
    EXPECT_FALSE(InputQuery("加減算", "値", value));
    EXPECT_EQ(value, "-12\x94\x5c\x97\xcd") << "cancel leaves the value";
}

TEST(InputQuery, CharactersCp932CannotHoldAreRefusedWhenTypedAndNeverPassedOnAsOtherBytes) {
    std::string value;
    auto typed = AnswerNextInput(QStringLiteral("1한2€3"));
    ASSERT_TRUE(InputQuery("c", "p", value));
    EXPECT_EQ(typed->Typed, QStringLiteral("123"));
    EXPECT_EQ(value, "123");

    AnswerNextInput({}, QStringLiteral("x한y"));
    ASSERT_TRUE(InputQuery("c", "p", value));
    EXPECT_EQ(value, "x?y");
}

TEST(InputQuery, BytesThatDoNotDecodeComeBackUnchanged) {
    std::string value = "A\x81\x20\xff"; // a lead byte without its trail byte, a byte CP932 lacks
    AnswerNextInput({});
    ASSERT_TRUE(InputQuery("c", "p", value));
    EXPECT_EQ(value, "A\x81\x20\xff");
}

class ClipboardTest : public ::testing::Test {
protected:
    void TearDown() override { QApplication::clipboard()->clear(); }
};

TEST_F(ClipboardTest, Cp932TextGoesOutAsUnicodeAndComesBackAsTheSameBytes) {
    const std::string text =
        "\x95\xe2\x8b\x8b\x94\x5c\x97\xcd\t12\n\x83\x86\x83\x6a\x83\x62\x83\x67\x96\xbc\t0\n";
    Clipboard().SetAsText(text);
    EXPECT_TRUE(Clipboard().HasText());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("補給能力\t12\nユニット名\t0\n"));
    EXPECT_EQ(Clipboard().GetAsText(), text);
}

TEST_F(ClipboardTest, TextFromOtherProgramsArrivesInCp932WithQuestionMarksForWhatItCannotHold) {
    struct Case {
        QString System;
        std::string Cp932;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("補給能力\t12\n"), "\x95\xe2\x8b\x8b\x94\x5c\x97\xcd\t12\n"},
        {QStringLiteral("～①"), "\x81\x60\x87\x40"},
        {QStringLiteral("a한b"), "a?b"},
        {QStringLiteral("1😀2"), "1?2"}, // one character outside the basic plane, one "?"
        {QStringLiteral(""), ""},
    };
    for (const Case& c : cases) {
        QApplication::clipboard()->setText(c.System);
        EXPECT_TRUE(Clipboard().HasText()) << c.System.toStdString();
        EXPECT_EQ(Clipboard().GetAsText(), c.Cp932) << c.System.toStdString();
    }
}

TEST_F(ClipboardTest, BytesThatDoNotDecodeSurviveOurOwnRoundTrip) {
    const std::string name = "AB\x81\x20\xff"; // lead byte without a trail byte, and a byte CP932 lacks
    Clipboard().SetAsText(name);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("AB\uFFFD")));
    EXPECT_EQ(Clipboard().GetAsText(), name);

    QApplication::clipboard()->setText(QApplication::clipboard()->text());
    EXPECT_EQ(Clipboard().GetAsText().substr(0, 3), "AB?") << "copied again by another program";
}

TEST_F(ClipboardTest, ClipboardWithoutTextHasNone) {
    QApplication::clipboard()->clear();
    EXPECT_FALSE(Clipboard().HasText());
    EXPECT_EQ(Clipboard().GetAsText(), "");

    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    QApplication::clipboard()->setMimeData(image);
    EXPECT_FALSE(Clipboard().HasText());
    EXPECT_EQ(Clipboard().GetAsText(), "");
}

} // namespace
