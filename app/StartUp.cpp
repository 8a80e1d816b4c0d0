// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of the window: errors that escape it are shown, and the exit status tells of them.
#include "StartUp.h"

#include "Product.h"

#include <QMessageBox>

#include <exception>

int runGuarded(const std::function<int()>& start) {
    try {
        return start();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromUtf8(product::kName),
                              QString::fromLocal8Bit(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QString::fromUtf8(product::kName), QString());
    }
    return kStartUpFailed;
}
