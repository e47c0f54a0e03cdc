// The spin edit control: change signals only on a change, any text typed,
// out-of-range numbers clamped when the control is left.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "fixture.h"
#include "platform/spinedit.h"

using qolvar::platform::SpinEdit;

namespace {

class SpinEditTest : public qolvar::test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        auto* layout = new QVBoxLayout(&window);
        spin = new SpinEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(spin);
        layout->addWidget(other);
        spin->setRange(0, 100);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
    SpinEdit* spin = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(SpinEditTest, ChangedOnlyOnAChange)
{
    QSignalSpy spy(spin, &SpinEdit::changed);
    spin->setText("5");
    spin->setText("5");
    spin->setValue(5);
    EXPECT_EQ(spy.count(), 1);
    spin->setText("abc");  // any text is taken
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(spin->Text(), "abc");
    EXPECT_FALSE(spin->readInt());
    EXPECT_EQ(spin->value(), 0);
}

TEST_F(SpinEditTest, LeavingClampsNumbersOutsideTheRange)
{
    struct Case {
        const char* typed;
        const char* after;
    };
    for (const auto& c :
         {Case{"150", "100"}, Case{"-7", "0"}, Case{"42", "42"}, Case{"", ""}, Case{"-", "-"}, Case{" 12 ", " 12 "}}) {
        spin->setFocus();
        spin->setText(QString::fromLatin1(c.typed));
        other->setFocus();
        EXPECT_EQ(spin->Text(), QString::fromLatin1(c.after)) << c.typed;
    }
}

TEST_F(SpinEditTest, ArrowsStepWithinTheRange)
{
    spin->setValue(99);
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Text(), "100");
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Text(), "100");
    spin->setValue(0);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->Text(), "0");
}

}  // namespace
