// SPDX-License-Identifier: GPL-3.0-or-later
// The window's trust aids, offscreen: the warning bar, the best-ranked leaves and the tree filter.
#include "Dtccalcmain.h"
#include "Registry.h"
#include "SampleDumps.h"
#include "WindowTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

namespace {

// Closes every message box that opens while it lives, keeping the first one's texts.
class MessageCatcher : public QObject {
public:
    MessageCatcher() {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == m_seen)
                return;
            m_seen = box;
            if (seen++ == 0) {
                text = box->text();
                detail = box->detailedText();
            }
            box->close();
        });
        m_poll.start(5);
    }
    int seen = 0;
    QString text;
    QString detail;

private:
    QPointer<QMessageBox> m_seen;
    QTimer m_poll;
};

QByteArray sampleBytes(int32_t typeId) {
    for (const SampleDump& sample : sampleDumps())
        if (sample.typeId == typeId)
            return QByteArray(reinterpret_cast<const char*>(sample.bytes.data()),
                              qsizetype(sample.bytes.size()));
    qFatal("no sample for type %d", int(typeId));
}

} // namespace

class TrustWindowTest : public WindowFixture {
    Q_OBJECT

private:
    QTreeWidget* tree() { return child<QTreeWidget>("m_tvTypes"); }
    QWidget* warningBar() { return child<QWidget>("m_warningBar"); }
    QString warnings() { return child<QLabel>("m_lblWarnings")->text(); }

    // Opens `bytes` as a dump; no dialog may open on the way.
    void open(const QString& name, const QByteArray& bytes) {
        MessageCatcher messages;
        QVERIFY(window->openDump(writeFile(name, bytes)));
        QTest::qWait(20);
        QCOMPARE(messages.seen, 0);
    }

    QTreeWidgetItem* leaf(const QString& part) {
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            if ((*it)->parent() && (*it)->text(0) == part)
                return *it;
        qFatal("no leaf %s", qPrintable(part));
    }

    // Selects `part` and runs the check; a MessageCatcher of the caller answers any message box.
    void check(const QString& part) {
        tree()->setCurrentItem(leaf(part));
        child<QAction>("m_miCheckDTC")->trigger();
        QTest::qWait(20);
    }

    QStringList boldLeaves() {
        QStringList bold;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            if ((*it)->parent() && (*it)->font(0).bold())
                bold.append((*it)->text(0));
        return bold;
    }

    QStringList visibleLeaves() {
        QStringList shown;
        for (QTreeWidgetItemIterator it(tree(), QTreeWidgetItemIterator::NotHidden); *it; ++it)
            if ((*it)->parent())
                shown.append((*it)->text(0));
        return shown;
    }

private slots:
    void init() {
        makeTempDir();
        showWindow();
    }
    void cleanup() { dropWindowAndTempDir(); }

    void warningBarShowsFindingsUntilTheNextOpen() {
        QVERIFY(!warningBar()->isVisible());
        open(QStringLiteral("erased.bin"), QByteArray(0x2000, char(0xFF)));
        QVERIFY(warningBar()->isVisible());
        QCOMPARE(warnings(),
                 QStringLiteral("Warning: every byte is 0xFF: the chip reads as erased or blank."));

        MessageCatcher messages;
        check(QStringLiteral("8635A221"));
        QCOMPARE(messages.seen, 0);
        QVERIFY(warningBar()->isVisible());
        QVERIFY(child<QPlainTextEdit>("m_mOutput")
                    ->toPlainText()
                    .startsWith(QStringLiteral("ECU identifier:")));
        QVERIFY(
            !child<QPlainTextEdit>("m_mOutput")->toPlainText().contains(QStringLiteral("Warning")));

        open(QStringLiteral("sample.bin"), sampleBytes(4));
        QVERIFY(!warningBar()->isVisible());
    }

