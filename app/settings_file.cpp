#include "app/settings_file.h"

#include <QStandardPaths>

#include "app/core/program_identity.h"

namespace orv::app {

QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/") + QString::fromLatin1(kAppId) + QStringLiteral("/settings.conf");
}

}  // namespace orv::app
