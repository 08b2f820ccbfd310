#pragma once
// Widget tests need their window shown and active before focus changes and key events reach controls.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace testsupport {

inline void ShowActive(QWidget& Window) {
    Window.show();
    QApplication::setActiveWindow(&Window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
}

} // namespace testsupport
