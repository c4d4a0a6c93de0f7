// What only the Qt program does: it carries its icon, its one-line boxes
// answer screen readers as Qt's own do not, and it stops in a box.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLocalServer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "host/qt/qt_line_box.h"
#include "host/qt/qt_startup.h"
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
        QTimer::singleShot(10000, [] { std::_Exit(2); });  // no box dismissed in time
        QTimer poll;
        poll.callOnTimeout([] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::fprintf(stderr, "box %s: %s\n", qPrintable(box->windowTitle()),
                             qPrintable(box->text()));
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(10);
        toolkit.stopProgram("Quillory has stopped: no window Form9");
    };
    EXPECT_EXIT(stop(), testing::ExitedWithCode(EXIT_FAILURE),
                "^Quillory has stopped: no window Form9\n.*"
                "box Quillory: Quillory has stopped: no window Form9\n$");
}

// The user's session bus is kept where its socket is in the runtime folder
// and the user's own; anywhere else D-Bus is turned off. Only root can give
// a socket to another user. The test run's runtime folder is put back.
TEST(QtStartup, FindsTheUserBusOnlyWhereTheUsersSocketIs) {
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");  // main() always sets one
    const QTemporaryDir ours, others, plain, none;
    QLocalServer bus, othersBus;  // each listening on a socket "bus"
    ASSERT_TRUE(bus.listen(ours.filePath("bus")) && othersBus.listen(others.filePath("bus")) &&
                QFile(plain.filePath("bus")).open(QIODevice::WriteOnly));
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || ::chown(qPrintable(others.filePath("bus")), 65534, 65534) == 0);
    const std::pair<std::optional<QString>, bool> cases[] = {
        {std::nullopt, false}, {ours.path(), true},  {ours.path() + "/", true},
        {plain.path(), false}, {none.path(), false}, {others.path(), !root}};
    for (const auto& [runtime, found] : cases) {
        SCOPED_TRACE(runtime.value_or("(unset)").toStdString());
        EXPECT_TRUE(runtime ? qputenv("XDG_RUNTIME_DIR", runtime->toLocal8Bit())
                            : qunsetenv("XDG_RUNTIME_DIR"));
        EXPECT_EQ(userBusSocketExists(), found);
    }
    ASSERT_TRUE(qputenv("XDG_RUNTIME_DIR", before));
}

}  // namespace
}  // namespace quillory::gui
