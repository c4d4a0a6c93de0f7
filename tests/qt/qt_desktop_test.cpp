// How the Qt program meets the desktop: its window icon, and its layouts on
// a screen of any pixel density. Run with QT_SCALE_FACTOR=2 the windows are
// twice as many of the screen's pixels across, while every control keeps the
// place its layout gives it in logical pixels, 15 twips each.
#include <gtest/gtest.h>

#include <QByteArray>
#include <cmath>
#include <ostream>

#include "app/windows.h"
#include "host/twips.h"
#include "qt_driver.h"
#include "scenarios/steps.h"

namespace quillory::scenario {

void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << rect.width << "x" << rect.height << " at " << rect.left << "," << rect.top;
}

namespace {

// The scale the tests were started with.
double requestedScale() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

PixelRect pixelsOf(const Rect& twips) {
    return {twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
            twipsToPixels(twips.height)};
}

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

QtDriver& qtDriver(Driver& driver) { return dynamic_cast<QtDriver&>(driver); }

void expectAsLaidOut(QtDriver& d, WindowId id) {
    const auto& layout = makeWindows().at(indexOf(id))->layout();
    const std::string window(nameOf(id));
    SCOPED_TRACE(window);
    const double scale = requestedScale();
    EXPECT_DOUBLE_EQ(d.devicePixelRatio(window), scale);

    const PixelRect client = d.clientArea(window);
    EXPECT_EQ(client.width, twipsToPixels(layout.clientWidth));
    EXPECT_EQ(client.height, twipsToPixels(layout.clientHeight));
    const PixelRect native = d.nativeClientArea(window);
    EXPECT_EQ(native.width, std::lround(client.width * scale));
    EXPECT_EQ(native.height, std::lround(client.height * scale));

    for (const auto& control : layout.controls) {
        SCOPED_TRACE(std::string(control.name));
        EXPECT_EQ(d.controlRect(window, control.name), pixelsOf(control.rect));
        if (control.kind != ControlKind::TextBox) {
            const auto [room, ink] = d.captionRoom(window, control.name);
            EXPECT_PRED2(contains, room, ink) << "the caption is clipped";
        }
    }
}

TEST(HighDpi, EveryWindowIsLaidOutAtTheScreensScale) {
    runScenario([](Driver& driver) {
        QtDriver& d = qtDriver(driver);
        d.click("Form1", "Command3");  // About, beside the menu
        expectAsLaidOut(d, WindowId::Form1);
        expectAsLaidOut(d, WindowId::Form4);
        d.click("Form1", "Command1");
        expectAsLaidOut(d, WindowId::Form2);
        d.click("Form2", "Command1");
        d.click("Form1", "Command2");
        expectAsLaidOut(d, WindowId::Form3);
    });
}

TEST(WindowIcon, EveryWindowCarriesTheProgramIconInEverySize) {
    runScenario([](Driver& driver) {
        QtDriver& d = qtDriver(driver);
        const std::vector<int> sizes{16, 32, 48, 64, 128, 256};
        d.click("Form1", "Command3");
        EXPECT_EQ(d.iconSizes("Form1"), sizes);
        EXPECT_EQ(d.iconSizes("Form4"), sizes);
        d.click("Form1", "Command2");
        EXPECT_EQ(d.iconSizes("Form3"), sizes);
    });
}

}  // namespace
}  // namespace quillory::scenario
