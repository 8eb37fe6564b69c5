#include "AppTest.h"

#include "common/Appearance.h"
#include "common/SymbolIcon.h"
#include "navigation/Pane.h"
#include "windows/SettingsWindow.h"

#include <QDir>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// Light and dark: what follows the appearance follows it at once, and no control disappears in
// either.
class AppearanceTest : public QObject
{
    Q_OBJECT

public:
    AppearanceTest()
    {
        m_dark.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
        m_dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        m_dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
        m_dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    }

private slots:
    void cleanup()
    {
        QApplication::setPalette(m_light);
        closeAllWindows();
    }

    void paneBackgroundFollowsTheAppearanceWhileShown()
    {
        MainWindow *window = m_app.scene.openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // grab() paints the window background first, so a transparent fill would show it.
        const auto corner = [window] {
            return window->view()->detail()->grab().toImage().pixelColor(2, 2);
        };
        QCOMPARE(corner(), QColor(Qt::white));
        QApplication::setPalette(m_dark);
        QTRY_COMPARE(corner(), m_dark.color(QPalette::Window));
        QApplication::setPalette(m_light);
        QTRY_COMPARE(corner(), QColor(Qt::white));
    }

    // The field's frame is drawn from the window colour, so the window around it must not be
    // the field's own colour.
    void settingsFieldStandsOutInTheDark()
    {
        QApplication::setPalette(m_dark);
        SettingsWindow *window = m_app.scene.openSettingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *field = window->findChild<QLineEdit *>(u"nameField"_s);
        const QImage shot = window->grab().toImage();
        const QPoint edge = field->mapTo(window, QPoint(0, field->height() / 2));
        const int frame = qGray(shot.pixel(edge)), around = qGray(shot.pixel(edge - QPoint(4, 0)));
        QVERIFY2(qAbs(frame - around) >= 10, qPrintable(u"%1 against %2"_s.arg(frame).arg(around)));
    }

    // The guidelines' own example: #767676 is the lightest grey that reads on white.
    void contrastAsTheGuidelinesMeasureIt()
    {
        QCOMPARE(qRound(Appearance::contrast(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    }

    // Measured on the pixels drawn: the box is the colour that most of the text's rectangle shows,
    // the text's ink the pixel that stands out most from it. The sidebar's section headers take no
    // input, and the style's disabled text would not be read there.
    void textsOnTintedBoxesStayReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("name"); // a label's, or the list's whose first row is a header
        for (const bool dark : {false, true}) {
            for (const char *name : {"sidebarFooterTitle", "sidebarFooterHint", "sidebarList"})
                QTest::addRow("%s %s", dark ? "dark" : "light", name)
                    << dark << QString::fromLatin1(name);
        }
    }

    void textsOnTintedBoxesStayReadable()
    {
        QFETCH(bool, dark);
        QFETCH(QString, name);
        MainWindow *window = m_app.scene.openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QWidget *text = window->findChild<QWidget *>(name);
        // Switched while shown: the colours follow the appearance, not the one they started in.
        if (dark) {
            QApplication::setPalette(m_dark);
            QTRY_COMPARE(text->palette().color(QPalette::Window), m_dark.color(QPalette::Window));
        }
        QRect area = text->rect();
        if (auto *list = qobject_cast<QListWidget *>(text)) {
            if (list->count() == 0)
                QSKIP("No pane, so no section header");
            QVERIFY(list->item(0)->flags() == Qt::NoItemFlags);
            area = list->visualItemRect(list->item(0));
            text = list->viewport();
        }
        const QImage shot = window->grab(area.translated(text->mapTo(window, QPoint()))).toImage();
        QHash<QRgb, int> counts;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                ++counts[shot.pixel(x, y)];
        }
        const QColor box =
            std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                return a.second < b.second;
            })->first;
        qreal best = 1;
        for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
            best = std::max(best, Appearance::contrast(QColor(*it), box));
        QVERIFY2(best >= Appearance::minimumTextContrast,
                 qPrintable(u"%1 on %2"_s.arg(best, 0, 'f', 2).arg(box.name())));
    }

    // Every symbol, whether the build draws it from its SVG or from pictures made of it: sharp at
    // each scale a Windows user may choose, and drawn in the appearance's text colour unless it has
    // colours of its own.
    void symbolsSharpInEitherAppearance_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<qreal>("scale");
        const QStringList symbols = QDir(u":/icons"_s).entryList();
        QVERIFY(symbols.contains(u"sidebar.left"_s) || symbols.contains(u"sidebar.left.svg"_s));
        for (const QString &entry : symbols) {
            for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
                const QString symbol = QString(entry).remove(u".svg"_s);
                QTest::addRow("%s at %g", qPrintable(symbol), scale) << symbol << scale;
            }
        }
    }

    void symbolsSharpInEitherAppearance()
    {
        QFETCH(QString, symbol);
        QFETCH(qreal, scale);
        const QIcon icon = symbolIcon(symbol);
        const auto drawn = [&icon](int side, qreal scale) {
            return icon.pixmap(QSize(side, side), scale)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QImage light = drawn(24, scale);
        QCOMPARE(light.size(), QSize(24, 24) * scale);
        QCOMPARE(light.devicePixelRatio(), scale);
        // As sharp as the symbol drawn twice as large and made smaller: one enlarged from a
        // smaller picture loses its edges.
        const QImage reference =
            drawn(48, scale).scaled(light.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(edges(light) >= 0.85 * edges(reference),
                 qPrintable(u"%1 against %2"_s.arg(edges(light)).arg(edges(reference))));

        QApplication::setPalette(m_dark);
        const QImage dark = drawn(24, scale);
        if (dark != light) {
            QCOMPARE(extreme(light, true), m_light.color(QPalette::WindowText).rgb());
            QCOMPARE(extreme(dark, false), m_dark.color(QPalette::WindowText).rgb());
        }
    }

private:
    // How much the opacity changes from one pixel to the next, summed over the picture.
    static qreal edges(const QImage &image)
    {
        qreal sum = 0;
        for (int y = 1; y < image.height(); ++y) {
            for (int x = 1; x < image.width(); ++x) {
                const int here = qAlpha(image.pixel(x, y));
                sum += qAbs(here - qAlpha(image.pixel(x - 1, y))) +
                       qAbs(here - qAlpha(image.pixel(x, y - 1)));
            }
        }
        return sum;
    }

    // The darkest, or lightest, colour of the fully opaque pixels.
    static QRgb extreme(const QImage &image, bool dark)
    {
        QRgb found = dark ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 255 && (qGray(pixel) < qGray(found)) == dark)
                    found = pixel | 0xff000000;
            }
        }
        return found;
    }

    AppParts m_app;
    const QPalette m_light = QApplication::palette();
    QPalette m_dark = QApplication::palette();
};

APP_TEST_MAIN(AppearanceTest)

#include "tst_appearance.moc"
