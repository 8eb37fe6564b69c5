#include "CapturedOutput.h"

#include "app/Preferences.h"
#include "panes/DropTarget.h"
#include "panes/HelloWorldPane.h"
#include "panes/MoreStuffPane.h"
#include "panes/WhatsUpPane.h"
#include "window/AlwaysOnTopCheckbox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWidgetAction>

using namespace Qt::StringLiterals;

namespace {

QStringList greetings(const WhatsUpPane &pane)
{
    QStringList lines;
    for (const QLabel *label : pane.content()->findChildren<QLabel *>(u"greeting"_s))
        lines.append(label->text());
    return lines;
}

QStringList suggestions(const WhatsUpPane &pane)
{
    QStringList names;
    const QAbstractItemModel *model = pane.suggestions()->completionModel();
    for (int row = 0; row < model->rowCount(); ++row)
        names.append(model->index(row, 0).data().toString());
    return names;
}

} // namespace

class PanesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_preferences = std::make_unique<Preferences>(m_dir.path() + u"/p.ini"_s); }
    void cleanup() { m_preferences.reset(); }

    void helloWorldCheckboxFollowsThePreferenceBothWays()
    {
        HelloWorldPane pane(*m_preferences);
        auto *checkbox = pane.findChild<AlwaysOnTopCheckbox *>();
        QVERIFY(checkbox);
        QCOMPARE(checkbox->text(), u"Always on top"_s);
        QCOMPARE(pane.subtitle(), u"Hello, World!"_s);
        QVERIFY(!checkbox->isChecked());

        QTest::mouseClick(checkbox, Qt::LeftButton, {}, checkbox->rect().center());
        QCOMPARE(m_preferences->isAlwaysOnTop(), true);
        QCOMPARE(Preferences(m_preferences->fileName()).isAlwaysOnTop(), true);

        // A change from elsewhere (the Window menu) shows at once, and a new pane reads it too.
        m_preferences->setAlwaysOnTop(false);
        QVERIFY(!checkbox->isChecked());
        m_preferences->setAlwaysOnTop(true);
        HelloWorldPane another(*m_preferences);
        QVERIFY(another.findChild<AlwaysOnTopCheckbox *>()->isChecked());
    }

    void greetingsFollowTheSearchText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("nothing typed")
            << QString()
            << QStringList{u"What's up, Holly?"_s, u"What's up, Josh?"_s, u"What's up, Rhonda?"_s,
                           u"What's up, Ted?"_s};
        QTest::newRow("capital H") << u"H"_s << QStringList{u"What's up, Holly?"_s};
        QTest::newRow("case differs") << u"holly"_s << QStringList{};
    }

    void greetingsFollowTheSearchText()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);

        WhatsUpPane pane;
        QCOMPARE(pane.subtitle(), u"What's Up?"_s);
        QCOMPARE(pane.searchField()->placeholderText(), u"Search"_s);
        QTest::keyClicks(pane.searchField(), typed);
        QCOMPARE(greetings(pane), expected);
        QCOMPARE(suggestions(pane), filteredNamesOf(expected));

        // Clearing shows everyone again.
        pane.searchField()->clear();
        QCOMPARE(greetings(pane).size(), 4);
    }

    void choosingASuggestionReplacesTheText()
    {
        WhatsUpPane pane;
        pane.resize(400, 300);
        pane.show();
        QLineEdit *field = pane.searchField();
        field->setParent(&pane);
        field->show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        field->setFocus();

        QTest::keyClicks(field, u"h"_s);
        QAbstractItemView *popup = pane.suggestions()->popup();
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(suggestions(pane), (QStringList{u"Josh"_s, u"Rhonda"_s}));

        // Moving through the list leaves the text alone; only choosing sets it.
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QCOMPARE(field->text(), u"h"_s);
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(field->text(), u"Rhonda"_s);
        QCOMPARE(pane.searchText(), u"Rhonda"_s);
        QCOMPARE(greetings(pane), QStringList{u"What's up, Rhonda?"_s});
        QVERIFY(!popup->isVisible());
    }

    void toolbarButtonsPrintAction_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("symbol");

        QTest::newRow("share") << u"shareButton"_s << u"square.and.arrow.up"_s;
        QTest::newRow("trash") << u"trashButton"_s << u"trash"_s;
        QTest::newRow("hammer") << u"hammerButton"_s << u"hammer"_s;
    }

    void toolbarButtonsPrintAction()
    {
        QFETCH(QString, button);
        QFETCH(QString, symbol);

        WhatsUpPane pane;
        QToolButton *found = nullptr;
        for (QAction *action : pane.toolbarActions()) {
            if (auto *item = qobject_cast<QWidgetAction *>(action);
                item && item->defaultWidget()->objectName() == button)
                found = qobject_cast<QToolButton *>(item->defaultWidget());
        }
        QVERIFY(found);
        QCOMPARE(found->icon().name(), symbol);
        QVERIFY(!found->accessibleName().isEmpty());
        QVERIFY(found->text().isEmpty());

        const QByteArray printed =
            capturedOutput([found] { QTest::mouseClick(found, Qt::LeftButton); });
        QCOMPARE(printed, "Action!\n"_ba);
    }

    void borderIsDashedEightOnFourOff()
    {
        DropTarget area;
        const QImage image = area.grab().toImage();
        // Along the top edge, in the middle of the 2-wide border, away from the corners.
        const int y = 1;
        const int fill = qGray(image.pixel(area.width() / 2, 10));
        QList<int> runs;
        bool on = qGray(image.pixel(12, y)) > fill + 4;
        int length = 0;
        for (int x = 12; x < area.width() - 12; ++x) {
            const bool pixelOn = qGray(image.pixel(x, y)) > fill + 4;
            if (pixelOn != on) {
                runs.append(on ? length : -length);
                on = pixelOn;
                length = 0;
            }
            ++length;
        }
        // Inner runs only: the first and last are cut by the window of pixels looked at.
        QVERIFY(runs.size() > 10);
        for (qsizetype i = 1; i < runs.size(); ++i)
            QVERIFY2(runs[i] == 8 || runs[i] == -4, qPrintable(u"run %1"_s.arg(runs[i])));
        // Nothing is drawn outside the rounded edge.
        QCOMPARE(image.pixelColor(0, 0), area.palette().color(QPalette::Window));
    }

    void dragPrintsTheRightLines_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("release");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("accepted");

        const QUrl file = QUrl::fromLocalFile(u"/tmp/Zoë and Ünï.txt"_s);
        const QUrl web(u"https://example.org/"_s);
        const QString entered = u"Drop entered!"_s;
        const QString dropped = u"File was dropped: /tmp/Zoë and Ünï.txt"_s;
        QTest::newRow("one file") << QList{file} << true << QStringList{entered, dropped} << true;
        QTest::newRow("in and out")
            << QList{file} << false << QStringList{entered, u"Drop exited!"_s} << false;
        QTest::newRow("two files") << QList{file, QUrl::fromLocalFile(u"/tmp/b"_s)} << true
                                   << QStringList{entered} << false;
        QTest::newRow("web link beside a file")
            << QList{web, file} << true << QStringList{entered, dropped} << true;
        QTest::newRow("unusable file URL")
            << QList{QUrl::fromEncoded("file:///tmp/%FF")} << true
            << QStringList{entered, u"Error: Not a valid URL."_s} << false;
        // Not for this area at all: the drag is not taken in, so nothing is said.
        QTest::newRow("web link alone") << QList{web} << true << QStringList{} << false;
        QTest::newRow("no URL") << QList<QUrl>{} << true << QStringList{} << false;
    }

    void dragPrintsTheRightLines()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, release);
        QFETCH(QStringList, lines);
        QFETCH(bool, accepted);

        MoreStuffPane pane;
        auto *area = pane.findChild<DropTarget *>();
        QMimeData data;
        data.setText(u"some text"_s);
        data.setUrls(urls);
        bool taken = false;
        Qt::DropAction action = Qt::IgnoreAction;
        const QByteArray printed = capturedOutput([&] {
            // A file manager proposes a move; the area only reads the path, so it must copy.
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data,
                                  Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(area, &enter);
            if (!enter.isAccepted())
                return;
            if (release) {
                QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &data,
                                Qt::LeftButton, Qt::NoModifier);
                drop.setDropAction(Qt::MoveAction);
                QApplication::sendEvent(area, &drop);
                taken = drop.isAccepted();
                action = drop.dropAction();
            } else {
                QDragLeaveEvent leave;
                QApplication::sendEvent(area, &leave);
            }
        });
        QCOMPARE(printed, printedLines(lines));
        QCOMPARE(taken, accepted);
        if (taken)
            QCOMPARE(action, Qt::CopyAction);
    }

private:
    static QStringList filteredNamesOf(const QStringList &greetingLines)
    {
        QStringList names;
        for (QString line : greetingLines)
            names.append(line.remove(u"What's up, "_s).chopped(1));
        return names;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<Preferences> m_preferences;
};

QTEST_MAIN(PanesTest)
#include "tst_panes.moc"
