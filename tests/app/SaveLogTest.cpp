// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the error log when the disk, the file size limit or the folder refuses it.
#include "Dtccalcmain.h"
#include "PrintLog.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <string>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// QSaveFile buffers 16 KiB before it writes; reports below that reach the disk only when the
// file is flushed, reports above it while they are written.
constexpr qint64 kSaveBufferSize = 0x4000;

// Prints a report whose saved log (CR LF line ends) has exactly `size` bytes, `size` >= 2.
void printReportOfSize(qint64 size) {
    constexpr qint64 kLine = 100;
    for (; size > kLine + 2 + 2; size -= kLine + 2)
        printLog("%s", std::string(kLine, 'x').c_str());
    printLog("%s", std::string(size_t(size - 2), 'y').c_str());
}

// Ignores SIGXFSZ and limits the size of files that this process writes, until destroyed.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

// A 64 KiB tmpfs mounted on `folder` and filled up but for `free` bytes, or nothing where this
// process may not mount one.
class SmallTmpfs {
public:
    explicit SmallTmpfs(const QString& folder)
        : m_folder(QFile::encodeName(folder)) {
        m_mounted = ::mount("faultwise-test", m_folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=64k") == 0;
    }
    ~SmallTmpfs() {
        if (m_mounted)
            ::umount(m_folder.constData());
    }
    bool mounted() const { return m_mounted; }

    // Fills the file system with a file until not one more byte fits.
    void fill() {
        QFile filler(QFile::decodeName(m_folder) + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            qFatal("cannot create the filler file");
        const QByteArray block(0x1000, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("f", 1) == 1) {
        }
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

} // namespace

class SaveLogTest : public WindowFixture {
    Q_OBJECT

private:
    QString writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Saves to `path` and returns the message shown, empty when the save succeeded.
    QString save(const QString& path) {
        MessageAnswer answer;
        const bool saved = window->saveLog(path);
        if (saved != answer.text.isEmpty())
            qWarning("saveLog returned %d with the message \"%s\"", saved, qPrintable(answer.text));
        return answer.text;
    }

private slots:
    void init() {
        makeTempDir();
        window = std::make_unique<TfrmDTCReader>();
    }
    void cleanup() { dropWindowAndTempDir(); }

    void saveOntoAFullDiskKeepsTheOldLogAndSaysWhy_data() {
        QTest::addColumn<qint64>("reportSize");
        QTest::addColumn<bool>("onTmpfs");
        for (const qint64 size : {qint64(167), qint64(14336), kSaveBufferSize * 3}) {
            const QString kind = size < kSaveBufferSize ? QStringLiteral("under the save buffer")
                                                        : QStringLiteral("over the save buffer");
            QTest::addRow("%lld-byte report %s, file size limit", size, qPrintable(kind))
                << size << false;
            QTest::addRow("%lld-byte report %s, full tmpfs", size, qPrintable(kind))
                << size << true;
        }
    }

    void saveOntoAFullDiskKeepsTheOldLogAndSaysWhy() {
        QFETCH(qint64, reportSize);
        QFETCH(bool, onTmpfs);
        QString folder = tempDir->path();
        std::unique_ptr<SmallTmpfs> tmpfs;
        if (onTmpfs) {
            folder = tempDir->filePath(QStringLiteral("small"));
            QVERIFY(QDir().mkdir(folder));
            tmpfs = std::make_unique<SmallTmpfs>(folder);
            if (!tmpfs->mounted())
                QSKIP("this process may not mount a tmpfs");
        }
        const QString target = writeFile(folder + QStringLiteral("/unit_error_log.txt"), "old log");
        printReportOfSize(reportSize);

        QString message;
        if (onTmpfs) {
            tmpfs->fill();
            message = save(target);
        } else {
            const FileSizeLimit limit(rlim_t(reportSize / 2));
            message = save(target);
        }
        const QString reason =
            onTmpfs ? QStringLiteral("No space left on device") : QStringLiteral("File too large");
        QCOMPARE(message, QStringLiteral("Cannot write file \"%1\". %2").arg(target, reason));
        QFile log(target);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("old log"));
        log.close();
        // Nothing half-written is left beside it.
        QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        left.removeOne(QStringLiteral("filler"));
        QCOMPARE(left, QStringList{QStringLiteral("unit_error_log.txt")});

        // With room again the same report saves whole.
        if (onTmpfs)
            QVERIFY(QFile::remove(folder + QStringLiteral("/filler")));
        QCOMPARE(save(target), QString());
        QCOMPARE(QFileInfo(target).size(), reportSize);
    }

    void saveErrorsNameTheRealReason_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("into a folder that cannot be written")
            << QStringLiteral("locked/log.txt") << QStringLiteral("Permission denied");
        QTest::newRow("into a missing folder")
            << QStringLiteral("missing/log.txt") << QStringLiteral("No such file or directory");
        QTest::newRow("through a file")
            << QStringLiteral("file.txt/log.txt") << QStringLiteral("Not a directory");
        QTest::newRow("onto a folder")
            << QStringLiteral("locked") << QStringLiteral("Is a directory");
    }

    void saveErrorsNameTheRealReason() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QDir dir(tempDir->path());
        QVERIFY(dir.mkdir(QStringLiteral("locked")));
        writeFile(dir.filePath(QStringLiteral("file.txt")), "a file");
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(tempDir->path(), QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ExeOwner | QFile::ExeOther));
        printLog("new report");

        // Root writes anywhere; as another file system user it meets the folder's permissions.
        const bool asRoot = ::geteuid() == 0;
        constexpr uid_t kNobody = 65534;
        if (asRoot) {
            ::setfsgid(kNobody);
            ::setfsuid(kNobody);
            if (::setfsuid(uid_t(-1)) != kNobody || ::setfsgid(gid_t(-1)) != kNobody)
                QSKIP("cannot take another file system user id");
        }
        const QString message = save(dir.filePath(target));
        if (asRoot) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
        QCOMPARE(message,
                 QStringLiteral("Cannot create file \"%1\". %2").arg(dir.filePath(target), reason));
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
};

QTEST_MAIN(SaveLogTest)
#include "SaveLogTest.moc"
