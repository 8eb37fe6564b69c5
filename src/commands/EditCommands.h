#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;

// The Edit menu: Undo, Redo, Cut, Copy, Paste, Delete and Select All on the platform's standard
// keys, acting on the text widget that has the keyboard (a QLineEdit, QPlainTextEdit or QTextEdit)
// and enabled only when they apply to it. While it has the keyboard it answers these keys itself;
// the menu items do what it does.
class EditCommands final : public QObject
{
    Q_OBJECT

public:
    // Adds the items to menu, which owns this object.
    explicit EditCommands(QMenu *menu);

private:
    void follow(QWidget *focused);
    void updateEnabled();

    QPointer<QWidget> m_editor;
    QAction *m_undo;
    QAction *m_redo;
    QAction *m_cut;
    QAction *m_copy;
    QAction *m_paste;
    QAction *m_delete;
    QAction *m_selectAll;
};
