#include "AppTest.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

using namespace Qt::StringLiterals;
using Make = QWidget *(*)();

// The Edit menu acts on the text widget that has the keyboard, whichever of Qt's it is.
class EditCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { closeAllWindows(); }

    // Typed in (the read-only ones hold the text) and all selected, the items that apply are
    // enabled and act on that widget; read-only is seen when the menu opens, having no signal. A
    // password field's text never reaches the clipboard.
    void itemsFollowTheFocusedEditor_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("enabled");
        const QString all = u"undo cut copy paste delete selectAll"_s;
        QTest::newRow("line edit") << Make([]() -> QWidget * { return new QLineEdit; }) << all;
        QTest::newRow("password") << Make([]() -> QWidget * {
            auto *field = new QLineEdit;
            field->setEchoMode(QLineEdit::Password);
            return field;
        }) << u"undo paste delete selectAll"_s;
        QTest::newRow("plain text")
            << Make([]() -> QWidget * { return new QPlainTextEdit; }) << all;
        QTest::newRow("rich text") << Make([]() -> QWidget * { return new QTextEdit; }) << all;
        QTest::newRow("read-only plain text")
            << Make([]() -> QWidget * { return new QPlainTextEdit(u"secret"_s); })
            << u"copy selectAll"_s;
    }

    void itemsFollowTheFocusedEditor()
    {
        QFETCH(Make, make);
        QFETCH(QString, enabled);
        MainWindow *window = openActiveMainWindow(m_app);
        QVERIFY(window);
        QWidget *editor = make();
        editor->setParent(window->view()->detail());
        editor->setProperty("readOnly", !enabled.contains(u"paste"_s));
        editor->show();
        editor->setFocus();
        QTest::keyClicks(editor, u"secret"_s);
        item(u"selectAll"_s)->trigger();
        QCOMPARE(enabledItems(), enabled);

        QGuiApplication::clipboard()->clear();
        item(u"copy"_s)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 enabled.contains(u"copy"_s) ? u"secret"_s : QString());
        if (enabled.contains(u"cut"_s)) { // a password field's undo only clears it
            item(u"delete"_s)->trigger();
            QVERIFY(!item(u"copy"_s)->isEnabled() && !item(u"selectAll"_s)->isEnabled());
            item(u"undo"_s)->trigger();
            QVERIFY(item(u"redo"_s)->isEnabled());
        }
        editor->setProperty("readOnly", true);
        item(u"selectAll"_s)->trigger();
        emit window->findChild<QMenu *>(u"editMenu"_s)->aboutToShow();
        QCOMPARE(enabledItems(),
                 enabled.contains(u"copy"_s) ? u"copy selectAll"_s : u"selectAll"_s);
    }

private:
    static QAction *item(const QString &name)
    {
        return QApplication::activeWindow()->findChild<QAction *>(name + u"Action"_s);
    }

    static QString enabledItems()
    {
        QStringList names;
        for (const char *name : {"undo", "redo", "cut", "copy", "paste", "delete", "selectAll"}) {
            if (item(QString::fromLatin1(name))->isEnabled())
                names.append(QString::fromLatin1(name));
        }
        return names.join(u' ');
    }

    AppParts m_app;
};

APP_TEST_MAIN(EditCommandsTest)
#include "tst_editcommands.moc"
