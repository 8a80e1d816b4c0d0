// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the window's start-up: a bare Qt main window with a menu, a tree, a text
// pane and a status bar.
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTreeWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(640, 480);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("&Open..."));
    window.menuBar()->addAction(QStringLiteral("About..."));
    auto* central = new QWidget(&window);
    auto* layout = new QHBoxLayout(central);
    layout->addWidget(new QTreeWidget(central));
    layout->addWidget(new QPlainTextEdit(central), 1);
    window.setCentralWidget(central);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready..."), &window), 1);
    window.show();
    return app.exec();
}
