#include "commands/core/PopupPlacement.h"

#include <QTest>

// Where the tray popup opens.
class PanesTest : public QObject
{
    Q_OBJECT

private slots:
    void popupPosition_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QPoint>("position");
        // A 200×200 popup on a second 1000×800 screen, right of the first, under a 20-pixel panel.
        QTest::newRow("below an icon in a top panel") << QRect(600, 0, 20, 20) << QPoint(600, 20);
        QTest::newRow("above an icon in a bottom panel")
            << QRect(600, 780, 20, 20) << QPoint(600, 580);
        QTest::newRow("pulled in from the right edge") << QRect(1090, 0, 10, 20) << QPoint(900, 20);
        QTest::newRow("pulled in below the panel") << QRect(50, -50, 1, 1) << QPoint(100, 20);
    }

    void popupPosition()
    {
        QFETCH(QRect, anchor);
        QTEST(::popupPosition(anchor, QSize(200, 200), QRect(100, 20, 1000, 780)), "position");
    }
};

QTEST_GUILESS_MAIN(PanesTest)
#include "tst_panes.moc"
