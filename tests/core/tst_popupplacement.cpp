#include "commands/PopupPlacement.h"

#include <QTest>

class PopupPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void placement_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QPoint>("expected");
        // A 1280x776 area above a bottom panel; the popup is 200x200.
        QTest::newRow("tray at the bottom right: above, pulled in")
            << QRect(1096, 777, 22, 22) << QPoint(1080, 576);
        QTest::newRow("tray at the top left: below") << QRect(0, 0, 22, 22) << QPoint(0, 22);
        QTest::newRow("middle of the screen: below") << QRect(600, 300, 22, 22) << QPoint(600, 322);
        QTest::newRow("just fits below") << QRect(10, 554, 22, 22) << QPoint(10, 576);
        QTest::newRow("one pixel short below: above") << QRect(10, 555, 22, 22) << QPoint(10, 355);
        QTest::newRow("pointer off the area to the left")
            << QRect(-50, 300, 1, 1) << QPoint(0, 301);
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(QPoint, expected);
        const QRect available(0, 0, 1280, 776);
        const QPoint position = popupPosition(anchor, QSize(200, 200), available);
        QCOMPARE(position, expected);
        QVERIFY(available.contains(QRect(position, QSize(200, 200))));
    }

    void largerThanTheAreaKeepsTopLeftInside()
    {
        QCOMPARE(popupPosition(QRect(50, 50, 10, 10), QSize(400, 400), QRect(10, 20, 300, 300)),
                 QPoint(10, 20));
    }
};

QTEST_GUILESS_MAIN(PopupPlacementTest)
#include "tst_popupplacement.moc"
