#include "CapturedStdout.h"

#include "app/MainScene.h"
#include "app/Preferences.h"
#include "commands/ExportCommands.h"

#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class MenusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
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

    void menusInOrderWithTheirShortcuts()
    {
        QStringList menus;
        for (const QAction *menu : m_window->menuBar()->actions()) {
            menus.append(u"|"_s + menu->text().remove(u'&'));
            for (const QAction *item : menu->menu()->actions())
                menus.append(item->isSeparator() ? u"-"_s
                                                 : QString(item->text().remove(u'&') + u' ' +
                                                           item->shortcut().toString())
                                                       .trimmed());
        }
        // Settings and Quit take the platform's standard keys, which the offscreen platform lacks.
        QCOMPARE(menus.join(u", "_s),
                 u"|File, Export…, -, Settings…, -, Quit, |View, Toggle Sidebar, |Window, "
                 "Minimize Ctrl+M, Zoom, -, Toggle Always on Top, |Commands, Build Ctrl+B, -, "
                 "Do Stuff Ctrl+D, |Help, About Pillowrock"_s);
    }

    void commandsPrintOrRequest()
    {
        QSignalSpy settings(m_scene.get(), &MainScene::settingsRequested);
        m_window->findChild<QAction *>(u"aboutAction"_s)->trigger();
        m_window->findChild<QAction *>(u"settingsAction"_s)->trigger();
        QCOMPARE(settings.count(), 1);
        QWidget *about = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == u"About Pillowrock"_s)
                about = widget;
        }
        QVERIFY(about);
        about->close();
        m_window->activateWindow();
        QTRY_VERIFY(m_window->isActiveWindow());
        const QByteArray printed = capturedStdout([this] {
            QTest::keyClick(m_window, Qt::Key_B, Qt::ControlModifier);
            QTest::keyClick(m_window, Qt::Key_D, Qt::ControlModifier);
        });
        QCOMPARE(printed, "Build!\nDo Stuff!\n"_ba);
    }

    void exportOutcome_data()
    {
        QTest::addColumn<QString>("path"); // empty: cancelled
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<bool>("reported");
        QTest::newRow("saved") << m_dir.filePath(u"saved.tsv"_s)
                               << "Name\tNumber\nEllis Marwood\t99\nTobin Harcrow\t66\n"
                                  "Gavin Oakfield\t21\nOlen Brisco\t13\n"_ba
                               << false;
        QTest::newRow("cancelled") << QString() << QByteArray() << false;
        QTest::newRow("unwritable")
            << QCoreApplication::applicationFilePath() + u"/MyDocument.tsv"_s << QByteArray()
            << true;
    }

    void exportOutcome()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, written);
        QFETCH(bool, reported);
        QSignalSpy finished(exportCommands(), &ExportCommands::exportFinished);
        QFileDialog *dialog = openExportDialog();
        QCOMPARE(QFileInfo(dialog->selectedFiles().value(0)).fileName(), u"MyDocument.tsv"_s);
        // Choosing the item again brings the same dialog forward.
        m_window->findChild<QAction *>(u"exportAction"_s)->trigger();
        QCOMPARE(m_window->findChildren<QFileDialog *>().size(), 1);

        exportCommands()->answerExportDialog(path);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), !written.isEmpty());
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), written);
        auto *message = m_window->findChild<QMessageBox *>(u"exportFailedMessage"_s);
        QCOMPARE(message && message->isVisible(), reported);
        if (message) {
            QVERIFY(message->text().contains(QDir::toNativeSeparators(path)));
            message->accept();
        }
        QTRY_VERIFY(!exportCommands()->isShowingExportDialog());
        openExportDialog()->reject(); // and the dialog comes again
    }

private:
    ExportCommands *exportCommands() const { return m_window->findChild<ExportCommands *>(); }

    QFileDialog *openExportDialog()
    {
        m_window->findChild<QAction *>(u"exportAction"_s)->trigger();
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
