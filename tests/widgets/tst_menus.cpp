#include "app/MainScene.h"
#include "app/Preferences.h"
#include "commands/ExportCommands.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Catches what the application prints on standard output while it lives. QtTest writes its own
// messages to the same stream; those are passed on, so a failure inside the capture still shows.
class StandardOutput final
{
public:
    StandardOutput()
    {
        std::fflush(stdout);
        m_file.open();
        m_saved = dup(STDOUT_FILENO);
        dup2(m_file.handle(), STDOUT_FILENO);
    }
    ~StandardOutput() { text(); }

    // The application's lines.
    QByteArray text()
    {
        if (m_saved < 0)
            return m_text;
        std::fflush(stdout);
        dup2(m_saved, STDOUT_FILENO);
        close(m_saved);
        m_saved = -1;

        m_file.seek(0);
        QByteArray testMessages;
        while (!m_file.atEnd()) {
            const QByteArray line = m_file.readLine();
            const bool fromQtTest = line.startsWith("QWARN") || line.startsWith("QDEBUG") ||
                                    line.startsWith("QINFO") || line.startsWith("FAIL!") ||
                                    line.startsWith("   ");
            (fromQtTest ? testMessages : m_text) += line;
        }
        std::fwrite(testMessages.constData(), 1, std::size_t(testMessages.size()), stdout);
        std::fflush(stdout);
        return m_text;
    }

private:
    QTemporaryFile m_file;
    int m_saved = -1;
    QByteArray m_text;
};

QStringList itemsOf(const QMenu *menu)
{
    QStringList items;
    for (const QAction *action : menu->actions())
        items.append(action->isSeparator() ? u"--"_s : action->text().remove(u'&'));
    return items;
}

QAction *action(QMainWindow *window, const QString &name)
{
    return window->findChild<QAction *>(name);
}

} // namespace

class MenusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QGuiApplication::setApplicationDisplayName(u"Pillowrock"_s);
        m_preferences = std::make_unique<Preferences>(m_dir.filePath(u"prefs.ini"_s));
        m_scene = std::make_unique<MainScene>(*m_preferences);
    }

    void init()
    {
        m_window = m_scene->openMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup() { delete m_window; }

    void menusInOrder()
    {
        QStringList titles;
        for (const QAction *menu : m_window->menuBar()->actions())
            titles.append(menu->text().remove(u'&'));
        QCOMPARE(titles,
                 (QStringList{u"File"_s, u"View"_s, u"Window"_s, u"Commands"_s, u"Help"_s}));

        auto menu = [this](const QString &name) { return m_window->findChild<QMenu *>(name); };
        QCOMPARE(itemsOf(menu(u"fileMenu"_s)),
                 (QStringList{u"Export…"_s, u"--"_s, u"Settings…"_s, u"--"_s, u"Quit"_s}));
        QCOMPARE(itemsOf(menu(u"viewMenu"_s)), QStringList{u"Toggle Sidebar"_s});
        QCOMPARE(itemsOf(menu(u"windowMenu"_s)).constLast(), u"Toggle Always on Top"_s);
        QCOMPARE(itemsOf(menu(u"commandsMenu"_s)),
                 (QStringList{u"Build"_s, u"--"_s, u"Do Stuff"_s}));
        QCOMPARE(itemsOf(menu(u"helpMenu"_s)), QStringList{u"About Pillowrock"_s});
        QCOMPARE(action(m_window, u"exportAction"_s)->text().back(), QChar(0x2026));
    }

    void shortcutsAndRoles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QAction::MenuRole>("role");
        QTest::newRow("Build") << u"buildAction"_s << QKeySequence(Qt::CTRL | Qt::Key_B)
                               << QAction::TextHeuristicRole;
        QTest::newRow("Do Stuff") << u"doStuffAction"_s << QKeySequence(Qt::CTRL | Qt::Key_D)
                                  << QAction::TextHeuristicRole;
        QTest::newRow("Export") << u"exportAction"_s << QKeySequence()
                                << QAction::TextHeuristicRole;
        QTest::newRow("Toggle Always on Top")
            << u"alwaysOnTopAction"_s << QKeySequence() << QAction::TextHeuristicRole;
        QTest::newRow("About") << u"aboutAction"_s << QKeySequence() << QAction::AboutRole;
        QTest::newRow("Settings") << u"settingsAction"_s << QKeySequence(QKeySequence::Preferences)
                                  << QAction::PreferencesRole;
        QTest::newRow("Quit") << u"quitAction"_s << QKeySequence(QKeySequence::Quit)
                              << QAction::QuitRole;
    }

    void shortcutsAndRoles()
    {
        QFETCH(QString, name);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QAction::MenuRole, role);
        QAction *item = action(m_window, name);
        QVERIFY(item);
        QCOMPARE(item->shortcut(), shortcut);
        QCOMPARE(item->menuRole(), role);
    }

    void commandsPrintOneLine_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("Build") << int(Qt::Key_B) << u"buildAction"_s << "Build!\n"_ba;
        QTest::newRow("Do Stuff") << int(Qt::Key_D) << u"doStuffAction"_s << "Do Stuff!\n"_ba;
    }

    void commandsPrintOneLine()
    {
#ifndef Q_OS_UNIX
        QSKIP("Standard output is caught with POSIX calls.");
#endif
        QFETCH(int, key);
        QFETCH(QString, name);
        QFETCH(QByteArray, line);
        m_window->activateWindow();
        QTRY_VERIFY(m_window->isActiveWindow());

        StandardOutput output;
        QTest::keyClick(m_window, Qt::Key(key), Qt::ControlModifier);
        action(m_window, name)->trigger();
        QCOMPARE(output.text(), line + line);
    }

    void aboutAndSettingsAreRequested()
    {
        QSignalSpy about(m_scene.get(), &MainScene::aboutRequested);
        QSignalSpy settings(m_scene.get(), &MainScene::settingsRequested);
        action(m_window, u"aboutAction"_s)->trigger();
        action(m_window, u"settingsAction"_s)->trigger();
        QCOMPARE(about.count(), 1);
        QCOMPARE(settings.count(), 1);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(
                     windows.begin(), windows.end(),
                     [](QWidget *w) { return w->isVisible() && qobject_cast<QMainWindow *>(w); }),
                 1);
    }

    void exportProposesTheDocument()
    {
        QFileDialog *dialog = openExportDialog();
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), u"MyDocument.tsv"_s);
        QVERIFY(dialog->nameFilters().join(u' ').contains(u"*.tsv"_s));

        // A second choice brings the same dialog forward instead of opening another.
        action(m_window, u"exportAction"_s)->trigger();
        QCOMPARE(exportCommands()->exportDialog(), dialog);
        QCOMPARE(m_window->findChildren<QFileDialog *>().size(), 1);
        dialog->reject();
    }

    void exportOutcome_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("saved") << true
                               << "Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\n"
                                  "Gavin Oakfield\t21\nOlen Brisco\t13\n"_ba;
        QTest::newRow("cancelled") << false << QByteArray();
    }

    void exportOutcome()
    {
        QFETCH(bool, accept);
        QFETCH(QByteArray, written);
        const QString path =
            m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".tsv"_s);

        StandardOutput output;
        QSignalSpy finished(exportCommands(), &ExportCommands::exportFinished);
        QVERIFY(openExportDialog());
        exportCommands()->answerExportDialog(accept ? path : QString());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), accept);
        QTRY_VERIFY(!exportCommands()->isShowingExportDialog());

        QFile file(path);
        QCOMPARE(file.exists(), accept);
        if (accept) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), written);
        }
        QVERIFY(!m_window->findChild<QMessageBox *>());
        QCOMPARE(output.text(), QByteArray());

        // And the dialog comes again.
        openExportDialog()->reject();
    }

    void failedExportIsShownAndWritesNothing()
    {
        QTemporaryFile notAFolder(m_dir.filePath(u"plain-XXXXXX"_s));
        QVERIFY(notAFolder.open());
        const QString path = notAFolder.fileName() + u"/MyDocument.tsv"_s;

        QSignalSpy finished(exportCommands(), &ExportCommands::exportFinished);
        QVERIFY(openExportDialog());
        exportCommands()->answerExportDialog(path);

        auto *message = m_window->findChild<QMessageBox *>(u"exportFailedMessage"_s);
        QVERIFY(message);
        QVERIFY(message->isVisible());
        QVERIFY(message->text().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!message->informativeText().isEmpty());
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(notAFolder.size(), 0);
        message->accept();
    }

private:
    ExportCommands *exportCommands() const
    {
        return m_window->findChild<ExportCommands *>();
    }

    QFileDialog *openExportDialog()
    {
        action(m_window, u"exportAction"_s)->trigger();
        QFileDialog *dialog = exportCommands()->exportDialog();
        return dialog && QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Preferences> m_preferences;
    std::unique_ptr<MainScene> m_scene;
    QPointer<QMainWindow> m_window;
};

QTEST_MAIN(MenusTest)

#include "tst_menus.moc"
