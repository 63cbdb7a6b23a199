#include "parameterfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr qsizetype kBytes = 3;
constexpr int kLastPort = 20;
constexpr int kLastLanguage = int(Language::TraditionalChinese);

Parameters decode(const QByteArray &bytes)
{
    Parameters parameters;
    const auto lock = quint8(bytes[0]);
    if (lock <= 1)
        parameters.locked = lock == 1;
    const auto port = quint8(bytes[1]);
    parameters.PortNumber = port <= kLastPort ? port : 0;
    const auto language = quint8(bytes[2]);
    parameters.language = language <= kLastLanguage ? Language(language) : Language::SimplifiedChinese;
    return parameters;
}

QString describe(const QString &path, const QString &reason)
{
    return u"%1: %2"_s.arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QString ParameterFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/parameter"_s;
}

ParameterFile::ReadResult ParameterFile::read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {Parameters{false}, std::nullopt};
    if (!file.open(QIODevice::ReadOnly))
        return {Parameters{false}, describe(path, file.errorString())};
    const QByteArray bytes = file.read(kBytes);
    if (file.error() != QFileDevice::NoError)
        return {Parameters{false}, describe(path, file.errorString())};
    // Bytes beyond the end of a short file read as 0.
    return {decode(bytes.leftJustified(kBytes, '\0')), std::nullopt};
}

std::optional<QString> ParameterFile::write(const QString &path, const Parameters &parameters)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return describe(folder, u"the folder cannot be created"_s);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return describe(path, file.errorString());
    const char bytes[kBytes] = {char(parameters.locked.value_or(false) ? 1 : 0), char(quint8(parameters.PortNumber)),
                                char(parameters.language)};
    if (file.write(bytes, kBytes) != kBytes || !file.commit())
        return describe(path, file.errorString());
    return std::nullopt;
}

} // namespace vm280
