#include "AppTest.h"

#include "app/MainView.h"
#include "app/MainWindow.h"
#include "common/Appearance.h"
#include "navigation/Pane.h"
#include "navigation/Sidebar.h"
#include "windows/SettingsWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>

using namespace Qt::StringLiterals;

// Light and dark: what follows the appearance follows it at once, and no control disappears in
// either.
class AppearanceTest : public QObject
{
    Q_OBJECT

public:
    explicit AppearanceTest(AppParts &app)
        : m_app(app)
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
        closeAll<QWidget>();
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

    // Section headers take no input, and the disabled text of the style would not be read.
    void sectionHeadersStayReadable()
    {
        for (const QPalette &palette : {m_light, m_dark}) {
            QApplication::setPalette(palette);
            const auto *list =
                m_app.scene.openMainWindow()->findChild<QListWidget *>(u"sidebarList"_s);
            const QColor behind = list->palette().color(QPalette::Window);
            for (int row = 0; row < list->count(); ++row) {
                if (list->item(row)->flags() == Qt::NoItemFlags)
                    QVERIFY(Appearance::contrast(list->item(row)->foreground().color(), behind) >=
                            Appearance::minimumTextContrast);
            }
        }
    }

    // The guidelines' own example: #767676 is the lightest grey that reads on white.
    void contrastAsTheGuidelinesMeasureIt()
    {
        QCOMPARE(qRound(Appearance::contrast(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);
    }

    // Measured on the pixels drawn: the box is the colour that most of the label shows, the text's
    // ink the pixel that stands out most from it.
    void textsOnTintedBoxesStayReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("label");
        for (const bool dark : {false, true}) {
            for (const char *label : {"sidebarFooterTitle", "sidebarFooterHint"})
                QTest::addRow("%s %s", dark ? "dark" : "light", label)
                    << dark << QString::fromLatin1(label);
        }
    }

    void textsOnTintedBoxesStayReadable()
    {
        QFETCH(bool, dark);
        QFETCH(QString, label);
        MainWindow *window = m_app.scene.openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QLabel *text = window->findChild<QLabel *>(label);
        // Switched while shown: the colours follow the appearance, not the one they started in.
        if (dark) {
            QApplication::setPalette(m_dark);
            QTRY_COMPARE(text->palette().color(QPalette::Window), m_dark.color(QPalette::Window));
        }
        const QImage shot =
            window->grab(QRect(text->mapTo(window, QPoint()), text->size())).toImage();

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
                 qPrintable(u"%1 on %2: %3"_s
                                .arg(text->palette().color(QPalette::WindowText).name(), box.name())
                                .arg(best, 0, 'f', 2)));
    }

private:
    AppParts &m_app;
    const QPalette m_light = QApplication::palette();
    QPalette m_dark = QApplication::palette();
};

int main(int argc, char *argv[])
{
    return runWithApp<AppearanceTest>(argc, argv);
}

#include "tst_appearance.moc"
