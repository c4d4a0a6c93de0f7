// What only the Qt program does: it carries its icon.
#include <gtest/gtest.h>

#include <QApplication>

#include "host/qt/qt_toolkit.h"

namespace quillory::gui {

namespace {

TEST(QtProgram, CarriesItsIconInEverySize) {
    const QtToolkit toolkit;
    EXPECT_EQ(QApplication::windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
}

}  // namespace
}  // namespace quillory::gui
