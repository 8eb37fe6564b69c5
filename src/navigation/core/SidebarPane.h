#pragma once

// The panes the sidebar navigates to. "Nothing selected" is an empty std::optional<SidebarPane>,
// never a fourth value.
enum class SidebarPane {
    helloWorld,
    whatsUp,
    moreStuff,
};

// A pane's entry in the sidebar: its tag, the section it is listed under, its title and the symbol
// beside it. Section and title are the untranslated texts of the "Sidebar" context.
struct SidebarEntry
{
    SidebarPane pane;
    const char *section;
    const char *title;
    const char *symbol;
};
