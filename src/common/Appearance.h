#pragma once

class QPalette;

namespace Appearance {

// Whether the given palette belongs to a dark appearance. Qt 6.4 has no colour-scheme API, so the
// window colour decides; newer Qt asks the platform's style hints first.
bool isDark(const QPalette &palette);

} // namespace Appearance
