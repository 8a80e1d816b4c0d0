// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window: the application object, the main window, the event loop.
#include "AppIcon.h"
#include "Dtccalcmain.h"
#include "Product.h"
#include "StartUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(product::kName));
    QApplication::setApplicationVersion(QString::fromUtf8(product::kVersion));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FAULTWISE_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    return runGuarded([] {
        TfrmDTCReader frmDTCReader;
        frmDTCReader.show();
        return QApplication::exec();
    });
}
