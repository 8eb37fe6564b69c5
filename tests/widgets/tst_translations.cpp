#include "CapturedStdout.h"
#include "IsolatedSettings.h"

#include "app/MainView.h"
#include "app/SidebarApp.h"
#include "app/Translations.h"
#include "commands/ExportCommands.h"
#include "commands/MenuBarButton.h"
#include "commands/MenuBarPopup.h"
#include "navigation/Sidebar.h"
#include "panes/GreetingFilter.h"
#include "windows/AboutView.h"
#include "windows/AboutWindow.h"
#include "windows/AttributionsWindow.h"
#include "windows/BundleInfo.h"
#include "windows/SettingsWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Wraps every text it is asked for in marks and remembers what was asked: a text shown without
// the marks never went through tr(). Like every translator, it uninstalls itself when destroyed.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int) const override
    {
        m_asked.insert({context, sourceText, disambiguation});
        return u"⟦"_s + QString::fromUtf8(sourceText) + u"⟧"_s;
    }
    bool isEmpty() const override { return false; }

    struct Key
    {
        QByteArray context, sourceText, disambiguation;
        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.context, key.sourceText, key.disambiguation);
        }
    };
    mutable QSet<Key> m_asked;
};

void addActionTexts(const QList<QAction *> &actions, QStringList &texts)
{
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        texts << action->text() << action->toolTip();
        if (QMenu *menu = action->menu()) {
            texts << menu->title() << menu->accessibleName();
            addActionTexts(menu->actions(), texts);
        }
    }
}

// What a user reads or hears of a window: its title, and of every visible widget the text, the
// placeholder, the tool tip, the accessible name, list rows and tabs; its menus, shown or not.
QStringList visibleTexts(QWidget *window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *widget : std::as_const(widgets)) {
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
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
                for (int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole})
                    texts << index.data(role).toString();
            }
        }
        addActionTexts(widget->actions(), texts);
    }
    texts.removeAll(QString());
    return texts;
}

