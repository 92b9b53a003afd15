#pragma once

#include <QString>

// The names the launcher's settings are kept under: the file
// $XDG_CONFIG_HOME/Vexa/Vexa.conf, section [Options].
namespace SettingNames {

inline const QString Application = QStringLiteral("Vexa");
inline const QString Section = QStringLiteral("Options");
// The folder the file list shows, written at every change of folder.
inline const QString RomPath = QStringLiteral("RomPath");
// The number of ROM files listed when the launcher closed.
inline const QString TotGames = QStringLiteral("TotGames");
// The emulator program picked with "Find vexa…", started instead of vexa on
// the PATH; absent or empty for vexa on the PATH.
inline const QString EmulatorPath = QStringLiteral("EmulatorPath");
// The library window's size and position (QWidget::saveGeometry, in base64).
inline const QString LibraryGeometry = QStringLiteral("LibraryGeometry");
// The regions whose version the library's row of a game shows first, best
// first: "World, USA, Europe, Japan" (RegionOrder::Text).
inline const QString LibraryRegionOrder = QStringLiteral("LibraryRegionOrder");
// "1" when the library shows one row per game, else one row per ROM.
inline const QString LibraryOneRowPerGame = QStringLiteral("LibraryOneRowPerGame");

// A key as QSettings names it, "Options/RomPath".
inline QString Path(const QString &key)
{
    return Section + QLatin1Char('/') + key;
}

} // namespace SettingNames
