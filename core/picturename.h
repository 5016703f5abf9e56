#pragma once

#include <QDir>
#include <QString>
#include <QStringView>

namespace quorix {

// Whether a picture named in a bank is looked for inside the data folder: a
// relative name none of whose parts is "..". Subfolders are fine; a folder
// shared from outside has to be copied or linked in, because a bank must
// never make the program open files elsewhere.
inline bool pictureNameStaysInside(const QString &name)
{
    if (QDir::isAbsolutePath(name))
        return false;
    for (const QStringView part : QStringView(name).split(QLatin1Char('/'))) {
        if (part == QLatin1String(".."))
            return false;
    }
    return true;
}

} // namespace quorix
