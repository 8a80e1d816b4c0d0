// SPDX-License-Identifier: GPL-3.0-or-later
// The hex view beside the report: a selected report line highlights and shows its bytes, a
// clicked byte marks the lines that read it, "Go to offset" finds a byte, and Save can put a
// record header above the report.
#include "Dtccalcmain.h"
#include "HexView.h"
#include "RecordHeader.h"
#include "ReportExplainer.h"
#include "ReportLines.h"
#include "ReportText.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

// ecu2p400 (320 KiB): a block marker at the start of area A with a code in its first record,
// and the identifier tag with its text near the end of the flash.
QByteArray type1Dump() {
    QByteArray dump(0x50000, char(0xFF));
    dump.replace(0x40000, 4, QByteArray::fromHex("00250606"));
    dump.replace(0x4000C, 2, QByteArray::fromHex("1346"));
    dump.replace(0x48030, 2, QByteArray::fromHex("0004"));
    dump.replace(0x48034, 4, QByteArray("ID7\0", 4));
    return dump;
}

} // namespace

class HexViewTest : public WindowFixture {
    Q_OBJECT

private:
    QString dumpPath;

    HexView* hexView() { return child<HexView>("m_hexView"); }
    QPlainTextEdit* report() { return child<QPlainTextEdit>("m_mOutput"); }

    void putCursorOnLine(int line) {
        QTextCursor cursor(report()->document()->findBlockByNumber(line));
        report()->setTextCursor(cursor);
    }

    // The report lines that are marked, by number.
    QList<int> markedLines() {
        QList<int> lines;
        for (const QTextEdit::ExtraSelection& mark : report()->extraSelections())
            lines.append(mark.cursor.blockNumber());
        return lines;
    }

    void clickByte(int offset) {
        QVERIFY(hexView()->goToOffset(offset)); // scrolled into sight
        QTest::mouseClick(hexView()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          hexView()->byteRect(offset).center());
    }

