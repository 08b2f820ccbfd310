#pragma once
// A window with an edit that has focus first and a number field after it; focus goes between them by
// Tab, as a user moves into and out of the field.

#include "controls/EditEx.h"
#include "tests/platform/ActiveWindow.h"

#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

template <typename TField> struct FieldWindow {
    QWidget Window;
    TEditEx* Other = new TEditEx(&Window);
    TField* Field = new TField(&Window);

    FieldWindow() {
        auto* layout = new QVBoxLayout(&Window);
        layout->addWidget(Other);
        layout->addWidget(Field);
    }
    void Show() {
        testsupport::ShowActive(Window);
        Other->setFocus();
    }
    void Enter() {
        QTest::keyClick(Other, Qt::Key_Tab);
        ASSERT_TRUE(Field->hasFocus());
    }
    void Leave() {
        QTest::keyClick(Field, Qt::Key_Tab);
        ASSERT_FALSE(Field->hasFocus());
    }
    // Replaces the whole text by typing.
    void Type(const char* Text) {
        Field->selectAll();
        QTest::keyClicks(Field, QString::fromLatin1(Text));
    }
};

} // namespace testsupport
