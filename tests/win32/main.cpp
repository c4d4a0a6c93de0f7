// The Windows tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

// Wine 8.0 says high contrast is off whatever the registry says
// (high_contrast.sh sets it as the control panel does), so the program also
// tells it by the colours (systemPalette in host/win32/win32_window.cpp).
TEST(WineStillNeeds, HighContrastGuessedFromColours) {
    if (std::getenv("QUILLORY_APPEARANCE") == nullptr) {
        GTEST_SKIP() << "only under high contrast (high_contrast.sh)";
    }
    HIGHCONTRASTW asked{sizeof asked, 0, nullptr};
    SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof asked, &asked, 0);
    EXPECT_EQ(asked.dwFlags & HCF_HIGHCONTRASTON, 0U)
        << "Wine tells high contrast now: systemPalette need not guess it from the colours";
}

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
