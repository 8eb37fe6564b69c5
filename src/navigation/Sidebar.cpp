#include "Sidebar.h"

#include "SidebarFooter.h"
#include "common/Appearance.h"
#include "common/Fonts.h"
#include "common/SymbolIcon.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int paneRole = Qt::UserRole;
constexpr int rowHeight = 28;

} // namespace

Sidebar::Sidebar(const QList<SidebarEntry> &entries, QWidget *parent)
    : QWidget(parent)
    , m_searchField(new QLineEdit(this))
    , m_list(new QListWidget(this))
    , m_footer(new SidebarFooter(this))
{
    setObjectName(u"sidebar"_s);
    setMinimumWidth(minimumWidth);
    setMaximumWidth(maximumWidth);

    m_searchField->setObjectName(u"sidebarSearchField"_s);
    m_searchField->setAccessibleName(tr("Search"));
    m_searchField->setPlaceholderText(tr("Search"));
    connect(m_searchField, &QLineEdit::textChanged, this, [this](const QString &text) {
        // The clear button only shows over text, and looking up its themed icon costs about a
        // quarter of the window's start-up: it is enabled when there is first something to clear.
        if (!text.isEmpty())
            m_searchField->setClearButtonEnabled(true);
    });

    m_list->setObjectName(u"sidebarList"_s);
    m_list->setAccessibleName(tr("Sidebar"));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideRight);
    // The column's own colour, so the list reads as a sidebar beside the white detail column.
    m_list->viewport()->setBackgroundRole(QPalette::Window);

    const char *section = nullptr;
    for (const SidebarEntry &entry : entries) {
        if (!section || qstrcmp(section, entry.section) != 0)
            addSection(tr(entry.section));
        section = entry.section;
        addEntry(entry);
    }
    colourSectionHeaders();

    connect(m_list, &QListWidget::itemSelectionChanged, this, &Sidebar::followListSelection);
    m_list->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *searchRow = new QVBoxLayout;
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    searchRow->setContentsMargins(margin, margin, margin, margin / 2);
    searchRow->addWidget(m_searchField);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    // Below the list, so the list scrolls in the room above it and the footer never moves.
    auto *footerRow = new QVBoxLayout;
    footerRow->setContentsMargins(margin, margin, margin, margin);
    footerRow->addWidget(m_footer);
    layout->addLayout(footerRow);
}

// Focusing the sidebar puts the keyboard on its entries, not in the search field. Not a focus
// proxy: Tab into a widget whose proxy is its list passes over the search field before the list.
void Sidebar::focusInEvent(QFocusEvent *event)
{
    m_list->setFocus(event->reason());
}

QListWidgetItem *Sidebar::itemFor(SidebarPane pane) const
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const QVariant tag = item->data(paneRole);
        if (tag.isValid() && tag.value<SidebarPane>() == pane)
            return item;
    }
    return nullptr;
}

void Sidebar::addSection(const QString &header)
{
    auto *item = new QListWidgetItem(header, m_list);
    // Headers name a group; they are neither selectable nor reached by the arrow keys.
    item->setFlags(Qt::NoItemFlags);
    QFont font = scaledFont(m_list->font(), 0.85);
    font.setBold(true);
    item->setFont(font);
    item->setSizeHint(QSize(0, rowHeight));
    item->setTextAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

void Sidebar::addEntry(const SidebarEntry &entry)
{
    auto *item =
        new QListWidgetItem(symbolIcon(QString::fromLatin1(entry.symbol)), tr(entry.title), m_list);
    item->setData(paneRole, QVariant::fromValue(entry.pane));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setSizeHint(QSize(0, rowHeight));
}

// Headers take no input, and the disabled text the style would draw them in cannot be read; they
// are subdued text instead, readable on the column in either appearance.
void Sidebar::colourSectionHeaders()
{
    const QPalette palette = m_list->palette();
    const QColor text = Appearance::subduedText(palette.color(QPalette::WindowText), 0.55,
                                                palette.color(QPalette::Window));
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->flags() == Qt::NoItemFlags)
            m_list->item(row)->setForeground(text);
    }
}

void Sidebar::followListSelection()
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        // Only entries change the selection, so show the selected one again if something cleared
        // it. Later, not now: assistive technology clears before it selects the new entry.
        QMetaObject::invokeMethod(this, &Sidebar::restoreSelection, Qt::QueuedConnection);
        return;
    }
    const auto pane = selected.constFirst()->data(paneRole).value<SidebarPane>();
    if (m_selection == pane)
        return;
    m_selection = pane;
    emit selectionChanged(pane);
}

void Sidebar::restoreSelection()
{
    if (m_selection && m_list->selectedItems().isEmpty())
        itemFor(*m_selection)->setSelected(true);
}

bool Sidebar::eventFilter(QObject *watched, QEvent *event)
{
    // The list's own palette, which it has only once Qt reaches it after the sidebar.
    if (watched == m_list && event->type() == QEvent::PaletteChange)
        colourSectionHeaders();
    // Coming into the list highlights the first entry without selecting it; the first arrow key
    // then selects that entry rather than skipping past it.
    if (watched == m_list && event->type() == QEvent::KeyPress && !m_selection) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        QListWidgetItem *current = m_list->currentItem();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && current &&
            current->flags().testFlag(Qt::ItemIsSelectable)) {
            current->setSelected(true);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
