#include "CapturedStdout.h"

#include "panes/DropTarget.h"
#include "panes/MoreStuffPane.h"
#include "panes/WhatsUpPane.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
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

} // namespace

class PanesTest : public QObject
{
    Q_OBJECT

private slots:
    void greetingsFollowTheSearchText()
    {
        WhatsUpPane pane;
        QTest::keyClicks(pane.searchField(), u"H"_s);
        QCOMPARE(greetings(pane), QStringList{u"What's up, Holly?"_s});
        pane.searchField()->clear();
        QCOMPARE(greetings(pane), (QStringList{u"What's up, Holly?"_s, u"What's up, Josh?"_s,
                                               u"What's up, Rhonda?"_s, u"What's up, Ted?"_s}));
    }

    void toolbarButtonsPrintAction()
    {
        WhatsUpPane pane;
        QByteArray printed;
        for (QAction *action : pane.toolbarActions()) {
            auto *item = qobject_cast<QWidgetAction *>(action);
            if (auto *button = qobject_cast<QToolButton *>(item ? item->defaultWidget() : nullptr))
                printed += capturedStdout([button] { QTest::mouseClick(button, Qt::LeftButton); });
        }
        QCOMPARE(printed, "Action!\nAction!\nAction!\n"_ba);
    }

    void dragPrintsTheRightLines_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("release");
        QTest::addColumn<QByteArray>("printed");
        QTest::addColumn<bool>("accepted");
        const QUrl file = QUrl::fromLocalFile(u"/tmp/Zoë.txt"_s);
        const QUrl web(u"https://example.org/"_s);
        QTest::newRow("one file") << QList{file} << true
                                  << "Drop entered!\nFile was dropped: /tmp/Zoë.txt\n"_ba << true;
        QTest::newRow("in and out")
            << QList{file} << false << "Drop entered!\nDrop exited!\n"_ba << false;
        QTest::newRow("unusable file URL")
            << QList{QUrl::fromEncoded("file:///tmp/%FF")} << true
            << "Drop entered!\nError: Not a valid URL.\n"_ba << false;
        // Not for this area at all: the drag is not taken in, so nothing is said.
        QTest::newRow("web link alone") << QList{web} << true << QByteArray() << false;
    }

    void dragPrintsTheRightLines()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, release);
        MoreStuffPane pane;
        auto *area = pane.findChild<DropTarget *>();
        QMimeData data;
        data.setUrls(urls);
        std::optional<Qt::DropAction> taken;
        const QByteArray printed = capturedStdout([&] {
            // A file manager proposes a move; the area only reads the path, so it must copy.
            const auto actions = Qt::CopyAction | Qt::MoveAction;
            QDragEnterEvent enter(QPoint(10, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(area, &enter);
            if (!enter.isAccepted())
                return;
            if (release) {
                QDropEvent drop(QPointF(10, 10), actions, &data, Qt::LeftButton, Qt::NoModifier);
                drop.setDropAction(Qt::MoveAction);
                QApplication::sendEvent(area, &drop);
                if (drop.isAccepted())
                    taken = drop.dropAction();
            } else {
                QDragLeaveEvent leave;
                QApplication::sendEvent(area, &leave);
            }
        });
        QTEST(printed, "printed");
        QTEST(taken.has_value(), "accepted");
        QCOMPARE(taken.value_or(Qt::CopyAction), Qt::CopyAction);
    }
};

QTEST_MAIN(PanesTest)
#include "tst_panes.moc"
