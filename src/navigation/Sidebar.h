#pragma once

#include "navigation/core/SidebarPane.h"

#include <QList>
#include <QWidget>

#include <optional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class SidebarFooter;

// The main window's left column: a search field, the list of panes in two sections and the
// footer pinned below the list. It owns which pane is selected; nothing is selected at first.
// The search text is kept for the user's sake only: typing does not filter the list.
class Sidebar final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimumWidth = 180;
    static constexpr int maximumWidth = 300;

    // Lists the entries in their order, under a header wherever the section changes.
    explicit Sidebar(const QList<SidebarEntry> &entries, QWidget *parent = nullptr);

    QListWidgetItem *itemFor(SidebarPane pane) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

signals:
    // The user activated the entry of another pane than the one selected.
    void selectionChanged(SidebarPane pane);

private:
    void addSection(const QString &header);
    void addEntry(const SidebarEntry &entry);
    void colourSectionHeaders();
    void followListSelection();
    void restoreSelection();

    QLineEdit *m_searchField;
    QListWidget *m_list;
    SidebarFooter *m_footer;
    std::optional<SidebarPane> m_selection;
};
