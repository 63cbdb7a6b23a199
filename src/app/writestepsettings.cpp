#include "writestepsettings.h"

#include "ui/inisettings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

const QString kBackupKey = u"Write/BackUpBefore"_s;
const QString kVerifyKey = u"Write/VerifyAfter"_s;

// QVariant::toBool() takes an empty or hand-mangled value for "off", which would turn the backup
// off unasked: only the words QSettings writes, and 1 and 0, count.
bool flag(const QSettings &settings, const QString &key, bool absent)
{
    const QString text = settings.value(key).toString().toLower();
    if (text == "true"_L1 || text == "1"_L1)
        return true;
    if (text == "false"_L1 || text == "0"_L1)
        return false;
    return absent;
}

} // namespace

WriteStepSettings WriteStepSettings::load()
{
    const WriteStepSettings defaults;
    const auto settings = OpenIniSettings(ToolSettingsPath());
    if (!settings)
        return defaults;
    return {flag(*settings, kBackupKey, defaults.backup), flag(*settings, kVerifyKey, defaults.verify)};
}

void WriteStepSettings::save() const
{
    // Settings that cannot be stored are not worth a message: the write itself goes on.
    if (const auto settings = OpenIniSettings(ToolSettingsPath())) {
        settings->setValue(kBackupKey, backup);
        settings->setValue(kVerifyKey, verify);
    }
}

} // namespace vm280
