#include "Panes.h"

#include "helloworld/HelloWorldPane.h"
#include "morestuff/MoreStuffPane.h"
#include "whatsup/WhatsUpPane.h"

#include "app/core/Preferences.h"

#include <QCoreApplication>

#include <type_traits>

namespace {

// A pane that shows a preference takes the preferences; the others take nothing.
template<typename P>
Pane *create(Preferences &preferences)
{
    if constexpr (std::is_constructible_v<P, Preferences &>)
        return new P(preferences);
    else
        return new P;
}

} // namespace

const QList<PaneRegistration> &registeredPanes()
{
    // Sections and titles are translated in the sidebar's context, where they are shown.
    static const QList<PaneRegistration> panes{
        {{SidebarPane::helloWorld, QT_TRANSLATE_NOOP("Sidebar", "General"),
          QT_TRANSLATE_NOOP("Sidebar", "Hello, World!"), "text.bubble"},
         create<HelloWorldPane>},
        {{SidebarPane::whatsUp, QT_TRANSLATE_NOOP("Sidebar", "General"),
          QT_TRANSLATE_NOOP("Sidebar", "What's Up?"), "questionmark.app.dashed"},
         create<WhatsUpPane>},
        {{SidebarPane::moreStuff, QT_TRANSLATE_NOOP("Sidebar", "More"),
          QT_TRANSLATE_NOOP("Sidebar", "More Stuff"), "ellipsis.circle"},
         create<MoreStuffPane>},
    };
    return panes;
}
