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
        QTest::newRow("bottom right: above, pulled in")
            << QRect(1096, 777, 22, 22) << QPoint(1080, 576);
        QTest::newRow("just fits below") << QRect(10, 554, 22, 22) << QPoint(10, 576);
        QTest::newRow("one pixel short below: above") << QRect(10, 555, 22, 22) << QPoint(10, 355);
        QTest::newRow("pointer left of the area") << QRect(-50, 300, 1, 1) << QPoint(0, 301);
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QTEST(popupPosition(anchor, QSize(200, 200), QRect(0, 0, 1280, 776)), "expected");
    }
};

QTEST_GUILESS_MAIN(PopupPlacementTest)
#include "tst_popupplacement.moc"
