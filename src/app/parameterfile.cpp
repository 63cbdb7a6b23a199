#include "parameterfile.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace

QString ParameterFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/parameter"_s;
}

ParameterFile::ReadResult ParameterFile::read(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {Parameters{false}, std::nullopt};
    const auto read = ReadFileHead(path, kBytes);
    if (const auto *problem = std::get_if<FileProblem>(&read))
        return {Parameters{false}, *problem};
    const QByteArray &bytes = std::get<QByteArray>(read);
    if (bytes.size() < kBytes)
        return {Parameters{false},
                FileProblem{FileProblem::Other, path, u"%1 of its 3 bytes present"_s.arg(bytes.size())}};
    return {decode(bytes), std::nullopt};
}

std::optional<FileProblem> ParameterFile::write(const QString &path, const Parameters &parameters)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return FileProblem{FileProblem::Other, folder, u"the folder cannot be created"_s};
    const char bytes[kBytes] = {char(parameters.locked.value_or(false) ? 1 : 0), char(quint8(parameters.PortNumber)),
                                char(parameters.language)};
    return WriteWholeFile(path, QByteArrayView(bytes, kBytes));
}

} // namespace vm280
