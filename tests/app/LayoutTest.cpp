// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout as a technician meets it: texts that fit, panes that give, windows that
// stay on the screen, and the check run straight from the tree. Run at 100 % and 200 % scaling.
#include "About.h"
#include "Dtccalcmain.h"
#include "ElidedLabel.h"
#include "PrintLog.h"
#include "Registry.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <memory>

class LayoutTest : public WindowFixture {
    Q_OBJECT

private:
    QTreeWidget* tree() { return namedChild<QTreeWidget>(window.get(), "m_tvTypes"); }
    QPlainTextEdit* memo() { return namedChild<QPlainTextEdit>(window.get(), "m_mOutput"); }

    // The report line at the top of the memo's view.
    int topLine() { return memo()->cursorForPosition(QPoint(0, 0)).blockNumber(); }

    bool screenIsSmall() {
        const QSize screen = window->screen()->availableGeometry().size();
        return screen.width() < 700 || screen.height() < 560;
    }

private slots:
    void init() {
        makeTempDir();
        showWindow();
    }
    void cleanup() { dropWindowAndTempDir(); }

    void aboutTextsFitTheirLabelsWhole() {
        auto* about = window->findChild<TfrmAbout*>();
        QVERIFY(about);
        window->findChild<QAction*>(QStringLiteral("miAbout"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->size(), QSize(475, 278));
        for (const char* name : {"lblInfo", "lblCopyright", "lblMoreInfo"}) {
            auto* label = namedChild<QLabel>(about, name);
            QVERIFY2(about->rect().contains(label->geometry()), name);
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                room, int(label->alignment()) | Qt::TextWordWrap, label->text());
            QVERIFY2(room.contains(needed), qPrintable(QStringLiteral("%1 needs %2 x %3")
                                                           .arg(QLatin1String(name))
                                                           .arg(needed.width())
                                                           .arg(needed.height())));
            QVERIFY2(label->wordWrap(), name);
        }
    }

