#include "platform/AppHost.h"
#include "platform/Exceptions.h"
#include "platform/Forms.h"

#include "tests/support/ModalAnswerer.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class ThrowingWidget : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override { throw platform::EConvertError("bad value"); }
};

} // namespace

TEST(AppHost, AnExceptionFromAnEventHandlerIsShownAndTheLoopGoesOn) {
    ASSERT_NE(dynamic_cast<platform::TAppHost*>(QCoreApplication::instance()), nullptr);
    platform::Application().Title = "Data Editor";
    ThrowingWidget widget;
    widget.resize(50, 50);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    auto message = testsupport::AcceptNextMessage();
    QTest::mouseClick(&widget, Qt::LeftButton);
    EXPECT_EQ(*message, QStringLiteral("bad value"));
    auto second = testsupport::AcceptNextMessage();
    QTest::mouseClick(&widget, Qt::LeftButton);
    EXPECT_EQ(*second, QStringLiteral("bad value"));
}
