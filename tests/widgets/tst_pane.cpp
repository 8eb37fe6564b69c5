#include "navigation/EmptyPane.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    return palette;
}

QPalette lightPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0xef, 0xef, 0xef));
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

} // namespace

class PaneTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(lightPalette()); }

    void textIsCentredAtEverySize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small") << QSize(300, 200);
        QTest::newRow("wide") << QSize(1400, 300);
        QTest::newRow("tall") << QSize(320, 1000);
    }

    void textIsCentredAtEverySize()
    {
        QFETCH(QSize, size);
        EmptyPane pane;
        pane.resize(size);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));

        auto *label = pane.findChild<QLabel *>(u"emptyPaneText"_s);
        QVERIFY(label);
        QCOMPARE(label->text(), u"No entry selected"_s);
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY(qAbs(label->geometry().center().x() - pane.rect().center().x()) <= 1);
        QVERIFY(qAbs(label->geometry().center().y() - pane.rect().center().y()) <= 1);
    }

    void backgroundFollowsTheAppearanceWhileShown()
    {
        QApplication::setPalette(lightPalette());
        EmptyPane pane;
        pane.resize(400, 300);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCOMPARE(cornerColour(pane), QColor(Qt::white));

        // Switching the appearance reaches the open pane without any action of the user.
        QApplication::setPalette(darkPalette());
        QTRY_COMPARE(cornerColour(pane), darkPalette().color(QPalette::Window));

        QApplication::setPalette(lightPalette());
        QTRY_COMPARE(cornerColour(pane), QColor(Qt::white));
    }

private:
    static QColor cornerColour(QWidget &pane)
    {
        // grab() paints the window background first, so a transparent fill shows it.
        return pane.grab().toImage().pixelColor(2, 2);
    }
};

QTEST_MAIN(PaneTest)
#include "tst_pane.moc"
