#include "results/result_names.h"

#include <QCoreApplication>

namespace orv::results {

QString NamesLine(const ProfileView& view) {
    const auto name = [](const Profile& profile) {
        return profile.name.empty() ? QCoreApplication::translate("Profile", "no name")
                                    : QString::fromStdString(profile.name);
    };
    if (!view.earlier) {
        return view.later.name.empty()
                   ? QString()
                   : QCoreApplication::translate("Profile", "Result of %1").arg(name(view.later));
    }
    if (view.earlier->name.empty() && view.later.name.empty()) {
        return {};
    }
    return QCoreApplication::translate("Profile",
                                       "Earlier result (paler bars): %1. Later result: %2.")
        .arg(name(*view.earlier), name(view.later));
}

}  // namespace orv::results
