// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: the exit status of the event loop passes through; an escaping error is shown and
// ends the program with a failure status.
#include "StartUp.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

// Closes the message box shown while `run` runs and returns its text through `text`.
int runAnswering(const std::function<int()>& start, QString& text) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->close();
        }
    });
    poll.start(5);
    return runGuarded(start);
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void theEventLoopsStatusIsReturned() {
        QString shown = QStringLiteral("none");
        QCOMPARE(runAnswering([] { return 0; }, shown), 0);
        QCOMPARE(runAnswering([] { return 7; }, shown), 7);
        QCOMPARE(shown, QStringLiteral("none"));
    }

    void anEscapingErrorIsShownAndFails() {
        QString shown;
        const int status =
            runAnswering([]() -> int { throw std::runtime_error("no display"); }, shown);
        QCOMPARE(status, kStartUpFailed);
        QVERIFY(status != 0);
        QCOMPARE(shown, QStringLiteral("no display"));
    }

    void anEscapingObjectThatIsNoErrorFailsToo() {
        QString shown = QStringLiteral("none");
        QCOMPARE(runAnswering([]() -> int { throw 42; }, shown), kStartUpFailed);
        QCOMPARE(shown, QString());
    }
};

QTEST_MAIN(StartUpTest)
#include "StartUpTest.moc"
