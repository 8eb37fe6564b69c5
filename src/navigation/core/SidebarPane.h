#pragma once

// The panes the sidebar navigates to. "Nothing selected" is an empty std::optional<SidebarPane>,
// never a fourth value.
enum class SidebarPane {
    helloWorld,
    whatsUp,
    moreStuff,
};
