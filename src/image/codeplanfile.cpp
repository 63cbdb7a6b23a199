#include "codeplanfile.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr QByteArrayView kTag = "TRZ28";

} // namespace

std::variant<QByteArray, FileError> ParseCodePlan(QByteArrayView fileBytes)
{
    const QByteArrayView content = fileBytes.first(std::min<qsizetype>(fileBytes.size(), kCodePlanReadLimit));
    if (!content.startsWith(kTag) || content.size() < kCodePlanMinimumBytes)
        return FileError{FileError::WrongType, {}};
    return content.sliced(kTag.size()).toByteArray().toHex().toUpper();
}

QByteArray CodePlanBytes(QByteArrayView image)
{
    return kTag.toByteArray() + QByteArray::fromHex(image.toByteArray());
}

std::variant<QByteArray, FileError> ReadCodePlanFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileError{FileError::Io, file.errorString()};
    const QByteArray content = file.read(kCodePlanReadLimit);
    if (file.error() != QFileDevice::NoError)
        return FileError{FileError::Io, file.errorString()};
    return ParseCodePlan(content);
}

std::optional<FileError> WriteCodePlanFile(const QString &path, QByteArrayView image)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileError{FileError::Io, file.errorString()};
    const QByteArray bytes = CodePlanBytes(image);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return FileError{FileError::Io, file.errorString()};
    return std::nullopt;
}

} // namespace vm280
