// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the window tests: the window fixture, answering modal dialogs, dump fixtures,
// finding widgets.
#pragma once

#include "Dtccalcmain.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <memory>

// The child of `root` named `name`; the test ends when there is none.
template <class T>
T* namedChild(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// What each window test starts from: a temporary folder and a new main window, both dropped
// after the test, the window's children found by object name, and files written to the folder. Test
// classes derive from it and call its set-up from their init() and cleanup() slots.
class WindowFixture : public QObject {
protected:
    void makeTempDir() {
        tempDir = std::make_unique<QTemporaryDir>();
        QVERIFY(tempDir->isValid());
    }
    // A new main window, of `size` when one is given, shown and exposed.
    void showWindow(QSize size = {}) {
        window = std::make_unique<TfrmDTCReader>();
        if (size.isValid())
            window->resize(size);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void dropWindowAndTempDir() {
        window.reset();
        tempDir.reset();
    }

    template <class T>
    T* child(const char* name) const {
        return namedChild<T>(window.get(), name);
    }

    // Writes `bytes` to `name` in the temporary folder (or to `name` itself when it is an
    // absolute path) and returns its path; the test ends when that fails.
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString path = tempDir->filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    std::unique_ptr<TfrmDTCReader> window;
    std::unique_ptr<QTemporaryDir> tempDir;
};

// Runs `answer` on the next modal dialog as soon as it is shown, from inside its event loop.
// Any further dialog is rejected, so that a test fails instead of hanging; `seen` counts them all.
class ModalAnswer : public QObject {
public:
    explicit ModalAnswer(std::function<void(QWidget*)> answer)
        : m_answer(std::move(answer)) {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_answered)
                return;
            m_answered = modal;
            if (seen++ == 0)
                m_answer(modal);
            else if (auto* dialog = qobject_cast<QDialog*>(modal))
                QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        m_poll.start(5);
    }
    int seen = 0;

private:
    std::function<void(QWidget*)> m_answer;
    QPointer<QWidget> m_answered;
    QTimer m_poll;
};

// Closes the next message box and keeps its text.
struct MessageAnswer : ModalAnswer {
    QString text;
    MessageAnswer()
        : ModalAnswer([this](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            box->close();
        }) {}
};

// A type 1 dump (327680 bytes) whose one stored fault is `code`.
inline QByteArray type1Dump(quint16 code) {
    QByteArray dump(0x50000, char(0xFF));
    const char marker[] = {0x00, 0x25, 0x06, 0x06};
    dump.replace(0x40000, 4, marker, 4);
    dump[0x40004 + 8] = char(code >> 8);
    dump[0x40004 + 9] = char(code & 0xFF);
    return dump;
}

// The leaf `partNumber` under the make node `make` of the unit-type tree.
inline QTreeWidgetItem* treeLeaf(QTreeWidget* tree, const QString& make, const QString& part) {
    QTreeWidgetItem* node = tree->findItems(make, Qt::MatchExactly).value(0);
    for (int i = 0; node && i < node->childCount(); ++i)
        if (node->child(i)->text(0) == part)
            return node->child(i);
    qFatal("no leaf %s", qPrintable(part));
}
