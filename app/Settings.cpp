#include "Settings.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

QString Organisation()
{
    const QString name = QCoreApplication::organizationName();
    return name.isEmpty() ? QStringLiteral("Orvane") : name;
}

} // namespace

void WriteSettingText(const QString& section, const QString& key, const QString& text)
{
    QSettings settings(Organisation(), QCoreApplication::applicationName());
    settings.beginGroup(section);
    // A null text would be stored as no value; an empty one must come back empty.
    settings.setValue(key, text.isNull() ? QStringLiteral("") : text);
}

QString ReadSettingText(const QString& section, const QString& key, const QString& defaultText)
{
    QSettings settings(Organisation(), QCoreApplication::applicationName());
    settings.beginGroup(section);
    return settings.value(key, defaultText).toString();
}
