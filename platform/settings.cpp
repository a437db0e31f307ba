#include "platform/settings.h"

#include <QSettings>

namespace platform {

namespace {
QString Key(const QString& section, const QString& entry)
{
    return section + QLatin1Char('/') + entry;
}
}  // namespace

int ReadSettingInt(const QString& section, const QString& entry, int fallback)
{
    const QSettings store;
    const QVariant value = store.value(Key(section, entry));
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok, 10);
    return ok ? number : fallback;
}

void WriteSettingInt(const QString& section, const QString& entry, int value)
{
    QSettings store;
    store.setValue(Key(section, entry), value);
    store.sync();
}

}  // namespace platform
