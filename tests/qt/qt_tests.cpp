// What only the Qt program does: it carries its icon, its one-line boxes
// answer screen readers as Qt's own do not, and it stops in a box.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "host/qt/qt_line_box.h"
#include "host/qt/qt_toolkit.h"

namespace quillory::gui {

namespace {

TEST(QtProgram, CarriesItsIconInEverySize) {
    const QtToolkit toolkit;
    EXPECT_EQ(QApplication::windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
}

// A screen reader or braille display may set the one selection there is, and no other.
TEST(QtProgram, AnswerBoxSetsOnlyItsOneSelection) {
    const AccessibleInterfaces interfaces;
    LineBox box(QStringLiteral("arose"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
    text->setSelection(1, 0, 2);
    EXPECT_FALSE(box.hasSelectedText());
    text->setSelection(0, 1, 3);
    EXPECT_EQ(box.selectedText(), QStringLiteral("ro"));
}

// A window operation that fails stops the program with its reason on
// standard error and in a box the learner reads (echoed to standard error)
// and dismisses, within 10 s.
TEST(QtProgramDeathTest, StopsWithTheReasonInABox) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto stop = [] {
        QtToolkit toolkit;
        QTimer poll;
        poll.callOnTimeout([tries = 0]() mutable {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::fprintf(stderr, "box %s: %s\n", qPrintable(box->windowTitle()),
                             qPrintable(box->text()));
                box->button(QMessageBox::Ok)->click();
            } else if (++tries == 1000) {
                std::_Exit(2);
            }
        });
        poll.start(10);
        toolkit.stopProgram("Quillory has stopped: no window Form9");
    };
    EXPECT_EXIT(stop(), testing::ExitedWithCode(EXIT_FAILURE),
                "^Quillory has stopped: no window Form9\n.*"
                "box Quillory: Quillory has stopped: no window Form9\n$");
}

}  // namespace
}  // namespace quillory::gui
