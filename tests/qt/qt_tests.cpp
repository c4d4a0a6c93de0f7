// What only the Qt program does: it carries its icon.
#include <gtest/gtest.h>

#include <QApplication>

#include "host/qt/qt_toolkit.h"

namespace quillory::gui {

namespace {

TEST(QtProgram, CarriesItsIconInEverySize) {
    const QtToolkit toolkit;
    QList<int> sizes;
    for (const QSize size : QApplication::windowIcon().availableSizes()) {
        sizes.append(size.width());
    }
    std::ranges::sort(sizes);
    EXPECT_EQ(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
}

}  // namespace
}  // namespace quillory::gui
