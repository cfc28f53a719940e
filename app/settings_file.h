#pragma once

#include <QString>

namespace orv::app {

// The user's settings file (INI): the choices remembered from run to run.
QString SettingsPath();

}  // namespace orv::app
