#pragma once
// A fresh editor window per test, with its own settings file and a sample unit file in a temp folder.

#include "app/Unit1.h"

#include "tests/support/ModalAnswerer.h"
#include "tools/UnitFixture.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::Application().Title = "Data Editor";
        sample = fixture::MakeSampleUnitFile();
        ASSERT_TRUE(fixture::WriteBytes(Path("weapon.prm"), sample));
    }

    std::string Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
    std::string SettingsPath() const { return Path("dataeditor.INI"); }

    void WriteSettings(const std::string& content) {
        FILE* f = std::fopen(SettingsPath().c_str(), "wb");
        std::fwrite(content.data(), 1, content.size(), f);
        std::fclose(f);
    }
    std::string ReadSettings() const {
        const fixture::Bytes bytes = fixture::ReadBytes(SettingsPath());
        return std::string(bytes.begin(), bytes.end());
    }

    // Creates and shows the window; the settings file must exist unless a message is expected.
    app::TForm1& CreateForm() {
        window = std::make_unique<app::TForm1>(SettingsPath());
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    // Gives the window the activation back, as after a dialog closes.
    void Activate() {
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, key, modifiers);
    }

    // Opens a file through File > Open's dialog, as a user would.
    void OpenThroughDialog(const std::string& path) {
        testsupport::ChooseFileInNextDialog(QString::fromStdString(path));
        Shortcut(Qt::Key_O);
    }

    app::TForm1& OpenSample() {
        WriteSettings(Path("weapon.prm"));
        CreateForm();
        OpenThroughDialog(Path("weapon.prm"));
        EXPECT_TRUE(window->FileLoaded());
        Activate();
        return *window;
    }

    QTemporaryDir dir;
    fixture::Bytes sample;
    std::unique_ptr<app::TForm1> window;
};