    void theCheckAddsTheAreasOfTheSelectedType() {
        QByteArray dump = sampleBytes(21);
        dump.replace(0x20, 0x14, QByteArray(0x14, '\0'));
        open(QStringLiteral("no-identifier.bin"), dump);
        QVERIFY(!warningBar()->isVisible());
        const MessageCatcher messages;
        check(QStringLiteral("95910-1R000"));
        QCOMPARE(messages.seen, 0);
        QVERIFY(warningBar()->isVisible());
        QCOMPARE(warnings(),
                 QStringLiteral("Warning: the identifier area 0x20-0x33 is blank (all 0x00)."));
    }

    void theBestRankedLeavesAreMarkedWithTheirReasons() {
        const QString plain = leaf(QStringLiteral("95910-1R000"))->toolTip(0);
        open(QStringLiteral("solaris.bin"), sampleBytes(21));
        QCOMPARE(boldLeaves(), QStringList{QStringLiteral("95910-1R000")});
        QTreeWidgetItem* best = leaf(QStringLiteral("95910-1R000"));
        QVERIFY(best->parent()->isExpanded());
        QVERIFY(best->toolTip(0).startsWith(plain + QStringLiteral("\nBest match for this dump")));
        QVERIFY(best->toolTip(0).contains(QStringLiteral("part number 95910-1R000 at 0x27")));

        open(QStringLiteral("mazda.bin"), sampleBytes(22));
        QCOMPARE(boldLeaves(), QStringList{QStringLiteral("KD45-57K30B")});
        QCOMPARE(leaf(QStringLiteral("95910-1R000"))->toolTip(0), plain);

        // Nothing speaks for any type of an erased dump: no leaf is marked.
        open(QStringLiteral("erased.bin"), QByteArray(0x2000, char(0xFF)));
        QCOMPARE(boldLeaves(), QStringList());
    }

    void theFilterNarrowsTheTreeAsAPartNumberIsTyped() {
        auto* filter = child<QLineEdit>("m_edTreeFilter");
        QTest::keySequence(window.get(), QKeySequence::Find);
        QTRY_VERIFY(filter->hasFocus());

        QTest::keyClicks(filter, QStringLiteral("95910-2p"));
        QCOMPARE(visibleLeaves(),
                 (QStringList{QStringLiteral("95910-2P100"), QStringLiteral("95910-2P200"),
                              QStringLiteral("95910-2P400"), QStringLiteral("95910-2P580")}));

        filter->clear();
        QCOMPARE(visibleLeaves().size(), qsizetype(unitTree().size()));

        QTest::keyClicks(filter, QStringLiteral("7e0959655c"));
        QCOMPARE(visibleLeaves(), QStringList{QStringLiteral("7\u04150 959 655 \u0421")});
        QTest::keyClick(filter, Qt::Key_Return);
        QCOMPARE(tree()->currentItem(), leaf(QStringLiteral("7\u04150 959 655 \u0421")));
        QVERIFY(child<QWidget>("m_pnlShowInfo")->isVisible());

        QTest::keyClick(filter, Qt::Key_Escape);
        QCOMPARE(filter->text(), QString());
        QCOMPARE(visibleLeaves().size(), qsizetype(unitTree().size()));

        filter->setText(QStringLiteral("volvo"));
        QCOMPARE(visibleLeaves(),
                 (QStringList{QStringLiteral("P31334278"), QStringLiteral("P31334542")}));
        filter->setText(QStringLiteral("no such part"));
        QCOMPARE(visibleLeaves(), QStringList());
    }

    void theWrongSizeMessageGivesBothSizes() {
        open(QStringLiteral("small.bin"), QByteArray(65536, 0));
        MessageCatcher messages;
        check(QStringLiteral("95910-2P400"));
        QCOMPARE(messages.seen, 1);
        QCOMPARE(messages.text, QStringLiteral("File size do not match"));
        QCOMPARE(messages.detail,
                 QStringLiteral("The dump has 65536 bytes; this unit type takes 327680 bytes."));
    }
};

QTEST_MAIN(TrustWindowTest)
#include "TrustWindowTest.moc"
