#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include "host/layout.h"

namespace quillory {

// The fonts the windows are drawn with. Each family a layout names is matched
// to an installed family once per run: left to itself, Qt 6.4.2 walks a
// missing family and each of its substitutes again, asking fontconfig about
// every one, for each size it loads. Only time shows whether a newer Qt still
// does, and no test times the program: compare bench/run.sh without this.
class QtFonts {
public:
    QtFonts();

    // The windows' own font: 8-point MS Sans Serif, or the face standing in for it.
    [[nodiscard]] const QFont& windowFont() const { return windowFont_; }
    // A control's font from its layout.
    [[nodiscard]] QFont font(const Font& layoutFont);
    // The family itself if installed, else its first installed substitute;
    // the family unchanged when neither is, so that Qt's fallback applies.
    [[nodiscard]] QString installedFamily(const QString& family);

private:
    QHash<QString, QString> installed_;
    QFont windowFont_;
};

}  // namespace quillory
