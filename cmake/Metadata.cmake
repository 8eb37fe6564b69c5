# The application's identity, in one place. The Linux information dictionary, the desktop entry,
# the AppStream metadata, the macOS Info.plist and the Windows version resource are all made from it.
set(PILLOWROCK_APP_ID "com.vestrandi.Pillowrock")
set(PILLOWROCK_DISPLAY_NAME "Pillowrock")
set(PILLOWROCK_BUNDLE_NAME "Pillowrock")
# The organisation: the settings folder and the Settings window are named after it.
set(PILLOWROCK_ORGANIZATION "Vestrandi")
set(PILLOWROCK_VENDOR "Vestrandi's Inc.")
set(PILLOWROCK_BUILD_NUMBER "1" CACHE STRING "Build number shown beside the version")
set(PILLOWROCK_COPYRIGHT "Copyright © 2026 Vestrandi's Inc. All rights reserved.")
set(PILLOWROCK_RELEASE_DATE "2026-12-06")
