#include "app/settings_file.h"

#include <QSettings>
#include <QStandardPaths>

#include "app/core/program_identity.h"

namespace orv::app {

QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/") + QString::fromLatin1(kAppId) + QStringLiteral("/settings.conf");
}

bool RememberedSwitch(const QString& key, bool fallback) {
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
    return settings.value(key, fallback).toBool();
}

bool RememberSwitch(const QString& key, bool on) {
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(key, on);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace orv::app
