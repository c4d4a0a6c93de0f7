#pragma once

#include <QFont>
#include <QHash>
#include <QString>

#include "host/layout.h"

namespace quillory {

// The fonts the windows are drawn with. Each family a layout names is matched
// to an installed family once per run: Qt 6.4.2 asks fontconfig about a
// missing family and each substitute again for every size (bench/run.sh
// shows whether a newer Qt still does).
class QtFonts {
public:
    QtFonts();

    // The windows' own font: 8-point MS Sans Serif, or the face standing in for it.
    [[nodiscard]] const QFont& windowFont() const { return windowFont_; }
    [[nodiscard]] QFont font(const Font& layoutFont);
    // The family itself if installed, else its first installed substitute;
    // the family unchanged when neither is, so that Qt's fallback applies.
    [[nodiscard]] QString installedFamily(const QString& family);

private:
    QHash<QString, QString> installed_;
    QFont windowFont_;
};

}  // namespace quillory
