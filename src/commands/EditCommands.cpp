#include "EditCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

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

    const auto onField = [this](auto edit) {
        return [this, edit] {
            if (m_field)
                (m_field->*edit)();
        };
    };
    connect(m_undo, &QAction::triggered, this, onField(&QLineEdit::undo));
    connect(m_redo, &QAction::triggered, this, onField(&QLineEdit::redo));
    connect(m_cut, &QAction::triggered, this, onField(&QLineEdit::cut));
    connect(m_copy, &QAction::triggered, this, onField(&QLineEdit::copy));
    connect(m_paste, &QAction::triggered, this, onField(&QLineEdit::paste));
    connect(m_delete, &QAction::triggered, this, onField(&QLineEdit::del));
    connect(m_selectAll, &QAction::triggered, this, onField(&QLineEdit::selectAll));

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { follow(now); });
    // Asking the clipboard is a round trip to the display server on X11: only when the menu shows.
    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_paste->setEnabled(isEditable() && !QGuiApplication::clipboard()->text().isEmpty());
    });
}

// The field keeps counting while the application has no keyboard at all (a menu is open, another
// application is active): the items still act on the field the user was typing in.
void EditCommands::follow(QWidget *focused)
{
    auto *field = qobject_cast<QLineEdit *>(focused);
    if (!focused || field == m_field)
        return;
    if (m_field)
        disconnect(m_field, nullptr, this, nullptr);
    m_field = field;
    if (m_field) {
        connect(m_field, &QLineEdit::textChanged, this, &EditCommands::updateEnabled);
        connect(m_field, &QLineEdit::selectionChanged, this, &EditCommands::updateEnabled);
    }
    updateEnabled();
}

bool EditCommands::isEditable() const
{
    return m_field && !m_field->isReadOnly();
}

void EditCommands::updateEnabled()
{
    const bool field = m_field;
    const bool editable = isEditable();
    const bool selected = field && m_field->hasSelectedText();
    m_undo->setEnabled(editable && m_field->isUndoAvailable());
    m_redo->setEnabled(editable && m_field->isRedoAvailable());
    m_cut->setEnabled(editable && selected && m_field->echoMode() == QLineEdit::Normal);
    m_copy->setEnabled(selected && m_field->echoMode() == QLineEdit::Normal);
    // Narrowed to a clipboard with text when the menu shows; the field's own Ctrl+V needs no item.
    m_paste->setEnabled(editable);
    m_delete->setEnabled(editable && selected);
    m_selectAll->setEnabled(field && !m_field->text().isEmpty());
}
