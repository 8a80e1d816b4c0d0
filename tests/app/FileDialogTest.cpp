// SPDX-License-Identifier: GPL-3.0-or-later
// The window's file dialogs: they never read what they list, their completion list closes with
// them, and a name without a dot opens as typed.
#include "Dtccalcmain.h"
#include "WindowTestSupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <memory>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// Notes every file that is opened in a folder while it watches.
class OpenWatch {
public:
    explicit OpenWatch(const QString& folder)
        : m_fd(::inotify_init1(IN_NONBLOCK)) {
        ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_OPEN);
    }
    ~OpenWatch() { ::close(m_fd); }

    // The names of the files (not folders) opened since the watch began.
    QStringList opened() {
        QStringList names;
        alignas(inotify_event) char buffer[0x1000];
        ssize_t length;
        while ((length = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                if (event->len > 0 && !(event->mask & IN_ISDIR))
                    names.append(QFile::decodeName(event->name));
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd;
};

// Frees a reader that blocks on opening the FIFO at `path`, and notes that there was one.
class FifoRescue {
public:
    explicit FifoRescue(const QByteArray& path)
        : m_thread([this, path] {
            while (!m_stop) {
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    freed = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        }) {}
    ~FifoRescue() {
        m_stop = true;
        m_thread.join();
    }
    std::atomic<bool> freed{false};

private:
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace

class FileDialogTest : public WindowFixture {
    Q_OBJECT

private:
    // Shows the Open dialog on the temporary folder, runs `use` on it, then closes it.
    void useOpenDialog(const std::function<void(QFileDialog*)>& use, bool accept) {
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            use(dialog);
            // As Enter and Escape do.
            QMetaObject::invokeMethod(dialog, accept ? "accept" : "reject", Qt::QueuedConnection);
        });
        window->findChild<QAction*>(QStringLiteral("miOpen"))->trigger();
        QCOMPARE(answer.seen, 1);
    }

private slots:
    void init() {
        makeTempDir();
        showWindow();
    }
    void cleanup() { dropWindowAndTempDir(); }

    void theDialogNeverOpensTheFilesItLists() {
        const QString fifo = tempDir->filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // No extension: only its content could tell its type.
        const QString plain = writeFile(QStringLiteral("read1"), QByteArray(0x100, char(0xFF)));
        writeFile(QStringLiteral("unit7.bin"), QByteArray(0x100, char(0xFF)));
        OpenWatch watch(tempDir->path());
        FifoRescue rescue(QFile::encodeName(fifo));
        useOpenDialog(
            [&](QFileDialog* dialog) {
                dialog->setDirectory(tempDir->path());
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name);
                // Typed as a technician would: the dialog looks up each path as it grows.
                for (const QString& path : {fifo, plain}) {
                    name->clear();
                    QTest::keyClicks(name, path);
                    QTest::qWait(200);
                }
            },
            false);
        QVERIFY2(!rescue.freed, "the dialog blocked on opening the FIFO");
        QCOMPARE(watch.opened(), QStringList());
    }

    void theCompletionListClosesWithTheDialog() {
        writeFile(QStringLiteral("unit7.bin"), {});
        writeFile(QStringLiteral("unit8.bin"), {});
        QPointer<QWidget> popup;
        useOpenDialog(
            [&](QFileDialog* dialog) {
                dialog->setDirectory(tempDir->path());
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                QVERIFY(name && name->completer());
                name->clear();
                QVERIFY(QTest::qWaitForWindowActive(dialog));
                name->setFocus();
                // The folder is listed in the background; completion offers what is listed.
                QTest::qWait(300);
                QTest::keyClicks(name, QStringLiteral("uni"));
                popup = name->completer()->popup();
                QTRY_VERIFY(popup->isVisible());
            },
            false);
        QVERIFY(popup);
        QVERIFY(!popup->isVisible());
    }

    void namesWithoutADotOpenAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("opened");
        QTest::newRow("a name without a dot that exists") << "read1"
                                                          << "read1";
        QTest::newRow("a name that exists only with .bin") << "unit7"
                                                           << "unit7.bin";
        QTest::newRow("a name that exists with and without .bin") << "both"
                                                                  << "both";
        QTest::newRow("a name with its extension") << "unit7.bin"
                                                   << "unit7.bin";
    }

    void namesWithoutADotOpenAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, opened);
        for (const char* name : {"read1", "unit7.bin", "both", "both.bin"})
            writeFile(QString::fromLatin1(name), QByteArray(0x100, char(0xFF)));
        useOpenDialog(
            [&](QFileDialog* dialog) {
                dialog->setDirectory(tempDir->path());
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            },
            true);
        QCOMPARE(namedChild<QLabel>(window.get(), "m_lblStatusText")->text(),
                 QStringLiteral("File: ") + tempDir->filePath(opened));
    }
};

QTEST_MAIN(FileDialogTest)
#include "FileDialogTest.moc"
