#include "host/qt/qt_fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

#include "host/qt/qt_text.h"

namespace quillory {
// The layouts were drawn for an 8-point MS Sans Serif; where it is missing
// the closest widely installed faces with the same widths stand in.
QtFonts::QtFonts() {
    const QString layoutFamily = QStringLiteral("MS Sans Serif");
    QFont::insertSubstitutions(layoutFamily,
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    windowFont_.setFamily(installedFamily(layoutFamily));
    windowFont_.setPointSize(8);
}

QFont QtFonts::font(const Font& layoutFont) {
    QFont font(installedFamily(toQString(layoutFont.family)));
    font.setPointSizeF(layoutFont.points);
    font.setWeight(static_cast<QFont::Weight>(layoutFont.weight));
    return font;
}

QString QtFonts::installedFamily(const QString& family) {
    if (const auto found = installed_.constFind(family); found != installed_.cend()) {
        return *found;
    }
    // Looked up in the list of families: QFontDatabase::hasFamily would first
    // have fontconfig resolve the name as an alias, the very cost saved here.
    const QStringList families = QFontDatabase::families();
    QString chosen = family;
    for (const QString& candidate : QStringList{family} + QFont::substitutes(family)) {
        const auto found = std::ranges::find_if(families, [&candidate](const QString& name) {
            return name.compare(candidate, Qt::CaseInsensitive) == 0;
        });
        if (found != families.cend()) {
            chosen = *found;  // as installed: Qt keeps substitutes in lower case
            break;
        }
    }
    installed_.insert(family, chosen);
    return chosen;
}

}  // namespace quillory
