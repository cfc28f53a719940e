#include "app/locale_time.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace orv::app {

std::function<std::string(const LocalTime&)> LocaleTimeForm(const std::string& language) {
    const QLocale locale(QString::fromStdString(language));
    if (locale.language() == QLocale::C) {  // a code Qt does not know
        return ShownTime;
    }
    QString date = locale.dateFormat(QLocale::ShortFormat);
    // A day or month of one or two digits in two, a year of any length in four;
    // names of days and months (three letters or more) stay as they are.
    date.replace(QRegularExpression(QStringLiteral("(?<!d)d{1,2}(?!d)")), QStringLiteral("dd"));
    date.replace(QRegularExpression(QStringLiteral("(?<!M)M{1,2}(?!M)")), QStringLiteral("MM"));
    date.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    const QString time = locale.timeFormat(QLocale::ShortFormat);
    return [locale, date, time](const LocalTime& moment) {
        const QString shown =
            locale.toString(QDate(moment.year, moment.month, moment.day), date) + QLatin1Char(' ') +
            locale.toString(QTime(moment.hour, moment.minute, moment.second), time);
        return shown.toStdString();
    };
}

}  // namespace orv::app
