#pragma once

#include <QString>

namespace orv::app {

// The user's settings file (INI): the choices remembered from run to run.
QString SettingsPath();

// A switch remembered in the settings file under `key`; `fallback` when
// the file has none.
bool RememberedSwitch(const QString& key, bool fallback);
// False when the settings could not be written.
bool RememberSwitch(const QString& key, bool on);

}  // namespace orv::app