    bool rowInSight(int offset) {
        const int row = offset / HexView::kBytesPerRow;
        return row >= hexView()->firstVisibleRow() &&
               row < hexView()->firstVisibleRow() + hexView()->visibleRows();
    }

private slots:
    void init() {
        makeTempDir();
        dumpPath = tempDir->filePath(QStringLiteral("unit.bin"));
        QFile file(dumpPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(type1Dump());
        file.close();
        showWindow(QSize(900, 700));
        QVERIFY(window->openDump(dumpPath));
        auto* tree = child<QTreeWidget>("m_tvTypes");
        const QTreeWidgetItem* kia = tree->findItems(QStringLiteral("KIA"), Qt::MatchExactly)[0];
        for (int i = 0; i < kia->childCount(); ++i)
            if (kia->child(i)->text(0) == QStringLiteral("95910-2P400"))
                tree->setCurrentItem(kia->child(i));
        child<QAction>("m_miCheckDTC")->trigger();
        // ECU error block: / the fault / the identifier heading and its text
        QCOMPARE(report()->document()->blockCount(), 4);
    }
    void cleanup() { dropWindowAndTempDir(); }

    void theWholeDumpIsShownWithTheNewReportsFirstLineExplained() {
        QCOMPARE(hexView()->dump(), type1Dump());
        QVERIFY(hexView()->isVisible());
        // The check leaves the cursor on the report's first line, "ECU error block:", which
        // read area A's first word.
        QCOMPARE(report()->textCursor().blockNumber(), 0);
        QVERIFY(hexView()->isHighlighted(0x40000));
        QVERIFY(hexView()->isHighlighted(0x40003));
        QVERIFY(!hexView()->isHighlighted(0x4000C));
        QVERIFY(rowInSight(0x40000));
    }

    void selectedLineHighlightsItsBytesAndScrollsToTheFirst() {
        putCursorOnLine(1); // the fault: its code at the first record, 0x4000C
        QVERIFY(hexView()->isHighlighted(0x4000C));
        QVERIFY(hexView()->isHighlighted(0x4000D));
        QVERIFY(!hexView()->isHighlighted(0x4000B));
        QVERIFY(!hexView()->isHighlighted(0x48034));
        QVERIFY(rowInSight(0x4000C));

        putCursorOnLine(3); // the identifier's text, read with its tag, far below
        QVERIFY(hexView()->isHighlighted(0x48030));
        QVERIFY(hexView()->isHighlighted(0x48034));
        QVERIFY(!hexView()->isHighlighted(0x4000C));
        QVERIFY(rowInSight(0x40010)); // the first range: the rest of the record area
    }

    void clickedByteSelectsTheLinesThatReadIt() {
        clickByte(0x4000D);
        QCOMPARE(hexView()->selectedOffset(), 0x4000D);
        QCOMPARE(markedLines(), QList<int>{1});
        QCOMPARE(report()->textCursor().blockNumber(), 1);
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Offset 0x4000D: 0x46 (70)"));

        // One entry on two lines: both are marked.
        clickByte(0x48035);
        QCOMPARE(markedLines(), (QList<int>{2, 3}));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Offset 0x48035: 0x44 (68)"));

        clickByte(0x10);
        QVERIFY(markedLines().isEmpty());
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Offset 0x10: 0xFF (255), read by no report line"));
    }

    void textColumnClicksCountToo() {
        QVERIFY(hexView()->goToOffset(0x4000C));
        const QRect cell = hexView()->byteRect(0x4000C);
        // The text column lies right of the sixteen hex cells.
        int x = cell.right();
        while (x < hexView()->viewport()->width() &&
               hexView()->offsetAt({x, cell.center().y()}) != 0x4000C)
            ++x;
        QVERIFY(x < hexView()->viewport()->width());
        QCOMPARE(hexView()->offsetAt({x + 1, cell.center().y()}), 0x4000C);
    }

    void goToOffsetAsksAndFindsTheByte() {
        ModalAnswer answer([](QWidget* modal) {
            auto* dialog = qobject_cast<QInputDialog*>(modal);
            QVERIFY(dialog);
            dialog->setTextValue(QStringLiteral("0x48034"));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        QAction* goTo = child<QAction>("miGoToOffset");
        QCOMPARE(goTo->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        goTo->trigger();
        QCOMPARE(answer.seen, 1);
        QCOMPARE(hexView()->selectedOffset(), 0x48034);
        QVERIFY(rowInSight(0x48034));
        QCOMPARE(markedLines(), (QList<int>{2, 3}));

        QCOMPARE(ReportExplainer::parseOffset(QStringLiteral(" 1a ")), 0x1A);
        QCOMPARE(ReportExplainer::parseOffset(QStringLiteral("0X4FFFF")), 0x4FFFF);
        QCOMPARE(ReportExplainer::parseOffset(QStringLiteral("x12")), -1);
        QCOMPARE(ReportExplainer::parseOffset(QString()), -1);
        QVERIFY(!hexView()->goToOffset(0x50000));
    }

    void viewMenuHidesAndShowsTheHexView() {
        QAction* toggle = child<QAction>("miHexView");
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QVERIFY(!hexView()->isVisible());
        toggle->trigger();
        QVERIFY(hexView()->isVisible());
    }

    void openingAnotherDumpForgetsTheOldLines() {
        const QString other = tempDir->filePath(QStringLiteral("other.bin"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(0x100, char(0x00)));
        file.close();
        QVERIFY(window->openDump(other));
        QCOMPARE(hexView()->dump().size(), 0x100);
        clickByte(0x00);
        QVERIFY(markedLines().isEmpty());
    }

    void saveWithHeaderPutsTheRecordAboveTheReport() {
        const QString target = tempDir->filePath(QStringLiteral("with_header.txt"));
        ModalAnswer answer([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            QVERIFY(dialog->nameFilters().contains(QStringLiteral("Report with header (*.txt)")));
            dialog->selectNameFilter(QStringLiteral("Report with header (*.txt)"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(target);
            QMetaObject::invokeMethod(dialog, "done", Qt::QueuedConnection,
                                      Q_ARG(int, QDialog::Accepted));
        });
        child<QAction>("miSaveFile")->trigger();
        QCOMPARE(answer.seen, 1);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = saved.readAll().split('\n');
        QCOMPARE(lines.value(0), QByteArray("File: unit.bin\r"));
        QCOMPARE(lines.value(1), QByteArray("Size: 327680 bytes\r"));
        QVERIFY(lines.value(2).startsWith("SHA-256: ") && lines.value(2).size() == 9 + 64 + 1);
        QCOMPARE(lines.value(3), QByteArray("Unit type: KIA 95910-2P400\r"));
        QVERIFY(lines.value(4).startsWith("Date: 20"));
        QCOMPARE(lines.value(5), QByteArray("\r"));
        QCOMPARE(lines.value(6), QByteArray("ECU error block:\r"));
    }

    void linesAreCountedAsThePaneSplitsTheJoinedReport() {
        QPlainTextEdit pane;
        HexView hex;
        ReportExplainer explainer(plainTextReportLines(&pane), &hex, [](const QString&) {});
        explainer.setDump(QByteArray(0x10, '\0'));
        pane.appendPlainText(QStringLiteral("an earlier line"));
        // Entry n read byte n. The window joins a check's entries with "\n" and appends them.
        const std::vector<ExplainedEntry> entries = {
            {"ECU identifier:\n\tABC", {{0, 0}}},
            {"\t[ABC]\n", {{1, 1}}},      // owns the empty line it leaves
            {"ends with CR\r", {{2, 2}}}, // CR and the joining LF make one line break
            {"last", {{3, 3}}},
        };
        QStringList gathered;
        explainer.appendReport(entries, QStringLiteral("Make Part"), [&](std::string_view text) {
            gathered.append(reportToQString(text));
        });
        pane.appendPlainText(gathered.join(QLatin1Char('\n')));
        QCOMPARE(pane.blockCount(), 7);
        const QList<QList<int>> expected = {{1, 2}, {3, 4}, {5}, {6}};
        for (int offset = 0; offset < 4; ++offset) {
            QVERIFY(explainer.goToOffset(offset));
            QList<int> marked;
            for (const QTextEdit::ExtraSelection& mark : pane.extraSelections())
                marked.append(mark.cursor.blockNumber());
            QCOMPARE(marked, expected[offset]);
        }
        QCOMPARE(explainer.checkedUnitType(), QStringLiteral("Make Part"));
    }

    void headerCarriesTheDumpsSha256() {
        // sha256sum of 256 bytes of 0xFF, computed outside the program.
        const QStringList header =
            recordHeader(QStringLiteral("/x/erased.bin"), QByteArray(0x100, char(0xFF)), QString(),
                         QDateTime(QDate(2026, 12, 10), QTime(9, 5)));
        QCOMPARE(
            header,
            (QStringList{
                QStringLiteral("File: erased.bin"),
                QStringLiteral("Size: 256 bytes"),
                QStringLiteral(
                    "SHA-256: 3d6876a0146de8576eb2395a858de1213d1b92c65b779df3a331cfd5a4584546"),
                QStringLiteral("Unit type: none checked"),
                QStringLiteral("Date: 2026-12-10 09:05"),
                QString(),
            }));
    }
};

QTEST_MAIN(HexViewTest)
#include "HexViewTest.moc"
