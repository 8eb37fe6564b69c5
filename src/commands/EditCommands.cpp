#include "EditCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

QAction *addItem(QMenu *menu, const QString &text, const QString &name,
                 QKeySequence::StandardKey key)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcuts(key);
    action->setEnabled(false);
    return action;
}

// Qt's three text widgets share these operations but no base class: calls operation with the
// widget as its own type when it is one of them.
template<typename Operation>
void onEditor(QWidget *widget, Operation &&operation)
{
    if (auto *field = qobject_cast<QLineEdit *>(widget))
        operation(field);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        operation(plain);
    else if (auto *rich = qobject_cast<QTextEdit *>(widget))
        operation(rich);
}

// What the items can do with the editor as it is now.
struct EditorState
{
    bool editable = false;
    bool undo = false;
    bool redo = false;
    bool selected = false;
    bool copyable = false; // a password field's text never reaches the clipboard
    bool hasText = false;
};

EditorState stateOf(const QLineEdit *field)
{
    const bool editable = !field->isReadOnly();
    return {editable,
            editable && field->isUndoAvailable(),
            editable && field->isRedoAvailable(),
            field->hasSelectedText(),
            field->echoMode() == QLineEdit::Normal,
            !field->text().isEmpty()};
}

template<typename DocumentEdit>
EditorState stateOf(const DocumentEdit *edit)
{
    const bool editable = !edit->isReadOnly();
    return {editable,
            editable && edit->document()->isUndoAvailable(),
            editable && edit->document()->isRedoAvailable(),
            edit->textCursor().hasSelection(),
            true,
            !edit->document()->isEmpty()};
}

} // namespace

EditCommands::EditCommands(QMenu *menu)
    : QObject(menu)
    , m_undo(addItem(menu, tr("Undo"), u"undoAction"_s, QKeySequence::Undo))
    , m_redo(addItem(menu, tr("Redo"), u"redoAction"_s, QKeySequence::Redo))
{
    menu->addSeparator();
    m_cut = addItem(menu, tr("Cut"), u"cutAction"_s, QKeySequence::Cut);
    m_copy = addItem(menu, tr("Copy"), u"copyAction"_s, QKeySequence::Copy);
    m_paste = addItem(menu, tr("Paste"), u"pasteAction"_s, QKeySequence::Paste);
    m_delete = addItem(menu, tr("Delete"), u"deleteAction"_s, QKeySequence::Delete);
    menu->addSeparator();
    m_selectAll = addItem(menu, tr("Select All"), u"selectAllAction"_s, QKeySequence::SelectAll);

    const auto onTriggered = [this](QAction *action, auto operation) {
        connect(action, &QAction::triggered, this,
                [this, operation] { onEditor(m_editor, operation); });
    };
    onTriggered(m_undo, [](auto *edit) { edit->undo(); });
    onTriggered(m_redo, [](auto *edit) { edit->redo(); });
    onTriggered(m_cut, [](auto *edit) { edit->cut(); });
    onTriggered(m_copy, [](auto *edit) { edit->copy(); });
    onTriggered(m_paste, [](auto *edit) { edit->paste(); });
    onTriggered(m_delete, [](auto *edit) {
        if constexpr (std::is_same_v<decltype(edit), QLineEdit *>)
            edit->del();
        else
            edit->textCursor().removeSelectedText();
    });
    onTriggered(m_selectAll, [](auto *edit) { edit->selectAll(); });

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
    // Read-only has no change signal, and asking the clipboard is a round trip to the display
    // server on X11: both are looked at when the menu shows.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        updateEnabled();
        m_paste->setEnabled(m_paste->isEnabled() &&
                            !QGuiApplication::clipboard()->text().isEmpty());
    });
}

// The editor keeps counting while the application has no keyboard at all (a menu is open, another
// application is active): the items still act on the one the user was typing in.
void EditCommands::follow(QWidget *focused)
{
    if (!focused || focused == m_editor)
        return;
    if (m_editor)
        disconnect(m_editor, nullptr, this, nullptr);
    m_editor = nullptr;
    onEditor(focused, [this](auto *edit) {
        using Edit = std::remove_pointer_t<decltype(edit)>;
        m_editor = edit;
        connect(edit, &Edit::textChanged, this, &EditCommands::updateEnabled);
        connect(edit, &Edit::selectionChanged, this, &EditCommands::updateEnabled);
        if constexpr (!std::is_same_v<Edit, QLineEdit>) {
            connect(edit, &Edit::undoAvailable, this, &EditCommands::updateEnabled);
            connect(edit, &Edit::redoAvailable, this, &EditCommands::updateEnabled);
        }
    });
    updateEnabled();
}

void EditCommands::updateEnabled()
{
    EditorState state;
    onEditor(m_editor, [&state](auto *edit) { state = stateOf(edit); });
    m_undo->setEnabled(state.undo);
    m_redo->setEnabled(state.redo);
    m_cut->setEnabled(state.editable && state.selected && state.copyable);
    m_copy->setEnabled(state.selected && state.copyable);
    // Narrowed to a clipboard with text when the menu shows; the editor's own Ctrl+V needs no item.
    m_paste->setEnabled(state.editable);
    m_delete->setEnabled(state.editable && state.selected);
    m_selectAll->setEnabled(state.hasText);
}