void closeAndDelete(QWidget *window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window with each pane in turn, the About, Attributions and Settings windows, and the
// tray's popup and menu.
QStringList textsOfEveryWindow(SidebarApp &app)
{
    QMainWindow *window = app.scene().openMainWindow();
    Sidebar *sidebar = window->findChild<MainView *>()->sidebar();
    QStringList texts = visibleTexts(window);
    for (SidebarPane pane :
         {SidebarPane::helloWorld, SidebarPane::whatsUp, SidebarPane::moreStuff}) {
        sidebar->list()->setCurrentItem(sidebar->itemFor(pane));
        // The toolbar shows the pane's items once it has laid them out.
        QCoreApplication::sendPostedEvents();
        texts << visibleTexts(window);
    }
    closeAndDelete(window);

    MenuBarButton tray;
    const QList<std::function<QWidget *()>> openers{
        []() -> QWidget * { return openAboutWindow(); },
        []() -> QWidget * { return openAttributionsWindow(); },
        [&app]() -> QWidget * { return app.openSettingsWindow(); },
        [&tray]() -> QWidget * { return tray.showPopup(); },
        [&tray]() -> QWidget * { return tray.showStatusMenu(); },
    };
    for (const auto &open : openers) {
        QWidget *other = open();
        texts << visibleTexts(other);
        closeAndDelete(other);
    }
    return texts;
}

// The text without its marked parts and without the data texts in it.
QString unmarkedRest(QString text, const QStringList &dataTexts)
{
    static const QRegularExpression innermostMarked(u"⟦[^⟦⟧]*⟧"_s);
    while (text.contains(innermostMarked))
        text.remove(innermostMarked);
    for (const QString &data : dataTexts)
        text.remove(data);
    return text;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        static char name[] = "tst_translations";
        static char *argv[] = {name, nullptr};
        static int argc = 1;
        m_app = std::make_unique<SidebarApp>(argc, argv);
        m_germanTexts = textsOfEveryWindow(*m_app);

        QMainWindow *window = m_app->scene().openMainWindow();
        auto *exporter = window->findChild<ExportCommands *>();
        exporter->exportAction()->trigger();
        QVERIFY(exporter->exportDialog());
        m_germanTexts << visibleTexts(exporter->exportDialog());
        exporter->answerExportDialog({});
        closeAndDelete(window);
    }

    void languageChoice_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{u"de-DE"_s} << u"de_DE"_s;
        QTest::newRow("Austrian German falls back to German")
            << QStringList{u"de-AT"_s} << u"de_AT"_s;
        QTest::newRow("first language with a translation")
            << QStringList{u"fr-FR"_s, u"de-CH"_s} << u"de_CH"_s;
        QTest::newRow("English first keeps the texts as written")
            << QStringList{u"en-GB"_s, u"de-DE"_s} << QString();
        QTest::newRow("no translation") << QStringList{u"fr-FR"_s, u"C"_s} << QString();
        QTest::newRow("nothing") << QStringList() << QString();
    }

    void languageChoice()
    {
        QFETCH(QStringList, uiLanguages);
        QTEST(Translations(uiLanguages).language(), "chosen");
    }

    void germanUnderGermanLocale_data()
    {
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, const QString &text) { QTest::newRow(name) << text; };
        row("sidebar section", u"Allgemein"_s);
        row("sidebar entry", u"Was gibt's Neues?"_s);
        row("sidebar search", u"Suchen"_s);
        row("sidebar footer", u"Hier könnte etwas stehen."_s);
        row("placeholder pane", u"Kein Eintrag ausgewählt"_s);
        row("title with subtitle", u"Hallo, Welt! — "_s + appName());
        row("checkbox", u"Immer im Vordergrund"_s);
        row("greeting keeps the name", u"Was gibt's Neues, Holly?"_s);
        row("toolbar button", u"Teilen"_s);
        row("drop area", u"Dateien hier ablegen"_s);
        row("File menu", u"&Datei"_s);
        row("File menu item", u"Exportieren …"_s);
        row("Window menu item", u"Immer im Vordergrund ein/aus"_s);
        row("own menu", u"Befehle"_s);
        row("own menu item", u"Sachen machen"_s);
        row("About item", u"Über "_s + appName());
        row("About window", u"Über Pillowrock"_s);
        row("About text", u"Entwickelt von"_s);
        row("About version line", u"Version %1 (%2)"_s.arg(appVersion(), buildNumber()));
        row("About developer verbatim", u"Vestrandi's Inc."_s);
        row("bundle copyright verbatim", copyrightNotice());
        row("Attributions window", u"Quellenangaben"_s);
        row("Settings tab", u"Vestrandi-Einstellungen"_s);
        row("Settings button", u"Anwenden"_s);
        row("tray popup", u"Vestrandis Apps für alle mit Mac & Windows und auch Linux!"_s);
        row("tray menu", u"Über ..."_s);
        row("Qt's save dialog", u"Abbrechen"_s);
    }

    void germanUnderGermanLocale()
    {
        QFETCH(QString, text);
        QVERIFY2(m_germanTexts.contains(text), qPrintable(m_germanTexts.join(u" | ")));
    }

    void keyWithoutTranslationShowsTheKey()
    {
        QCOMPARE(Sidebar::tr("A text nobody translated"), u"A text nobody translated"_s);
    }

    // Every text shown asks for a translation, the German catalogue has one for each of ours, and
    // texts that come from data are never asked for.
    void everyShownTextIsTranslated()
    {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        const QStringList texts = textsOfEveryWindow(*m_app);

        const QStringList dataTexts{appName(), copyrightNotice(), AboutView::developerName};
        for (const QString &text : texts) {
            QVERIFY2(!unmarkedRest(text, dataTexts).contains(QRegularExpression(u"\\p{L}"_s)),
                     qPrintable(u"not translated: "_s + text));
            for (const QString &data : dataTexts + greetingNames())
                QVERIFY2(!text.contains(u"⟦"_s + data + u"⟧"_s), qPrintable(text));
        }

        QTranslator german;
        QVERIFY(german.load(u":/i18n/pillowrock_de.qm"_s));
        for (const MarkingTranslator::Key &key : std::as_const(marking.m_asked)) {
            // Qt's own contexts are translated by Qt's catalogue.
            if (QRegularExpression(u"^Q[A-Z]"_s).match(QString::fromUtf8(key.context)).hasMatch())
                continue;
            QVERIFY2(!german.translate(key.context, key.sourceText, key.disambiguation).isEmpty(),
                     QByteArray(key.context + ": " + key.sourceText).constData());
        }
    }

    void printedLinesAreNeverTranslated_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("Build") << u"buildAction"_s << QByteArray("Build!\n");
        QTest::newRow("Do Stuff") << u"doStuffAction"_s << QByteArray("Do Stuff!\n");
        QTest::newRow("tray Do Stuff") << u"statusDoStuffAction"_s << QByteArray("Do stuff\n");
        QTest::newRow("toolbar button") << u"shareButton"_s << QByteArray("Action!\n");
        QTest::newRow("Apply") << u"applyButton"_s << QByteArray("Apply!\n");
    }

    void printedLinesAreNeverTranslated()
    {
        QFETCH(QString, trigger);
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        QMainWindow *window = m_app->scene().openMainWindow();
        Sidebar *sidebar = window->findChild<MainView *>()->sidebar();
        sidebar->list()->setCurrentItem(sidebar->itemFor(SidebarPane::whatsUp));
        MenuBarButton tray;
        const QList<QWidget *> windows{window, m_app->openSettingsWindow(), tray.showStatusMenu()};

        QObject *target = nullptr;
        for (QWidget *open : windows)
            target = target ? target : open->findChild<QObject *>(trigger);
        QVERIFY(target);
        const QByteArray printed = capturedStdout([target] {
            if (auto *action = qobject_cast<QAction *>(target))
                action->trigger();
            else
                qobject_cast<QAbstractButton *>(target)->click();
        });
        for (QWidget *open : windows)
            closeAndDelete(open);
        QTEST(printed, "line");
    }

    void cleanupTestCase() { m_app.reset(); }

private:
    IsolatedSettings m_settings;
    std::unique_ptr<SidebarApp> m_app;
    QStringList m_germanTexts;
};

int main(int argc, char *argv[])
{
    // SidebarApp owns the application object, so this test builds it itself.
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
