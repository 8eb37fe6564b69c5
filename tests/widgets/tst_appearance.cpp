#include "AppTest.h"

#include "app/MainView.h"
#include "app/MainWindow.h"
#include "navigation/Pane.h"
#include "windows/GeneralSettingsTab.h"
#include "windows/SettingsWindow.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

// Light and dark: what follows the appearance follows it at once, and no control disappears in
// either.
class AppearanceTest : public QObject
{
    Q_OBJECT

public:
    explicit AppearanceTest(SidebarApp &app)
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
        MainWindow *window = m_app.scene().openMainWindow();
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
        SettingsWindow *window = m_app.scene().openSettingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QLineEdit *field = window->generalTab()->nameField();
        const QImage shot = window->grab().toImage();
        const QPoint edge = field->mapTo(window, QPoint(0, field->height() / 2));
        const int frame = qGray(shot.pixel(edge)), around = qGray(shot.pixel(edge - QPoint(4, 0)));
        QVERIFY2(qAbs(frame - around) >= 10, qPrintable(u"%1 against %2"_s.arg(frame).arg(around)));
    }

private:
    SidebarApp &m_app;
    const QPalette m_light = QApplication::palette();
    QPalette m_dark = QApplication::palette();
};

int main(int argc, char *argv[])
{
    return runWithApp<AppearanceTest>(argc, argv);
}

#include "tst_appearance.moc"
