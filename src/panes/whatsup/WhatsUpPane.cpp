#include "WhatsUpPane.h"

#include "common/SymbolIcon.h"
#include "common/core/PrintLine.h"
#include "panes/whatsup/core/GreetingFilter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QAction *printingAction(const QString &objectName, const QString &symbol, const QString &text,
                        QObject *parent)
{
    auto *action = new QAction(symbolIcon(symbol), text, parent);
    action->setObjectName(objectName);
    QObject::connect(action, &QAction::triggered, parent, [] { printLine(u"Action!"_s); });
    return action;
}

} // namespace

WhatsUpPane::WhatsUpPane(QWidget *parent)
    : Pane(new QWidget, parent)
    , m_names(greetingNames())
    , m_greetings(new QVBoxLayout(content()))
    , m_searchField(new QLineEdit)
    , m_suggestionModel(new QStringListModel(this))
    , m_completer(new QCompleter(m_suggestionModel, this))
{
    setObjectName(u"whatsUpPane"_s);
    setSubtitle(tr("What's Up?"));
    content()->setObjectName(u"greetingList"_s);
    m_greetings->setContentsMargins(0, 0, 0, 0);
    m_greetings->setSpacing(10);

    m_searchField->setObjectName(u"greetingSearchField"_s);
    m_searchField->setAccessibleName(tr("Search"));
    m_searchField->setPlaceholderText(tr("Search"));
    m_searchField->setClearButtonEnabled(true);
    m_searchField->setFixedWidth(200);
    connect(m_searchField, &QLineEdit::textChanged, this, &WhatsUpPane::setSearchText);

    // The model holds exactly the filtered names, so the popup shows it as it is. The field is
    // only the completer's widget, not its owner: highlighting a suggestion must not rewrite the
    // search text under the popup, only choosing one does.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setWidget(m_searchField);
    m_completer->popup()->setObjectName(u"greetingSuggestions"_s);
    m_completer->popup()->setAccessibleName(tr("Suggestions"));
    connect(m_searchField, &QLineEdit::textEdited, this, &WhatsUpPane::offerSuggestions);
    m_searchField->installEventFilter(this);
    connect(m_completer, qOverload<const QString &>(&QCompleter::activated), m_searchField,
            &QLineEdit::setText);

    addToolbarItem(m_searchField);
    addToolbarAction(printingAction(u"shareAction"_s, u"square.and.arrow.up"_s, tr("Share"), this));
    addToolbarAction(printingAction(u"trashAction"_s, u"trash"_s, tr("Delete"), this));
    addToolbarAction(printingAction(u"hammerAction"_s, u"hammer"_s, tr("Build"), this));

    showNames(m_names);
}

void WhatsUpPane::setSearchText(const QString &text)
{
    if (text == m_searchText)
        return;
    m_searchText = text;
    showNames(filteredNames(m_names, m_searchText));
}

// The greeting list and the suggestions both show the same filtered names, computed once.
void WhatsUpPane::showNames(const QStringList &names)
{
    m_suggestionModel->setStringList(names);
    while (QLayoutItem *item = m_greetings->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const QString &name : names) {
        auto *greeting = new QLabel(tr("What's up, %1?").arg(name), content());
        greeting->setObjectName(u"greeting"_s);
        m_greetings->addWidget(greeting, 0, Qt::AlignHCenter);
    }
}

void WhatsUpPane::offerSuggestions(const QString &text)
{
    // The field may report the edit before the change, so take the text from the edit.
    setSearchText(text);
    if (m_suggestionModel->rowCount() == 0)
        m_completer->popup()->hide();
    else
        m_completer->complete();
}

bool WhatsUpPane::eventFilter(QObject *watched, QEvent *event)
{
    // Coming into the empty field offers every name, as typing does the matching ones; the focus
    // that returns when the popup closes does not open it again.
    if (watched == m_searchField && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (m_searchText.isEmpty() &&
            (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
             reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason))
            offerSuggestions(QString());
    }
    return Pane::eventFilter(watched, event);
}
