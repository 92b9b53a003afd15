#include "Settings.h"

#include <QSettings>
#include <QStringList>

namespace {

QString SettingKey(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString ReadSetting(const QString &application, const QString &section, const QString &key,
                    const QString &defaultValue)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    const QVariant value = settings.value(SettingKey(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited value with unquoted commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool WriteSetting(const QString &application, const QString &section, const QString &key,
                  const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, application, application);
    settings.setValue(SettingKey(section, key), value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
