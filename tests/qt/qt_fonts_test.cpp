#include "host/qt/qt_fonts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <ostream>

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace quillory {
namespace {

// An installed family other than the default one, so a test can tell them apart.
QString anotherInstalledFamily(const QString& notThis) {
    for (const QString& family : QFontDatabase::families()) {
        if (family.compare(notThis, Qt::CaseInsensitive) != 0) {
            return family;
        }
    }
    return {};
}

TEST(QtFonts, WindowFontIsTheFaceQtItselfPicksForTheLayouts) {
    QtFonts fonts;
    const QFont& font = fonts.windowFont();
    EXPECT_EQ(font.pointSize(), 8);
    QFont asQtResolvesIt(QStringLiteral("MS Sans Serif"));
    asQtResolvesIt.setPointSize(8);
    EXPECT_EQ(QFontInfo(font).family(), QFontInfo(asQtResolvesIt).family());
}

TEST(QtFonts, ControlFontsKeepTheirSizeAndWeightInTheWindowsFace) {
    QtFonts fonts;
    const QFont font = fonts.font(Font{u"MS Sans Serif", 13.5, 700});
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 13.5);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.family(), fonts.windowFont().family());
}

TEST(QtFonts, InstalledAndUnknownFamiliesKeepTheirNames) {
    QtFonts fonts;
    const QString installed = QFontInfo(QApplication::font()).family();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(fonts.installedFamily(installed), installed);
    // With nothing to stand in, Qt's own fallback must still see the name.
    EXPECT_EQ(fonts.installedFamily(QStringLiteral("Quillory No Such Face")),
              QStringLiteral("Quillory No Such Face"));
}

TEST(QtFonts, MissingFamilyTakesItsFirstInstalledSubstituteForTheWholeRun) {
    const QString first = QFontInfo(QApplication::font()).family();
    const QString second = anotherInstalledFamily(first);
    ASSERT_FALSE(second.isEmpty()) << "needs two installed font families";
    const QString missing = QStringLiteral("Quillory Missing Face");
    QFont::insertSubstitutions(missing, {QStringLiteral("Quillory Absent Too"), first, second});

    QtFonts fonts;
    EXPECT_EQ(fonts.installedFamily(missing), first);
    QFont::insertSubstitution(QStringLiteral("Quillory Absent Too"), second);
    QFont::removeSubstitutions(missing);
    EXPECT_EQ(fonts.installedFamily(missing), first) << "resolved again instead of once";
}

}  // namespace
}  // namespace quillory
