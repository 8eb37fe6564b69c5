# The application's identity: the one file that names the app. Everything else that shows or uses
# its name, organisation, id or version is made from it at configure time (cmake/Derived.cmake).
# `scripts/make-it-yours` rewrites the first five values; edit the others here by hand.
set(APP_NAME "Pillowrock")
set(APP_EXECUTABLE "pillowrock")
set(APP_ORGANIZATION "Vestrandi")
set(APP_ID "com.vestrandi.Pillowrock")
set(APP_VERSION "1.0.0")
set(APP_BUILD_NUMBER "1" CACHE STRING "Build number shown beside the version")
# The folder that holds the settings, under the user's configuration folder.
set(APP_ORGANIZATION_FOLDER "${APP_ORGANIZATION}")
set(APP_COPYRIGHT_HOLDER "Vestrandi's Inc.")
set(APP_COPYRIGHT_YEAR "2026")
set(APP_RELEASE_DATE "2026-12-06")
set(APP_HOMEPAGE "https://vestrandi.example/pillowrock")
set(APP_CONTACT "support@vestrandi.example")
# One line that names what the app is (package lists show it; no leading article), then
# paragraphs, wrapped by hand within 79 columns as Debian's package description wants them.
set(APP_SUMMARY "Small, complete desktop application frame on Qt 6 Widgets")
string(JOIN "\n" APP_DESCRIPTION
    "${APP_NAME} is a starting point for desktop programs: a main window"
    "whose sidebar navigates three panes, a tray icon with a popup and a menu, an"
    "always-on-top choice that is remembered, Settings, About and Attributions"
    "windows, a tab-separated export and file drops."
    ""
    "Its contents are placeholders; the frame is the product. Every part works on a"
    "real desktop, on X11 and on Wayland, in light and dark appearances, in English"
    "and in German.")
