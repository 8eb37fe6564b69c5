#include "AppTest.h"

#include "navigation/Pane.h"
#include "panes/whatsup/WhatsUpPane.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>

using namespace Qt::StringLiterals;

class WhatsUpTest : public QObject
{
    Q_OBJECT

private slots:
    // Greetings and suggestions show the filtered names, every name while the field is empty.
    void suggestionsFollowTheSearch()
    {
        MainWindow *window = openActiveMainWindow(m_app);
        QVERIFY(window);
        showPane(window, SidebarPane::whatsUp);
        MainView *view = window->view();
        auto *field = window->findChild<QLineEdit *>(u"greetingSearchField"_s);
        QAbstractItemView *popup = view->detail()->findChild<QCompleter *>()->popup();
        const auto offered = [view, popup] {
            QStringList names;
            for (int row = 0; popup->isVisible() && row < popup->model()->rowCount(); ++row)
                names.append(popup->model()->index(row, 0).data().toString());
            QStringList greeted;
            for (const QLabel *label : view->detail()->findChildren<QLabel *>(u"greeting"_s))
                greeted.append(label->text().sliced(11).chopped(1)); // "What's up, %1?"
            return greeted == names ? names : greeted + QStringList{u"≠"_s} + names;
        };
        const QStringList all{u"Holly"_s, u"Josh"_s, u"Rhonda"_s, u"Ted"_s};
        QTRY_VERIFY(field->isVisible()); // the toolbar lays out the pane's items first
        field->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(offered(), all);
        QTest::keyClicks(field, u"H"_s);
        QTRY_COMPARE(offered(), QStringList{u"Holly"_s});
        QTest::keyClick(field, Qt::Key_Backspace);
        QTRY_COMPARE(offered(), all);
        QTest::keyClicks(field, u"holly"_s);
        QTRY_COMPARE(offered(), QStringList());
    }

    // A translated greeting keeps the name as it is.
    void greetingKeepsTheNameInGerman()
    {
        QTranslator german;
        if (!german.load(u":/i18n/app_de.qm"_s))
            QSKIP("German was dropped");
        QCoreApplication::installTranslator(&german);
        const WhatsUpPane pane;
        QCOMPARE(pane.findChild<QLabel *>(u"greeting"_s)->text(), u"Was gibt's Neues, Holly?"_s);
    }

private:
    AppParts m_app;
};

APP_TEST_MAIN(WhatsUpTest)

#include "tst_whatsup.moc"
