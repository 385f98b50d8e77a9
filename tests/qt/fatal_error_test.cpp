#include <QtTest>
#include <cstdio>
#include <stdexcept>

#include "ui/qt/fatal_error.h"

using namespace vemrik;

namespace {

QString readAll(std::FILE* f) {
    std::rewind(f);
    QByteArray bytes;
    char buffer[256];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, f)) bytes.append(buffer, qsizetype(n));
    return QString::fromUtf8(bytes);
}

}  // namespace

class FatalErrorTest : public QObject {
    Q_OBJECT

private slots:
    // A fatal error is a failure: exit code 1, the message on standard error and in the box.
    void anEscapingExceptionExitsNonZeroWithItsMessage() {
        std::FILE* err = std::tmpfile();
        QString shown;
        const int code = runGuarded([]() -> int { throw std::runtime_error("brak pamięci"); },
                                    [&](const QString& m) { shown = m; }, err);
        QCOMPARE(code, 1);
        QCOMPARE(shown, QStringLiteral("brak pamięci"));
        QVERIFY(readAll(err).contains(QStringLiteral("brak pamięci")));
        std::fclose(err);
    }

    void somethingThrownThatIsNoExceptionFailsToo() {
        std::FILE* err = std::tmpfile();
        QCOMPARE(runGuarded([]() -> int { throw 7; }, nullptr, err), 1);
        QVERIFY(!readAll(err).isEmpty());
        std::fclose(err);
    }

    // Without an error the loop's own exit code passes through and nothing is written.
    void aNormalEndKeepsItsExitCode() {
        std::FILE* err = std::tmpfile();
        bool shown = false;
        QCOMPARE(runGuarded([] { return 3; }, [&](const QString&) { shown = true; }, err), 3);
        QVERIFY(!shown);
        QVERIFY(readAll(err).isEmpty());
        std::fclose(err);
    }
};

QTEST_MAIN(FatalErrorTest)
#include "fatal_error_test.moc"
