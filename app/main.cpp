// Start-up of the window: the application object, the main window, the event loop.
#include "AppIcon.h"
#include "Dtccalcmain.h"
#include "Product.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(product::kName));
    QApplication::setApplicationVersion(QString::fromUtf8(product::kVersion));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(FAULTWISE_APP_ID));
    QApplication::setWindowIcon(applicationIcon());
    try {
        TfrmDTCReader frmDTCReader;
        frmDTCReader.show();
        return app.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromUtf8(product::kName),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QString::fromUtf8(product::kName), QString());
    }
    return 0;
}
