#include "CapturedStdout.h"
#include "IsolatedSettings.h"

#include "app/SidebarApp.h"
#include "windows/AboutCommand.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsView.h"
#include "windows/AttributionsWindow.h"
#include "windows/BundleInfo.h"
#include "windows/GeneralSettingsTab.h"
#include "windows/SettingsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Opener = QWidget *(*)();

void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString labelText(const QWidget *window, const QString &name)
{
    const auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : u"<no label %1>"_s.arg(name);
}

} // namespace

class AuxiliaryWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static char name[] = "tst_auxiliarywindows";
        static char *argv[] = {name, nullptr};
        static int argc = 1;
        m_app = std::make_unique<SidebarApp>(argc, argv);
    }

    void everyRequestOpensANewWindowFreedOnClose_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("about") << Opener([]() -> QWidget * { return openAboutWindow(); });
        QTest::newRow("attributions")
            << Opener([]() -> QWidget * { return openAttributionsWindow(); });
    }

    void everyRequestOpensANewWindowFreedOnClose()
    {
        QFETCH(Opener, open);
        QPointer<QWidget> first = open();
        QPointer<QWidget> second = open();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QVERIFY(first != second && first->isVisible());
        QVERIFY(second->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(first->pos(), second->pos());
        closeAndDelete(second);
        QVERIFY(!second && first->isVisible());
        closeAndDelete(first);
        QVERIFY(!first);

        const qsizetype widgets = QApplication::allWidgets().size();
        for (int i = 0; i < 100; ++i)
            closeAndDelete(open());
        QCOMPARE(QApplication::allWidgets().size(), widgets);
    }

    void aboutWindowIsFixedAndCentred()
    {
        AboutWindow *window = openAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), u"About Pillowrock"_s);
        QCOMPARE(window->minimumSize(), QSize(500, 260));
        QCOMPARE(window->maximumSize(), QSize(500, 260));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        // The window manager's frame may shift the content by its border width.
        const QPoint offset =
            window->frameGeometry().center() - window->screen()->availableGeometry().center();
        QVERIFY(offset.manhattanLength() <= 4);
        closeAndDelete(window);
    }

    void aboutValues_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QStringList>("expected"); // name, version line, copyright, command

        QTest::newRow("dictionary missing everything")
            << BundleInfo()
            << QStringList{u"N/A"_s, u"Version N/A (N/A)"_s, u"N/A"_s, u"About N/A"_s};
        QTest::newRow("markup and placeholders shown verbatim")
            << BundleInfo(QVariantMap{{u"CFBundleName"_s, u"<b>Rock</b>"_s},
                                      {u"CFBundleShortVersionString"_s, u"%2"_s},
                                      {u"CFBundleVersion"_s, u"%1"_s},
                                      {u"NSHumanReadableCopyright"_s, u"© 2026"_s}})
            << QStringList{u"<b>Rock</b>"_s, u"Version %2 (%1)"_s, u"© 2026"_s,
                           u"About <b>Rock</b>"_s};
    }

    void aboutValues()
    {
        QFETCH(BundleInfo, bundle);
        AboutWindow window(bundle);
        QTEST(
            (QStringList{labelText(&window, u"aboutName"_s), labelText(&window, u"aboutVersion"_s),
                         labelText(&window, u"aboutCopyright"_s), AboutCommand::text(bundle)}),
            "expected");
        QCOMPARE(labelText(&window, u"aboutDeveloper"_s), u"Vestrandi's Inc."_s);
        for (const QString &name : {u"aboutName"_s, u"aboutVersion"_s, u"aboutCopyright"_s})
            QCOMPARE(window.findChild<QLabel *>(name)->textFormat(), Qt::PlainText);
    }

    void attributionsButtonOpensANewWindowPerPress()
    {
        QPointer<AboutWindow> about = openAboutWindow();
        auto *button = about->findChild<QPushButton *>(u"attributionsButton"_s);
        const qsizetype before = QApplication::topLevelWidgets().size();
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(QApplication::topLevelWidgets().size(), before + 2);
        QVERIFY(about->isVisible());
        for (QWidget *window : QApplication::topLevelWidgets())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
    }

    void attributionsStayAtTheTopLeadingCornerWhenEnlarged()
    {
        AttributionsWindow *window = openAttributionsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->minimumSize(), QSize(500, 300));
        const auto *title = window->findChild<QLabel *>(u"attributionsTitle"_s);
        const auto *text = window->findChild<QLabel *>(u"attributionsText"_s);
        const QPoint titleAtOpening = title->mapTo(window, QPoint());
        window->resize(900, 700);
        QCoreApplication::processEvents();

        QCOMPARE(title->mapTo(window, QPoint()), titleAtOpening);
        QCOMPARE(text->x(), title->x());
        QCOMPARE(text->y() - title->geometry().bottom() - 1, 20);
        // Never wider than the view: nothing to scroll sideways.
        const QScrollArea *scrollArea = window->findChild<AttributionsView *>()->scrollArea();
        QCOMPARE(scrollArea->widget()->width(), scrollArea->viewport()->width());
        closeAndDelete(window);
    }

    void oneWindowRaisedWhenAskedAgain()
    {
        QPointer<SettingsWindow> window = m_app->openSettingsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        emit m_app->scene().settingsRequested();
        QCOMPARE(m_app->openSettingsWindow(), window.data());
        closeAndDelete(window);
        QVERIFY(!window);
        QVERIFY(m_app->openSettingsWindow()->isVisible());
        closeAndDelete(m_app->openSettingsWindow());
    }

    void everyKeystrokeIsStored()
    {
        m_app->preferences().setName(u"x"_s);
        QPointer<SettingsWindow> window = m_app->openSettingsWindow();
        QStringList stored;
        QObject listening;
        connect(&m_app->preferences(), &Preferences::changed, &listening,
                [&] { stored.append(m_app->preferences().name()); });
        QLineEdit *field = window->generalTab()->nameField();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, u"Zo"_s);
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, u"ë"_s, Qt::NoModifier);
        QCOMPARE(stored, (QStringList{QString(""_L1), u"Z"_s, u"Zo"_s, u"Zoë"_s}));

        // Closed without Return or Apply: stored all the same, and shown again next time.
        closeAndDelete(window);
        QCOMPARE(Preferences().name(), u"Zoë"_s);
        QCOMPARE(m_app->openSettingsWindow()->generalTab()->nameField()->text(), u"Zoë"_s);
        closeAndDelete(m_app->openSettingsWindow());
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
        QLineEdit *field = window->generalTab()->nameField();
        auto *apply = window->findChild<QPushButton *>(u"applyButton"_s);
        QSignalSpy changes(&m_app->preferences(), &Preferences::changed);

        const QByteArray printed = capturedStdout([&] {
            for (int i = 0; i < returns; ++i)
                QTest::keyClick(field, Qt::Key_Return);
            for (int i = 0; i < applies; ++i)
                QTest::mouseClick(apply, Qt::LeftButton);
        });
        QTEST(printed, "printed");
        QCOMPARE(changes.count(), 0);
        QVERIFY(window && window->isVisible());
        closeAndDelete(window);
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    IsolatedSettings m_settings;
    std::unique_ptr<SidebarApp> m_app;
};

int main(int argc, char *argv[])
{
    // SidebarApp owns the application object, so this test builds it itself.
    AuxiliaryWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_auxiliarywindows.moc"
