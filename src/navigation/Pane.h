#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

class QAction;

// The fill behind every pane of the detail column: white in a light appearance, nothing in a dark
// one, so that the window's own background shows through. It follows the appearance while shown.
class PaneBackground final : public QWidget
{
    Q_OBJECT

public:
    explicit PaneBackground(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
};

// The container of every view in the detail column: it takes all the room it is given and lays the
// pane background behind its content, which either sits centred at its own size (placeholders,
// forms) or fills the column (editors, tables, lists).
class Pane : public QWidget
{
    Q_OBJECT

public:
    enum class Layout { centred, filled };

    // Take ownership of content.
    explicit Pane(QWidget *content, QWidget *parent = nullptr);
    Pane(QWidget *content, Layout layout, QWidget *parent = nullptr);

    QWidget *content() const { return m_content; }

    // What the pane adds to the window while it is shown: a subtitle next to the window's title,
    // and toolbar actions, in the order added. They leave the toolbar when the pane does.
    QString subtitle() const { return m_subtitle; }
    QList<QAction *> toolbarActions() const;

signals:
    // The subtitle or the toolbar items changed while the pane may be shown.
    void chromeChanged();

protected:
    void setSubtitle(const QString &subtitle);
    // The toolbar shows action as Qt shows actions (icon, text, tool tip, shortcut, enabled state),
    // while the pane is shown. An action without a parent becomes the pane's.
    void addToolbarAction(QAction *action);
    // For what an action cannot be (a field, a slider): takes ownership of item, shown as it is.
    void addToolbarItem(QWidget *item);

private:
    QWidget *m_content;
    QString m_subtitle;
    // An action the pane does not own may go first.
    QList<QPointer<QAction>> m_toolbarActions;
};
