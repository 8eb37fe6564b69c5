#pragma once

#include <QList>
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
    // and toolbar items. The items are owned by the pane, so they leave the toolbar with it.
    QString subtitle() const { return m_subtitle; }
    QList<QAction *> toolbarActions() const { return m_toolbarActions; }

signals:
    // The subtitle or the toolbar items changed while the pane may be shown.
    void chromeChanged();

protected:
    void setSubtitle(const QString &subtitle);
    // Takes ownership of item, which the toolbar shows as it is.
    void addToolbarItem(QWidget *item);

private:
    QWidget *m_content;
    QString m_subtitle;
    QList<QAction *> m_toolbarActions;
};
