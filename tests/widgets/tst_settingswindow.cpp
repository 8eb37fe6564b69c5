#include "CapturedStdout.h"
#include "IsolatedSettings.h"

#include "app/SidebarApp.h"
#include "windows/AboutWindow.h"
#include "windows/GeneralSettingsTab.h"
#include "windows/SettingsWindow.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int visibleAboutWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.cbegin(), windows.cend(), [](QWidget *window) {
        return qobject_cast<AboutWindow *>(window) && window->isVisible();
    }));
}

} // namespace

class SettingsWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static char name[] = "tst_settingswindow";
        static char *argv[] = {name, nullptr};
        static int argc = 1;
        m_app = std::make_unique<SidebarApp>(argc, argv);
    }

    void init() { m_app->preferences().setName(QString()); }

    void oneWindowRaisedWhenAskedAgain()
    {
        QPointer<SettingsWindow> window = m_app->openSettingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(m_app->openSettingsWindow(), window.data());

        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        window = m_app->openSettingsWindow();
        QVERIFY(window && window->isVisible());
        window->close();
    }

    void oneTabWithItsContentSize()
    {
        SettingsWindow *window = m_app->openSettingsWindow();
        QTabWidget *tabs = window->tabs();
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(tabs->tabText(0), u"Vestrandi Settings"_s);
        QVERIFY(!tabs->tabIcon(0).isNull());
        QCOMPARE(tabs->currentWidget(), window->generalTab());
        QCOMPARE(window->generalTab()->size(), QSize(375, 150));
        window->close();
    }

    void everyKeystrokeIsStored()
    {
        QPointer<SettingsWindow> window = m_app->openSettingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QStringList stored;
        QObject listening;
        connect(&m_app->preferences(), &Preferences::changed, &listening, [&](const QString &key) {
            if (key == Preferences::nameKey)
                stored.append(m_app->preferences().name());
        });
        QLineEdit *field = window->generalTab()->nameField();
        QTest::keyClicks(field, u"Zo"_s);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, u"ë"_s, Qt::NoModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(stored, (QStringList{u"Z"_s, u"Zo"_s, u"Zoë"_s, u"Zo"_s}));

        // Closed without Return or Apply: the text is stored all the same.
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        Preferences reopened;
        QCOMPARE(reopened.name(), u"Zo"_s);
        QCOMPARE(m_app->openSettingsWindow()->generalTab()->nameField()->text(), u"Zo"_s);
        m_app->openSettingsWindow()->close();
    }

    void emptyingTheFieldStoresTheEmptyText()
    {
        m_app->preferences().setName(u"Vestrandi"_s);
        SettingsWindow *window = m_app->openSettingsWindow();
        QLineEdit *field = window->generalTab()->nameField();
        QCOMPARE(field->text(), u"Vestrandi"_s);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QCOMPARE(Preferences().value(Preferences::nameKey), QVariant(QString()));
        window->close();
    }

    void returnAndApplyOnlyReport_data()
    {
        QTest::addColumn<int>("returns");
        QTest::addColumn<int>("applies");
        QTest::addColumn<QByteArray>("printed");
        QTest::newRow("return") << 1 << 0 << "On commit!\n"_ba;
        QTest::newRow("apply") << 0 << 1 << "Apply!\n"_ba;
        QTest::newRow("each twice") << 2 << 2 << "On commit!\nOn commit!\nApply!\nApply!\n"_ba;
    }

    void returnAndApplyOnlyReport()
    {
        QFETCH(int, returns);
        QFETCH(int, applies);
        m_app->preferences().setName(u"kept"_s);
        QPointer<SettingsWindow> window = m_app->openSettingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QLineEdit *field = window->generalTab()->nameField();
        auto *apply = window->findChild<QPushButton *>(u"applyButton"_s);
        QVERIFY(apply);
        int changes = 0;
        QObject listening;
        connect(&m_app->preferences(), &Preferences::changed, &listening, [&] { ++changes; });

        const QByteArray printed = capturedStdout([&] {
            for (int i = 0; i < returns; ++i)
                QTest::keyClick(field, Qt::Key_Return);
            for (int i = 0; i < applies; ++i)
                QTest::mouseClick(apply, Qt::LeftButton);
        });
        QTEST(printed, "printed");
        QCOMPARE(changes, 0);
        QCOMPARE(m_app->preferences().name(), u"kept"_s);
        QVERIFY(window && window->isVisible());
        window->close();
    }

    void menuRequestsOpenTheirWindows()
    {
        emit m_app->scene().settingsRequested();
        QPointer<SettingsWindow> settings = m_app->openSettingsWindow();
        emit m_app->scene().settingsRequested();
        QCOMPARE(m_app->openSettingsWindow(), settings.data());
        QVERIFY(settings->isVisible());
        settings->close();

        emit m_app->scene().aboutRequested();
        emit m_app->scene().aboutRequested();
        QCOMPARE(visibleAboutWindows(), 2);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<AboutWindow *>(widget))
                widget->close();
        }
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    IsolatedSettings m_settings;
    std::unique_ptr<SidebarApp> m_app;
};

int main(int argc, char *argv[])
{
    // SidebarApp owns the application object, so this test builds it itself.
    SettingsWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingswindow.moc"
