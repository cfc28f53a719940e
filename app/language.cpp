#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "app/core/language.h"
#include "app/form_look.h"
#include "app/settings_file.h"

namespace orv::app {

namespace {

std::string& Language() {
    static std::string language = kEnglish;
    return language;
}

// Installs a translator of `file` for `language` from `folder`, if there is one.
void InstallTranslator(const QString& file, const std::string& language, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QString::fromStdString(language)), file, QStringLiteral("_"),
                         folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace

void SetUpLanguage(const std::optional<std::string>& requested) {
    std::vector<std::string> desktop;
    for (const QString& language : QLocale::system().uiLanguages()) {
        desktop.push_back(language.toStdString());
    }
    Language() = ChooseLanguage(requested, RememberedLanguage(), desktop,
                                InstalledLanguages(ProgramFolder()));
    if (Language() == kEnglish) {
        return;
    }
    const QLocale locale(QString::fromStdString(Language()));
    QLocale::setDefault(locale);
    InstallTranslator(QStringLiteral("qtbase"), Language(),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const QString folder =
        FromFilePath(ProgramFolder()) + QLatin1Char('/') + QString::fromStdString(Language());
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("orvtest"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

const std::string& RunLanguage() {
    return Language();
}

std::vector<std::string> AvailableLanguages() {
    std::vector<std::string> languages = {kEnglish};
    for (const std::string& code : InstalledLanguages(ProgramFolder())) {
        languages.push_back(code);
    }
    return languages;
}

QString LanguageName(const std::string& code) {
    // The program's own English, not a country's.
    if (code == kEnglish) {
        return QStringLiteral("English");
    }
    const QLocale locale(QString::fromStdString(code));
    QString name = locale.nativeLanguageName();
    if (name.isEmpty()) {
        return QString::fromStdString(code);
    }
    const QString territory = locale.nativeTerritoryName();
    if (code.find('_') != std::string::npos) {
        name += QStringLiteral(" (") + territory + QLatin1Char(')');
    } else if (!territory.isEmpty() && name.endsWith(QLatin1Char(' ') + territory)) {
        // Qt names some languages as spoken in one country ("español de
        // España"); a folder without a region speaks the language as a whole.
        name.chop(territory.size() + 1);
        const qsizetype space = name.lastIndexOf(QLatin1Char(' '));
        if (space > 0 && name.size() - space <= 4) {  // "de", "of"
            name.truncate(space);
        }
    }
    // "Português (Brasil)": a language named in a menu begins with a capital.
    name[0] = name[0].toUpper();
    return name;
}

std::string RememberedLanguage() {
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
    return settings.value(QStringLiteral("language")).toString().toStdString();
}

bool RememberLanguage(const std::string& code) {
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("language"), QString::fromStdString(code));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string RunLanguageFile(const std::string& name) {
    return LanguageFile(ProgramFolder(), RunLanguage(), name);
}

}  // namespace orv::app
