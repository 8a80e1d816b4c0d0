// SPDX-License-Identifier: GPL-3.0-or-later
// The window icon from the PNGs that the build renders into the resources, one folder a size.
#include "AppIcon.h"

#include <QDirIterator>

QIcon applicationIcon() {
    QIcon icon;
    QDirIterator png(QStringLiteral(":/faultwise/icons"), {QStringLiteral("*.png")}, QDir::Files,
                     QDirIterator::Subdirectories);
    while (png.hasNext())
        icon.addFile(png.next());
    return icon;
}
