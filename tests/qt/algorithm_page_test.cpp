#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include "ui/qt/main_window.h"

using namespace vemrik;

class AlgorithmPageTest : public QObject {
    Q_OBJECT

private slots:
    void editorWorksThroughTheWindow() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.notebook()->setCurrentIndex(2);
        auto* box = w.findChild<QCheckBox*>("CheckBox3");
        auto* bar = w.findChild<QSlider*>("TrackBar1");
        auto* label1 = w.findChild<QLabel*>("Label1");
        auto* label2 = w.findChild<QLabel*>("Label2");
        auto* add = w.findChild<QPushButton*>("Button13");
        auto* remove = w.findChild<QPushButton*>("Button14");
        auto* list = w.findChild<QListWidget*>("ListBox1");

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, 8));  // on the indicator
        QCOMPARE(w.form().State.SensorStates[2], 1);
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(label1->text(), QString("-1"));  // at once
        QTRY_COMPARE(label2->text(), QString("0 0 1 0 0 0 0 0 -1"));

        QTest::mouseClick(add, Qt::LeftButton);
        QTest::keyClick(bar, Qt::Key_Left);
        QTRY_COMPARE(label2->text(), QString("0 0 1 0 0 0 0 0 -2"));
        QTest::mouseClick(add, Qt::LeftButton);
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(list->count(), 3);

        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("0 0 1 0 0 0 0 0 -1"));
        QCOMPARE(list->item(1)->text(), QString("0 0 1 0 0 0 0 0 -2"));
        // A line selected and then deselected is not removed.
        const QPoint first = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, first);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, first);
        QVERIFY(list->selectedItems().isEmpty());
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(list->count(), 2);
    }
};

QTEST_MAIN(AlgorithmPageTest)
#include "algorithm_page_test.moc"
