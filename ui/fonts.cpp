#include "ui/fonts.h"

#include <QString>

namespace quorix {

void installFontSubstitutions()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberation);
    QFont::insertSubstitution(QStringLiteral("Arial"), liberation);
}

QFont screenFont(double pointSize, bool bold)
{
    installFontSubstitutions();
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace quorix
