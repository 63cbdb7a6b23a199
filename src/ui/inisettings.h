#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace vm280 {

/// The ini file in which QSettings keeps the user's settings of organization (and application),
/// wherever QSettings::setPath put them, learnt without reading any settings file.
QString UserIniPath(const QString &organization, const QString &application = {});

/// The window's own settings: `vm280/vm280.ini` in the per-user configuration folder.
QString ToolSettingsPath();

/// The settings in the ini file at path, or nothing when path names a pipe, a folder or a device.
/// QSettings reads its file as it is made, and a pipe would keep it waiting for a writer for ever.
std::unique_ptr<QSettings> OpenIniSettings(const QString &path);

} // namespace vm280
