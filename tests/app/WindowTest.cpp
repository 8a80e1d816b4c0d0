// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the About window, driven offscreen through their menus and dialogs.
#include "About.h"
#include "Dtccalcmain.h"
#include "Registry.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

class WindowTest : public WindowFixture {
    Q_OBJECT

private:
    QAction* action(const char* name) { return child<QAction>(name); }
    QString status() { return child<QLabel>("m_lblStatusText")->text(); }
    QString memo() { return child<QPlainTextEdit>("m_mOutput")->toPlainText(); }

    // Selects the leaf `partNumber`, or the make node `make` when no part is given.
    void select(const QString& make, const QString& partNumber = QString()) {
        auto* tree = child<QTreeWidget>("m_tvTypes");
        const QList<QTreeWidgetItem*> makes = tree->findItems(make, Qt::MatchExactly);
        QVERIFY(makes.size() == 1);
        QTreeWidgetItem* item = makes.first();
        if (!partNumber.isEmpty()) {
            item = nullptr;
            for (int i = 0; i < makes.first()->childCount(); ++i)
                if (makes.first()->child(i)->text(0) == partNumber)
                    item = makes.first()->child(i);
            QVERIFY(item);
        }
        tree->setCurrentItem(item);
    }

    // Opens `path` through the real open dialog, as a user would.
    void openThroughDialog(const QString& path) {
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            // Typed into the name field: the dialog's file list fills in asynchronously.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(path);
            QMetaObject::invokeMethod(dialog, "done", Qt::QueuedConnection,
                                      Q_ARG(int, QDialog::Accepted));
        });
        action("miOpen")->trigger();
        QCOMPARE(answer.seen, 1);
    }

    // Triggers Check and returns the text of the message box it showed, if any.
    QString check() {
        MessageAnswer answer;
        action("m_miCheckDTC")->trigger();
        QTest::qWait(20);
        return answer.text;
    }

    // Drags `mime` onto the window and drops it there, as the desktop does: enter, then drop.
    // Returns whether the window took the drag.
    bool dragAndDrop(const QMimeData& mime) {
        const QPoint at(300, 200);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        return drop.isAccepted();
    }