    void aboutStandsCentredOnTheWindowEveryTime() {
        if (screenIsSmall())
            QSKIP("the window fills the screen; there is no centre to keep");
        auto* about = window->findChild<TfrmAbout*>();
        window->move(40, 30);
        QList<QRect> shown;
        for (int i = 0; i < 2; ++i) {
            window->findChild<QAction*>(QStringLiteral("miAbout"))->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(about));
            shown.append(about->frameGeometry());
            about->hide();
        }
        QCOMPARE(shown.at(1), shown.at(0));
        const QPoint offset = shown.at(0).center() - window->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2 off centre").arg(offset.x()).arg(offset.y())));
    }

    void longPathsKeepTheFileNameInViewAndInTheTooltip() {
        const QString folder = QStringLiteral("a folder whose name goes on and on and on for a "
                                              "long while before it comes to the read itself");
        QVERIFY(QDir(tempDir->path()).mkpath(folder));
        const QString path = writeFile(folder + QStringLiteral("/srs read 2.bin"), {});
        QVERIFY(window->openDump(path));
        auto* status = namedChild<ElidedLabel>(window.get(), "m_lblStatusText");
        QCOMPARE(status->text(), QStringLiteral("File: ") + path);
        QCOMPARE(status->toolTip(), path);
        QCOMPARE(window->width(), qMin(640, window->width()));
        const QString shown = status->displayedText();
        QVERIFY2(shown.startsWith(QStringLiteral("File: ")), qPrintable(shown));
        QVERIFY2(shown.endsWith(QStringLiteral("srs read 2.bin")), qPrintable(shown));
        QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
        QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
    }

    void noLeafWidensTheWindow() {
        // A desktop with large fonts: the longest info lines no longer fit beside the tree.
        const QFont previousFont = QApplication::font();
        QFont large = previousFont;
        large.setPointSize(14);
        QApplication::setFont(large);
        window = std::make_unique<TfrmDTCReader>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QSize initial = window->size();
        for (const UnitTreeLeaf& leaf : unitTree()) {
            tree()->setCurrentItem(
                treeLeaf(tree(), QString::fromUtf8(leaf.make), QString::fromUtf8(leaf.partNumber)));
            QCoreApplication::processEvents();
            QVERIFY2(window->size() == initial, leaf.partNumber);
            QVERIFY2(window->minimumSizeHint().width() <= initial.width(), leaf.partNumber);
        }
        window.reset();
        QApplication::setFont(previousFont);
    }

    void windowAndSaveDialogStayOnTheScreen() {
        const QRect screen = window->screen()->availableGeometry();
        QVERIFY2(window->size().width() <= screen.width() &&
                     window->size().height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(window->width())
                                .arg(window->height())
                                .arg(screen.width())
                                .arg(screen.height())));
        if (!screenIsSmall())
            QCOMPARE(window->size(), QSize(640, 480));
        QSize dialogSize;
        ModalAnswer answer([&](QWidget* modal) {
            dialogSize = modal->frameGeometry().size();
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        });
        window->findChild<QAction*>(QStringLiteral("miSaveFile"))->trigger();
        QCOMPARE(answer.seen, 1);
        QVERIFY2(dialogSize.width() <= screen.width() && dialogSize.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(dialogSize.width())
                                .arg(dialogSize.height())
                                .arg(screen.width())
                                .arg(screen.height())));
    }

    void panesStartAsLaidOutAndGiveWhenTheWindowShrinks() {
        if (screenIsSmall())
            QSKIP("the window starts smaller than its usual size");
        auto* panes = namedChild<QSplitter>(window.get(), "pnlMain");
        auto* right = namedChild<QSplitter>(window.get(), "m_pnlRight");
        auto* info = namedChild<QWidget>(window.get(), "m_pnlShowInfo");
        tree()->setCurrentItem(
            treeLeaf(tree(), QStringLiteral("Toyota"), QStringLiteral("89170-XXXXX (LR66)")));
        QCoreApplication::processEvents();
        QCOMPARE(panes->sizes().value(0), 201);
        QCOMPARE(info->height(), 104);

        // The user can widen the tree; nothing of it is kept for the next window.
        panes->setSizes({260, panes->width() - 260});
        QCOMPARE(tree()->width(), 260);

        // Grown, the report takes the new room; shrunk, the info panel gives too and stays
        // lower than the report.
        window->resize(900, 700);
        QCoreApplication::processEvents();
        QCOMPARE(info->height(), 104);
        QCOMPARE(tree()->width(), 260);
        window->resize(400, 260);
        QCoreApplication::processEvents();
        QVERIFY2(info->height() < 104, qPrintable(QString::number(info->height())));
        QVERIFY2(
            info->height() < memo()->height(),
            qPrintable(
                QStringLiteral("info %1, report %2").arg(info->height()).arg(memo()->height())));
        QVERIFY(right->sizes().value(0) > 0);
    }

    void enterAndDoubleClickOnALeafRunTheCheck() {
        QVERIFY(window->openDump(writeFile(QStringLiteral("unit.bin"), type1Dump(0x1346))));
        QTreeWidgetItem* leaf =
            treeLeaf(tree(), QStringLiteral("KIA"), QStringLiteral("95910-2P400"));
        tree()->setFocus();
        tree()->setCurrentItem(leaf);
        const QString report =
            QStringLiteral("ECU error block:\n\tB1346 Stage Driver airbag resistance too high");
        QTest::keyClick(tree(), Qt::Key_Return);
        QCOMPARE(memo()->toPlainText(), report);

        tree()->scrollToItem(leaf);
        QTest::qWait(20);
        const QPoint at = tree()->visualItemRect(leaf).center();
        QSignalSpy doubleClicks(tree(), &QTreeWidget::itemDoubleClicked);
        // A double click arrives as a click followed by a double-click event.
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(doubleClicks.size(), 1);
        QCOMPARE(memo()->toPlainText(), report + QLatin1Char('\n') + report);

        // On a make node, Enter opens or closes it and checks nothing.
        QTreeWidgetItem* make = leaf->parent();
        tree()->setCurrentItem(make);
        MessageAnswer none;
        QTest::keyClick(tree(), Qt::Key_Return);
        QTest::qWait(20);
        QCOMPARE(none.seen, 0);
        QCOMPARE(memo()->toPlainText(), report + QLatin1Char('\n') + report);
    }

    void aNewReportIsShownFromItsFirstLine() {
        // An erased type 2 dump gives a report of 24 lines, more than the view shows here.
        QVERIFY(window->openDump(
            writeFile(QStringLiteral("erased.bin"), QByteArray(0x10000, char(0xFF)))));
        window->resize(640, 320);
        for (int i = 0; i < 300; ++i)
            printLog("line %d of an earlier report", i);
        tree()->setCurrentItem(
            treeLeaf(tree(), QStringLiteral("Hyundai"), QStringLiteral("95910-2W300")));
        QCoreApplication::processEvents();
        window->findChild<QAction*>(QStringLiteral("m_miCheckDTC"))->trigger();
        QCoreApplication::processEvents();
        QVERIFY(memo()->blockCount() > 300 + 20);
        QVERIFY(memo()->viewport()->height() < 20 * memo()->fontMetrics().lineSpacing());
        QCOMPARE(topLine(), 300);
        QCOMPARE(memo()->textCursor().blockNumber(), 300);
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
