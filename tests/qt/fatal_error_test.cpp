#include "ui/qt/fatal_error.h"

#include <QtTest>
#include <cstdio>
#include <functional>
#include <stdexcept>

using namespace vemrik;

class FatalErrorTest : public QObject {
    Q_OBJECT

private slots:
    // An escaping exception is a failure: exit code 1, its message on standard error and in the
    // box; something thrown that is no exception too. A normal end keeps its exit code and says
    // nothing.
    void theExitCodeAndWhatIsSaid() {
        const struct {
            std::function<int()> body;
            int code;
            QString said;  // in the box and on standard error
        } cases[] = {
            {[]() -> int { throw std::runtime_error("brak pamięci"); }, 1, QStringLiteral("brak pamięci")},
            {[]() -> int { throw 7; }, 1, QStringLiteral("nieznany błąd")},
            {[] { return 3; }, 3, QString()},
        };
        for (const auto& c : cases) {
            std::FILE* err = std::tmpfile();
            QString shown;
            QCOMPARE(runGuarded(
                         c.body, [&](const QString& m) { shown = m; }, err),
                     c.code);
            QCOMPARE(shown, c.said);
            std::rewind(err);
            QFile file;
            QVERIFY(file.open(err, QIODevice::ReadOnly));
            const QString written = QString::fromUtf8(file.readAll());
            QCOMPARE(written.isEmpty(), c.said.isEmpty());
            QVERIFY(written.contains(c.said));
            std::fclose(err);
        }
        QCOMPARE(runGuarded([]() -> int { throw 7; }, nullptr), 1);  // with no box to show it in
    }
};

QTEST_MAIN(FatalErrorTest)
#include "fatal_error_test.moc"
