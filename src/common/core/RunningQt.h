#pragma once

// Where Qt behaves differently between the releases the app runs on. Each answer comes from the
// Qt the process runs with, not the one it was built against: a package built on one release is
// still run after its Qt has been upgraded. Each entry goes once the oldest Qt built for is past
// the version it names.
namespace RunningQt {

// Before Qt 6.8, QIcon hands an icon engine's scaledPixmap its size in device pixels; from 6.8 on,
// in device-independent pixels.
bool iconEngineSizeInDevicePixels();

// From Qt 6.8, restoreGeometry also shrinks a frame that the screen it lands on cannot hold.
bool restoreGeometryFitsScreen();

// From Qt 6.8, a StatusNotifierItem tray icon registers with a panel (a watcher) that appears
// after it was made; before, one made without a panel never shows.
bool trayIconWaitsForPanel();

} // namespace RunningQt
