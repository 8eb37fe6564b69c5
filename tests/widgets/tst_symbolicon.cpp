#include "app/SymbolIcon.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The most common opaque colour of an icon rendered at 48 px.
QColor inkOf(const QIcon &icon)
{
    const QImage image = icon.pixmap(48, 48).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.alpha() == 255)
                ++counts[colour.rgb()];
        }
    }
    QRgb best = 0;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return bestCount ? QColor::fromRgb(best) : QColor();
}

} // namespace

class SymbolIconTest : public QObject
{
    Q_OBJECT

private slots:
    void everySymbolDraws_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"sidebar.left", "text.bubble", "questionmark.app.dashed", "ellipsis.circle",
              "square.and.arrow.up", "trash", "hammer", "hammer.circle.fill", "gearshape.fill"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void everySymbolDraws()
    {
        QFETCH(QString, name);
        const QIcon icon = symbolIcon(name);
        QVERIFY(!icon.isNull());
        QVERIFY(inkOf(icon).isValid());
    }

    void unknownSymbolIsNull() { QVERIFY(symbolIcon(u"no.such.symbol"_s).isNull()); }

    void outlineFollowsThePaletteFixedColoursDoNot()
    {
        const QIcon trash = symbolIcon(u"trash"_s);
        const QIcon tray = symbolIcon(u"hammer.circle.fill"_s);
        const QColor trayInk = inkOf(tray);

        QPalette light;
        light.setColor(QPalette::WindowText, QColor(0x10, 0x10, 0x10));
        QApplication::setPalette(light);
        QCOMPARE(inkOf(trash), QColor(0x10, 0x10, 0x10));

        QPalette dark;
        dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
        QApplication::setPalette(dark);
        QCOMPARE(inkOf(trash), QColor(0xf0, 0xf0, 0xf0));
        QCOMPARE(inkOf(tray), trayInk);
    }
};

QTEST_MAIN(SymbolIconTest)
#include "tst_symbolicon.moc"
