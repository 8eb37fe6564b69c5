#include "IsolatedSettings.h"

#include "app/MainView.h"
#include "app/SidebarApp.h"
#include "navigation/EmptyPane.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QList<QMainWindow *> mainWindows()
{
    QList<QMainWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<QMainWindow *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static char name[] = "tst_mainwindow";
        static char *argv[] = {name, nullptr};
        static int argc = 1;
        m_app = std::make_unique<SidebarApp>(argc, argv);
    }

    void opensOneTitledWindowWithThePlaceholder()
    {
        QMainWindow *window = m_app->scene().openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(mainWindows().size(), 1);
        QCOMPARE(window->windowTitle(), u"Pillowrock"_s);
        QVERIFY(window->findChild<EmptyPane *>());
        QTRY_VERIFY(m_app->delegate().hasFinishedLaunching());
        window->close();
    }

    void noMenuItemOpensAnotherWindow()
    {
        QMainWindow *window = m_app->scene().openMainWindow();
        for (QAction *action : window->menuBar()->findChildren<QAction *>()) {
            const QString text = action->text().remove(u'&');
            QVERIFY2(!text.startsWith(u"New"_s), qPrintable(text));
        }
        window->close();
    }

    void contentNeverBelowMinimum_data()
    {
        QTest::addColumn<QSize>("requested");
        QTest::newRow("tiny") << QSize(50, 40);
        QTest::newRow("too narrow") << QSize(200, 700);
        QTest::newRow("too low") << QSize(900, 100);
    }

    void contentNeverBelowMinimum()
    {
        QFETCH(QSize, requested);
        QMainWindow *window = m_app->scene().openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->resize(requested);
        QCoreApplication::processEvents();
        const QSize content = window->findChild<MainView *>()->size();
        QVERIFY2(content.width() >= 400 && content.height() >= 300,
                 qPrintable(u"%1x%2"_s.arg(content.width()).arg(content.height())));
        window->close();
    }

    void closingTheLastWindowQuits()
    {
        QMainWindow *window = m_app->scene().openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QTimer::singleShot(0, window, &QWidget::close);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, qApp, [&] {
            timedOut = true;
            QCoreApplication::exit(2);
        });
        watchdog.start(10000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
        QCOMPARE(lastClosed.count(), 1);
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    IsolatedSettings m_settings;
    std::unique_ptr<SidebarApp> m_app;
};

int main(int argc, char *argv[])
{
    // SidebarApp owns the application object, so this test builds it itself.
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
