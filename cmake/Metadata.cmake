# The application's identity, in one place. The Linux information dictionary, the desktop entry,
# the AppStream metadata, the macOS Info.plist, the Windows version resource, the Debian package,
# its copyright file and changelog, and the manual page are all made from it.
set(PILLOWROCK_APP_ID "com.vestrandi.Pillowrock")
set(PILLOWROCK_DISPLAY_NAME "Pillowrock")
set(PILLOWROCK_BUNDLE_NAME "Pillowrock")
set(PILLOWROCK_EXECUTABLE "${PROJECT_NAME}")
set(PILLOWROCK_PACKAGE_NAME "${PROJECT_NAME}")
# The organisation the settings folder is named after, under the user's configuration folder.
set(PILLOWROCK_ORGANIZATION "Vestrandi")
set(PILLOWROCK_VENDOR "Vestrandi's Inc.")
set(PILLOWROCK_MAINTAINER "Vestrandi's Inc. <support@vestrandi.example>")
set(PILLOWROCK_BUILD_NUMBER "1" CACHE STRING "Build number shown beside the version")
set(PILLOWROCK_COPYRIGHT "Copyright © 2026 Vestrandi's Inc. All rights reserved.")
set(PILLOWROCK_RELEASE_DATE "2026-12-06")
# One line that names what the app is (package lists show it; no leading article), then
# paragraphs, wrapped by hand within 79 columns as Debian's package description wants them.
set(PILLOWROCK_SUMMARY "Small, complete desktop application frame on Qt 6 Widgets")
string(JOIN "\n" PILLOWROCK_DESCRIPTION
    "${PILLOWROCK_DISPLAY_NAME} is a starting point for desktop programs: a main window"
    "whose sidebar navigates three panes, a tray icon with a popup and a menu, an"
    "always-on-top choice that is remembered, Settings, About and Attributions"
    "windows, a tab-separated export and file drops."
    ""
    "Its contents are placeholders; the frame is the product. Every part works on a"
    "real desktop, on X11 and on Wayland, in light and dark appearances, in English"
    "and in German.")
