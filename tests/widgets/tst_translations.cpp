#include "AppIdentity.h"
#include "AppTest.h"

#include "commands/MenuBarButton.h"
#include "commands/MenuBarPopup.h"
#include "panes/Panes.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsWindow.h"
#include "windows/SettingsWindow.h"
#include "windows/core/BundleInfo.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Wraps every text it is asked for in marks: a text shown without the marks never went through
// tr(). Like every translator, it uninstalls itself when destroyed.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return u"⟦"_s + QString::fromUtf8(sourceText) + u"⟧"_s;
    }
    bool isEmpty() const override { return false; }
};

// What a user reads or hears of a window and its menus: titles, texts, placeholders, tool tips,
// accessible names, tabs and list rows of every visible widget.
QStringList visibleTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QAction *> actions;
    for (QWidget *widget : QList<QWidget *>{window} + window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        texts << widget->toolTip() << widget->accessibleName();
        if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget))
            texts << accessible->text(QAccessible::Name);
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *field = qobject_cast<QLineEdit *>(widget))
            texts << field->placeholderText();
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i) << tabs->tabToolTip(i);
        }
        if (auto *list = qobject_cast<QListWidget *>(widget)) {
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text() << list->item(row)->toolTip();
        }
        actions << widget->actions();
    }
    while (!actions.isEmpty()) {
        QAction *action = actions.takeFirst();
        if (action->isSeparator() || !action->isVisible())
            continue;
        texts << action->text() << action->toolTip();
        if (QMenu *menu = action->menu()) {
            texts << menu->accessibleName();
            actions << menu->actions();
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The main window with each pane in turn, About, Attributions, Settings, the tray popup and menu.
QStringList textsOfEveryWindow(AppParts &app)
{
    MainWindow *window = app.scene.openMainWindow();
    QStringList texts = visibleTexts(window);
    for (const PaneRegistration &pane : registeredPanes()) {
        showPane(window, pane.entry.pane);
        texts << visibleTexts(window);
    }
    closeAndDelete(window);
    MenuBarButton tray;
    const auto walk = [&texts](QWidget *other) {
        texts << visibleTexts(other);
        closeAndDelete(other);
    };
    walk(openAboutWindow());
    walk(openAttributionsWindow());
    walk(app.scene.openSettingsWindow());
    walk(tray.showPopup());
    tray.statusMenu()->popup(QPoint());
    walk(tray.statusMenu());
    return texts;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_germanTexts = textsOfEveryWindow(m_app); }

    // The application picks its language from the system locale, German here, while it has a
    // German catalogue.
    void germanUnderGermanLocale_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty pane") << u"Kein Eintrag ausgewählt"_s;
        QTest::newRow("About version line")
            << u"Version %1 (%2)"_s.arg(appVersion(), buildNumber());
        QTest::newRow("tray menu") << u"Über ..."_s;
    }

    void germanUnderGermanLocale()
    {
        QFETCH(QString, text);
        if (!QFile::exists(u":/i18n/app_de.qm"_s))
            QSKIP("German was dropped");
        QVERIFY2(m_germanTexts.contains(text), qPrintable(m_germanTexts.join(u" | ")));
    }

    // Every text shown asks for a translation, and texts that come from data are never asked
    // for. A text with no translation yet is shown as written: the build counts those.
    void everyShownTextGoesThroughTr()
    {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        const QStringList dataTexts{appName(), copyrightNotice(),
                                    QString::fromUtf8(AppIdentity::copyrightHolder),
                                    QString::fromUtf8(AppIdentity::organization)};
        static const QRegularExpression innermostMarked(u"⟦[^⟦⟧]*⟧"_s);
        for (const QString &text : textsOfEveryWindow(m_app)) {
            QString rest = text;
            while (rest.contains(innermostMarked))
                rest.remove(innermostMarked);
            for (const QString &data : dataTexts)
                rest.remove(data);
            QVERIFY2(!rest.contains(QRegularExpression(u"\\p{L}"_s)), qPrintable(text));
            for (const QString &data : dataTexts)
                QVERIFY2(!text.contains(u"⟦"_s + data + u"⟧"_s), qPrintable(text));
        }
    }

private:
    AppParts m_app;
    QStringList m_germanTexts;
};

APP_TEST_MAIN(TranslationsTest)

#include "tst_translations.moc"