private slots:
    void init() {
        makeTempDir();
        showWindow();
    }
    void cleanup() { dropWindowAndTempDir(); }

    void startsReadyWithCheckDisabledAndCollapsedTree() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Faultwise by https://faultwise.example"));
        QCOMPARE(status(), QStringLiteral("Ready..."));
        QVERIFY(!action("m_miCheckDTC")->isEnabled());
        QVERIFY(!child<QWidget>("m_pnlShowInfo")->isVisible());
        QCOMPARE(action("miOpen")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(action("miSaveFile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(action("m_miCheckDTC")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
        auto* tree = child<QTreeWidget>("m_tvTypes");
        QCOMPARE(tree->topLevelItemCount(), 16);
        int leaves = 0;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* make = tree->topLevelItem(i);
            QVERIFY(!make->isExpanded());
            QCOMPARE(make->data(0, Qt::UserRole).toInt(), 0);
            leaves += make->childCount();
        }
        QCOMPARE(leaves, int(unitTree().size()));
        QCOMPARE(tree->topLevelItem(14)->child(0)->text(0),
                 QStringLiteral("7\u04150 959 655 \u0421"));
        QCOMPARE(tree->topLevelItem(14)->child(0)->data(0, Qt::UserRole).toInt(), 26);
    }

    void leafShowsInfoBeforeAnyDumpWhileCheckStaysDisabled() {
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QVERIFY(child<QWidget>("m_pnlShowInfo")->isVisible());
        QCOMPARE(child<QLabel>("m_lblInfo")->text(),
                 QStringLiteral(
                     "Vehicles: Kia-Hyundai 2007>\nIC: Freescale MAC7242VAF64\nFull flash used"));
        QVERIFY(!action("m_miCheckDTC")->isEnabled());
        select(QStringLiteral("KIA"));
        QVERIFY(!child<QWidget>("m_pnlShowInfo")->isVisible());
    }

    void emptyDumpKeepsCheckDisabled() {
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QVERIFY(window->openDump(writeFile(QStringLiteral("empty.bin"), {})));
        QVERIFY(!action("m_miCheckDTC")->isEnabled());
    }

    void makeNodeEnablesCheckButHasNoDecoder() {
        QVERIFY(window->openDump(writeFile(QStringLiteral("unit.bin"), type1Dump(0x1346))));
        select(QStringLiteral("KIA"));
        QVERIFY(action("m_miCheckDTC")->isEnabled());
        QCOMPARE(check(), QStringLiteral("Sorry. No DTC calc for this item."));
        QCOMPARE(memo(), QString());
    }

    void typeOneDumpDecodesAndTwoChecksAppendTwice() {
        openThroughDialog(writeFile(QStringLiteral("unit.bin"), type1Dump(0x1346)));
        QCOMPARE(status(),
                 QStringLiteral("File: ") + tempDir->filePath(QStringLiteral("unit.bin")));
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QVERIFY(action("m_miCheckDTC")->isEnabled());
        const QString report =
            QStringLiteral("ECU error block:\n\tB1346 Stage Driver airbag resistance too high");
        QCOMPARE(check(), QString());
        QCOMPARE(memo(), report);
        QCOMPARE(check(), QString());
        QCOMPARE(memo(), report + QLatin1Char('\n') + report);
        QVERIFY(!child<QProgressBar>("m_Ani")->isVisible());
    }

    void wrongSizeLeavesTheReportUntouched() {
        QVERIFY(window->openDump(writeFile(QStringLiteral("small.bin"), QByteArray(65536, 0))));
        printLog("earlier report");
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QCOMPARE(check(), QStringLiteral("File size do not match"));
        QCOMPARE(memo(), QStringLiteral("earlier report"));
        QVERIFY(!child<QProgressBar>("m_Ani")->isVisible());
    }

    void sizesOneByteOffAreRefusedAtCheck_data() {
        QTest::addColumn<QString>("make");
        QTest::addColumn<QString>("partNumber");
        QTest::addColumn<int>("size");
        for (const UnitType& type : unitTypes()) {
            for (const UnitTreeLeaf& leaf : unitTree()) {
                if (leaf.typeId != type.id)
                    continue;
                for (const int off : {-1, +1})
                    QTest::addRow("type %d, %s", type.id,
                                  off < 0 ? "one byte short" : "one byte long")
                        << QString::fromUtf8(leaf.make) << QString::fromUtf8(leaf.partNumber)
                        << type.dumpSize + off;
                break;
            }
        }
    }

    void sizesOneByteOffAreRefusedAtCheck() {
        QFETCH(QString, make);
        QFETCH(QString, partNumber);
        QFETCH(int, size);
        const QString path = writeFile(QStringLiteral("off.bin"), QByteArray(size, char(0xFF)));
        QVERIFY(window->openDump(path));
        printLog("earlier report");
        select(make, partNumber);
        QCOMPARE(check(), QStringLiteral("File size do not match"));
        QCOMPARE(memo(), QStringLiteral("earlier report"));
        QCOMPARE(window->dump().size(), size);
        QCOMPARE(status(), QStringLiteral("File: ") + path);
    }

    void pathsWithBlanksAndNonAsciiOpenAndSave_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << QStringLiteral("my dumps") << QStringLiteral("srs unit 7.bin");
        QTest::newRow("non-ASCII") << QStringLiteral("\u0434\u0430\u043c\u043f\u044b")
                                   << QStringLiteral("\u00fcn\u00eft \u20ac.bin");
    }

    void pathsWithBlanksAndNonAsciiOpenAndSave() {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QVERIFY(QDir(tempDir->path()).mkdir(folder));
        const QString path = writeFile(folder + QLatin1Char('/') + name, type1Dump(0x1346));
        openThroughDialog(path);
        QCOMPARE(status(), QStringLiteral("File: ") + path);
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QCOMPARE(check(), QString());
        const QString log =
            QFileInfo(path).absolutePath() + QLatin1Char('/') + window->proposedLogName();
        QCOMPARE(QFileInfo(log).fileName(),
                 QFileInfo(name).completeBaseName() + QStringLiteral("_error_log.txt"));
        QVERIFY(window->saveLog(log));
        QFile saved(log);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(
            saved.readAll(),
            QByteArray("ECU error block:\r\n\tB1346 Stage Driver airbag resistance too high\r\n"));
    }

    void secondOpenClearsTheMemoAndReplacesTheStatus() {
        QVERIFY(window->openDump(writeFile(QStringLiteral("a.bin"), type1Dump(0x1346))));
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        check();
        QVERIFY(!memo().isEmpty());
        const QString second = writeFile(QStringLiteral("b.bin"), type1Dump(0x1101));
        QVERIFY(window->openDump(second));
        QCOMPARE(memo(), QString());
        QCOMPARE(status(), QStringLiteral("File: ") + second);
    }

    void filesThatAreNoDumpsChangeNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << QStringLiteral("<dir>") << QStringLiteral("It is a folder");
        QTest::newRow("a FIFO") << QStringLiteral("<fifo>") << QStringLiteral("not a regular file");
        QTest::newRow("a character device")
            << QStringLiteral("/dev/zero") << QStringLiteral("not a regular file");
        QTest::newRow("a missing file")
            << QStringLiteral("<missing>") << QStringLiteral("does not exist");
        QTest::newRow("a 4 GiB sparse file")
            << QStringLiteral("<huge>")
            << QStringLiteral("4294967296 bytes; dumps are at most 16 MiB");
        QTest::newRow("a sparse file one byte over 16 MiB")
            << QStringLiteral("<over>")
            << QStringLiteral("16777217 bytes; dumps are at most 16 MiB");
    }

    void filesThatAreNoDumpsChangeNothing() {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        if (path == QStringLiteral("<dir>")) {
            path = tempDir->path();
        } else if (path == QStringLiteral("<fifo>")) {
            path = tempDir->filePath(QStringLiteral("fifo"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (path == QStringLiteral("<missing>")) {
            path = tempDir->filePath(QStringLiteral("missing.bin"));
        } else if (path == QStringLiteral("<huge>")) {
            path = writeFile(QStringLiteral("huge.bin"), {});
            QFile huge(path);
            QVERIFY(huge.resize(qint64(4) << 30));
        } else if (path == QStringLiteral("<over>")) {
            path = writeFile(QStringLiteral("over.bin"), {});
            QFile over(path);
            QVERIFY(over.resize((qint64(16) << 20) + 1));
        }
        const QString good = writeFile(QStringLiteral("unit.bin"), type1Dump(0x1346));
        QVERIFY(window->openDump(good));
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        check();
        const QString report = memo();

        MessageAnswer answer;
        QVERIFY(!window->openDump(path));
        QVERIFY2(answer.text.contains(reason), qPrintable(answer.text));
        QVERIFY(answer.text.contains(path));
        QCOMPARE(window->dump().size(), 0x50000);
        QCOMPARE(status(), QStringLiteral("File: ") + good);
        QCOMPARE(memo(), report);
    }

    void saveProposesTheDumpsBaseName() {
        QCOMPARE(window->proposedLogName(), QStringLiteral("dump_error_log.txt"));
        QVERIFY(window->openDump(writeFile(QStringLiteral("unit7.bin"), {})));
        QCOMPARE(window->proposedLogName(), QStringLiteral("unit7_error_log.txt"));
        QVERIFY(window->openDump(writeFile(QStringLiteral("a.b.bin"), {})));
        QCOMPARE(window->proposedLogName(), QStringLiteral("a.b_error_log.txt"));
        QVERIFY(window->openDump(writeFile(QStringLiteral("0.bin"), {})));
        QCOMPARE(window->proposedLogName(), QStringLiteral("a.b_error_log.txt"));
    }

    void saveWritesCrLfWindows1252ThroughTheDialog() {
        QVERIFY(window->openDump(writeFile(QStringLiteral("unit7.bin"), type1Dump(0x1346))));
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        check();
        check();
        const QString target = tempDir->filePath(QStringLiteral("unit7_error_log.txt"));
        writeFile(QStringLiteral("unit7_error_log.txt"), "old contents");
        QString proposed;
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Save DTC log file"));
            proposed = dialog->selectedFiles().value(0);
            QMetaObject::invokeMethod(dialog, "done", Qt::QueuedConnection,
                                      Q_ARG(int, QDialog::Accepted));
        });
        action("miSaveFile")->trigger();
        QCOMPARE(answer.seen, 1);
        QCOMPARE(proposed, target);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray report =
            "ECU error block:\r\n\tB1346 Stage Driver airbag resistance too high\r\n";
        QCOMPARE(saved.readAll(), report + report);
    }

    void everyByteRoundTripsThroughMemoAndLog() {
        QByteArray all;
        for (int byte = 1; byte < 256; ++byte)
            if (byte != '\n' && byte != '\r')
                all.append(char(byte));
        // The sink is the window: printLog reaches its memo while it exists.
        printLog("%s", all.constData());
        printLog("two\nlines");
        const QString target = tempDir->filePath(QStringLiteral("bytes.txt"));
        QVERIFY(window->saveLog(target));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), all + "\r\ntwo\r\nlines\r\n");
    }

    void emptyMemoSavesAnEmptyFile() {
        const QString target = tempDir->filePath(QStringLiteral("empty.txt"));
        QVERIFY(window->saveLog(target));
        QCOMPARE(QFileInfo(target).size(), 0);
    }

    void failedSavesChangeNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("into a missing folder") << QStringLiteral("missing/log.txt");
        QTest::newRow("onto a folder") << QStringLiteral("folder");
    }

    void failedSavesChangeNothing() {
        QFETCH(QString, target);
        QVERIFY(QDir(tempDir->path()).mkdir(QStringLiteral("folder")));
        printLog("new report");
        {
            MessageAnswer answer;
            QVERIFY(!window->saveLog(tempDir->filePath(target)));
            QVERIFY(answer.text.startsWith(QStringLiteral("Cannot ")));
        }
        QVERIFY(QFileInfo(tempDir->filePath(QStringLiteral("folder"))).isDir());
        QVERIFY(!QFileInfo::exists(tempDir->filePath(QStringLiteral("missing"))));
        QCOMPARE(memo(), QStringLiteral("new report"));
    }

    void saveFailingHalfWayKeepsTheExistingLog() {
        const QString target = writeFile(QStringLiteral("unit_error_log.txt"), "old contents");
        for (int i = 0; i < 400; ++i)
            printLog("line %d of a report far longer than the file size limit below", i);
        // Root ignores permissions, but not the file size limit: the write fails part-way with
        // EFBIG (SIGXFSZ, which would kill the process, is ignored meanwhile).
        rlimit previous{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit limited = previous;
        limited.rlim_cur = 4096;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        bool saved = true;
        QString message;
        {
            MessageAnswer answer;
            saved = window->saveLog(target);
            message = answer.text;
        }
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QVERIFY2(message.startsWith(QStringLiteral("Cannot write file")), qPrintable(message));
        QVERIFY(message.contains(target));
        QFile log(target);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("old contents"));
        // No half-written temporary file is left beside it.
        QCOMPARE(QDir(tempDir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("unit_error_log.txt")});
        QVERIFY(memo().startsWith(QStringLiteral("line 0 of")));
    }

    void aboutShowsItsTextsAndClosesWhenTheMainWindowActivates() {
        auto* about = window->findChild<TfrmAbout*>();
        QVERIFY(about);
        QVERIFY(!about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Faultwise"));
        QCOMPARE(about->size(), QSize(475, 278));
        QVERIFY(about->findChild<QLabel*>(QStringLiteral("lblInfo"))
                    ->text()
                    .startsWith(
                        QStringLiteral("Faultwise\n\nCalculates DTC codes by binary ECU data\n")));
        QCOMPARE(about->findChild<QLabel*>(QStringLiteral("lblMoreInfo"))->text(),
                 QStringLiteral("Help (dumps and error lists) or donations you can send to\n"
                                "support@faultwise.example (PayPal and e-Mail)."));
        QVERIFY(!about->findChild<QLabel*>(QStringLiteral("icLogo"))->pixmap().isNull());

        action("miAbout")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(about));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTRY_VERIFY(!about->isVisible());

        action("miAbout")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("btnOk")), Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    void dropOpensLikeOpen() {
        QMimeData text;
        text.setText(QStringLiteral("/tmp/unit.bin"));
        QVERIFY(!dragAndDrop(text));

        // Drops on the memo or the tree reach the window: neither takes drops itself.
        for (const char* name : {"m_mOutput", "m_tvTypes"}) {
            QWidget* target = child<QAbstractScrollArea>(name)->viewport();
            while (target && !target->acceptDrops())
                target = target->parentWidget();
            QCOMPARE(target, window.get());
        }

        const QString path = writeFile(QStringLiteral("dropped.bin"), type1Dump(0x1346));
        printLog("earlier report");
        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(path)});
        QVERIFY(dragAndDrop(file));
        QCOMPARE(status(), QStringLiteral("File: ") + path);
        QCOMPARE(window->dump(), type1Dump(0x1346));
        QCOMPARE(memo(), QString());
        QVERIFY(action("m_miCheckDTC")->isEnabled());

        // A folder dropped gives the error that opening it gives, and changes nothing.
        QMimeData folder;
        folder.setUrls({QUrl::fromLocalFile(tempDir->path())});
        QString dropError, openError;
        {
            MessageAnswer answer;
            QVERIFY(dragAndDrop(folder));
            dropError = answer.text;
        }
        {
            MessageAnswer answer;
            QVERIFY(!window->openDump(tempDir->path()));
            openError = answer.text;
        }
        QVERIFY(dropError.startsWith(QStringLiteral("Cannot open file")));
        QCOMPARE(dropError, openError);
        QCOMPARE(status(), QStringLiteral("File: ") + path);
        QCOMPARE(window->dump(), type1Dump(0x1346));
    }

    void leavesOfOtherDumpSizesAreDimmedButStillCheck() {
        auto* tree = child<QTreeWidget>("m_tvTypes");
        const QColor dimmed = tree->palette().color(QPalette::Disabled, QPalette::Text);
        const auto leaf = [&](const QString& make, const QString& part) {
            QTreeWidgetItem* node = tree->findItems(make, Qt::MatchExactly).value(0);
            for (int i = 0; node && i < node->childCount(); ++i)
                if (node->child(i)->text(0) == part)
                    return node->child(i);
            qFatal("no leaf %s", qPrintable(part));
        };
        const auto dimmedLeaves = [&] {
            QStringList names;
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                for (int j = 0; j < tree->topLevelItem(i)->childCount(); ++j) {
                    QTreeWidgetItem* item = tree->topLevelItem(i)->child(j);
                    // Dimmed leaves stay selectable and carry the disabled colour; anything
                    // else shows up in the list and fails the comparisons below.
                    if (!(item->flags() & Qt::ItemIsSelectable))
                        names.append(QStringLiteral("not selectable: ") + item->text(0));
                    if (item->data(0, Qt::ForegroundRole).isValid())
                        names.append(item->foreground(0).color() == dimmed
                                         ? item->text(0)
                                         : QStringLiteral("wrong colour: ") + item->text(0));
                }
            }
            return names;
        };
        const QString lr56 = QStringLiteral("89170-XXXXX (LR56)");
        QCOMPARE(leaf(QStringLiteral("KIA"), QStringLiteral("95910-2P400"))->toolTip(0),
                 QStringLiteral("Takes a dump of 327680 bytes (0x50000)"));
        QCOMPARE(leaf(QStringLiteral("Toyota"), lr56)->toolTip(0),
                 QStringLiteral("Takes a dump of 256 bytes (0x100)"));
        QCOMPARE(dimmedLeaves(), QStringList());

        // Types 3, 4, 5, 9, 10, 11, 15, 20, 24 and 25 take 8192 bytes: 17 leaves.
        const QString eeprom = writeFile(QStringLiteral("eeprom.bin"), QByteArray(8192, 0));
        QVERIFY(window->openDump(eeprom));
        QCOMPARE(status(), QStringLiteral("File: ") + eeprom);
        QStringList dimmedNow = dimmedLeaves();
        QCOMPARE(dimmedNow.size(), int(unitTree().size()) - 17);
        QVERIFY(!dimmedNow.contains(QStringLiteral("77960-TLO-G913-M1")));
        QVERIFY(!dimmedNow.contains(QStringLiteral("3606010BB")));
        QVERIFY(dimmedNow.contains(QStringLiteral("95910-2P400")));
        QVERIFY(dimmedNow.contains(lr56));

        select(QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        QVERIFY(action("m_miCheckDTC")->isEnabled());
        QCOMPARE(check(), QStringLiteral("File size do not match"));

        // Types 7 and 16 take 256 bytes.
        QVERIFY(window->openDump(writeFile(QStringLiteral("lr56.bin"), QByteArray(256, 0))));
        dimmedNow = dimmedLeaves();
        QCOMPARE(dimmedNow.size(), int(unitTree().size()) - 2);
        QVERIFY(!dimmedNow.contains(lr56));
        QVERIFY(!dimmedNow.contains(QStringLiteral("98820XXXXX (LR56)")));
        QVERIFY(dimmedNow.contains(QStringLiteral("77960-TLO-G913-M1")));
    }

    void compareTellsWhetherTheReadsDiffer_data() {
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QString>("message");
        QByteArray flipped = type1Dump(0x1346);
        flipped[0x2ABCD] = 0;
        QTest::newRow("identical")
            << type1Dump(0x1346) << QStringLiteral("The reads are identical (327680 bytes).");
        QTest::newRow("one byte different")
            << flipped
            << QStringLiteral("The reads differ in 1 of 327680 bytes.\n"
                              "First differing offset: 0x2ABCD");
        QTest::newRow("different sizes")
            << QByteArray(65536, char(0xFF))
            << QStringLiteral("The reads differ in size: 327680 bytes and 65536 bytes.\n"
                              "Of the first 65536 bytes, none differ.");
    }

    void compareTellsWhetherTheReadsDiffer() {
        QFETCH(QByteArray, other);
        QFETCH(QString, message);
        QVERIFY(!action("miCompare")->isEnabled());
        QVERIFY(window->openDump(writeFile(QStringLiteral("first.bin"), type1Dump(0x1346))));
        QVERIFY(action("miCompare")->isEnabled());
        printLog("report");
        const QString second = writeFile(QStringLiteral("second.bin"), other);
        {
            MessageAnswer answer;
            QVERIFY(window->compareWith(second));
            QCOMPARE(answer.text, message);
        }
        QCOMPARE(window->dump(), type1Dump(0x1346));
        QCOMPARE(memo(), QStringLiteral("report"));
        QFile file(second);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), other);

        // Through the menu: the file dialog, then the message box.
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Compare with another read"));
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(second);
            QMetaObject::invokeMethod(dialog, "done", Qt::QueuedConnection,
                                      Q_ARG(int, QDialog::Accepted));
        });
        action("miCompare")->trigger();
        QCOMPARE(answer.seen, 2);
    }

    void aboutLinksGoToTheDesktopsUrlHandlers();
};

// Receives the URLs that the About window hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

void WindowTest::aboutLinksGoToTheDesktopsUrlHandlers() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    auto* about = window->findChild<TfrmAbout*>();
    about->show();
    QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("lblCopyright")), Qt::LeftButton);
    QTest::mouseClick(about->findChild<QLabel*>(QStringLiteral("lblMoreInfo")), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(QStringLiteral("https://faultwise.example")),
                                        QUrl(QStringLiteral("mailto:support@faultwise.example"))}));
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
