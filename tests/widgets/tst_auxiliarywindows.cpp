#include "windows/AboutCommand.h"
#include "windows/AboutView.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsView.h"
#include "windows/AttributionsWindow.h"
#include "windows/BundleInfo.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Opener = QWidget *(*)();

QWidget *openAbout()
{
    return openAboutWindow();
}

QWidget *openAttributions()
{
    return openAttributionsWindow();
}

void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template<typename Window>
QList<Window *> visibleWindows()
{
    QList<Window *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget); window && window->isVisible())
            windows.append(window);
    }
    return windows;
}

QString labelText(QWidget *window, const QString &name)
{
    auto *label = window->findChild<QLabel *>(name);
    return label ? label->text() : u"<no label %1>"_s.arg(name);
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class AuxiliaryWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyRequestOpensANewWindowFreedOnClose_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::newRow("about") << Opener(&openAbout);
        QTest::newRow("attributions") << Opener(&openAttributions);
    }

    void everyRequestOpensANewWindowFreedOnClose()
    {
        QFETCH(Opener, open);
        QPointer<QWidget> first = open();
        QPointer<QWidget> second = open();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QVERIFY(first != second);
        QVERIFY(first->isVisible());
        QVERIFY(second->isVisible());
        QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(first->pos(), second->pos());

        closeAndDelete(second);
        QVERIFY(!second);
        QVERIFY(first && first->isVisible());
        closeAndDelete(first);
        QVERIFY(!first);
    }

    void hundredOpensAndClosesLeaveNothingBehind()
    {
        const qsizetype before = QApplication::allWidgets().size();
        for (int i = 0; i < 100; ++i) {
            closeAndDelete(openAboutWindow());
            closeAndDelete(openAttributionsWindow());
        }
        QCOMPARE(QApplication::allWidgets().size(), before);
    }

    void aboutWindowIsFixedAndCentred()
    {
        AboutWindow *window = openAboutWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), u"About Pillowrock"_s);
        QCOMPARE(window->size(), QSize(500, 260));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        // The window manager's frame may shift the content by its border width.
        const QPoint offset = window->frameGeometry().center() - screenCentre;
        QVERIFY2(offset.manhattanLength() <= 4,
                 qPrintable(u"%1,%2"_s.arg(offset.x()).arg(offset.y())));
        closeAndDelete(window);
    }

    void aboutValues_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("copyright");

        QTest::newRow("dictionary missing everything")
            << BundleInfo() << u"N/A"_s << u"Version N/A (N/A)"_s << u"N/A"_s;
        QTest::newRow("complete dictionary")
            << BundleInfo(QVariantMap{{u"CFBundleDisplayName"_s, u"Pillowrock"_s},
                                      {u"CFBundleShortVersionString"_s, u"1.2"_s},
                                      {u"CFBundleVersion"_s, u"7"_s},
                                      {u"NSHumanReadableCopyright"_s, u"© 2026"_s}})
            << u"Pillowrock"_s << u"Version 1.2 (7)"_s << u"© 2026"_s;
        QTest::newRow("placeholders and markup shown verbatim")
            << BundleInfo(QVariantMap{{u"CFBundleName"_s, u"<b>Rock</b>"_s},
                                      {u"CFBundleShortVersionString"_s, u"%2"_s},
                                      {u"CFBundleVersion"_s, u"%1"_s}})
            << u"<b>Rock</b>"_s << u"Version %2 (%1)"_s << u"N/A"_s;
    }

    void aboutValues()
    {
        QFETCH(BundleInfo, bundle);
        AboutWindow window(bundle);
        QTEST(labelText(&window, u"aboutName"_s), "name");
        QTEST(labelText(&window, u"aboutVersion"_s), "version");
        QTEST(labelText(&window, u"aboutCopyright"_s), "copyright");
        QCOMPARE(labelText(&window, u"aboutDevelopedBy"_s), u"Developed by"_s);
        QCOMPARE(labelText(&window, u"aboutDeveloper"_s), u"Vestrandi's Inc."_s);
        for (auto *label : window.findChildren<QLabel *>())
            QVERIFY(label->textFormat() != Qt::RichText);
        QCOMPARE(window.findChild<QLabel *>(u"aboutName"_s)->textFormat(), Qt::PlainText);
    }

    void aboutCommandText_data()
    {
        QTest::addColumn<BundleInfo>("bundle");
        QTest::addColumn<QString>("text");
        QTest::newRow("display name")
            << BundleInfo(QVariantMap{{u"CFBundleDisplayName"_s, u"Pillowrock"_s}})
            << u"About Pillowrock"_s;
        QTest::newRow("no name") << BundleInfo() << u"About N/A"_s;
    }

    void aboutCommandText()
    {
        QFETCH(BundleInfo, bundle);
        QTEST(AboutCommand::text(bundle), "text");
    }

    void aboutCommandOpensANewWindowEachTime()
    {
        QObject owner;
        QAction *action = AboutCommand::createAction(&owner);
        QCOMPARE(action->text(), u"About Pillowrock"_s);
        QCOMPARE(action->menuRole(), QAction::AboutRole);
        action->trigger();
        action->trigger();
        const QList<AboutWindow *> windows = visibleWindows<AboutWindow>();
        QCOMPARE(windows.size(), 2);
        for (AboutWindow *window : windows)
            closeAndDelete(window);
    }

    void attributionsButtonOpensANewWindowPerPress()
    {
        AboutWindow *about = openAboutWindow();
        auto *button = about->findChild<QPushButton *>(u"attributionsButton"_s);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        const QList<AttributionsWindow *> attributions = visibleWindows<AttributionsWindow>();
        QCOMPARE(attributions.size(), 2);
        QVERIFY(about->isVisible());
        for (AttributionsWindow *window : attributions)
            closeAndDelete(window);
        closeAndDelete(about);
    }

    void attributionsStayAtTheTopLeadingCorner_data()
    {
        QTest::addColumn<QSize>("requested");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("opened") << QSize() << QSize(500, 300);
        QTest::newRow("enlarged") << QSize(900, 700) << QSize(900, 700);
        QTest::newRow("below the minimum") << QSize(200, 100) << QSize(500, 300);
    }

    void attributionsStayAtTheTopLeadingCorner()
    {
        QFETCH(QSize, requested);
        AttributionsWindow *window = openAttributionsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const auto *title = window->findChild<QLabel *>(u"attributionsTitle"_s);
        const QPoint titleAtOpening = title->mapTo(window, QPoint());
        if (requested.isValid())
            window->resize(requested);
        QCoreApplication::processEvents();

        QTEST(window->size(), "expected");
        QCOMPARE(title->mapTo(window, QPoint()), titleAtOpening);
        const auto *text = window->findChild<QLabel *>(u"attributionsText"_s);
        QCOMPARE(text->x(), title->x());
        QCOMPARE(text->y() - title->geometry().bottom() - 1, 20);
        const QScrollArea *scrollArea = window->findChild<AttributionsView *>()->scrollArea();
        QVERIFY(!scrollArea->horizontalScrollBar()->isVisible());
        QCOMPARE(scrollArea->widget()->width(), scrollArea->viewport()->width());
        closeAndDelete(window);
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "tst_auxiliarywindows.moc"
