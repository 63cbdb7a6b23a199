#include "codeplanfile.h"

namespace vm280 {

namespace {

constexpr QByteArrayView kTag = "TRZ28";

FileError fileError(const FileProblem &problem)
{
    return {problem.kind == FileProblem::NotRegularFile ? FileError::NotRegularFile : FileError::Io,
            problem.reason};
}

} // namespace

FileProblem FileError::problem(const QString &path) const
{
    return {kind == NotRegularFile ? FileProblem::NotRegularFile : FileProblem::Other, path, detail};
}

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
    const auto content = ReadFileHead(path, kCodePlanReadLimit);
    if (const auto *problem = std::get_if<FileProblem>(&content))
        return fileError(*problem);
    return ParseCodePlan(std::get<QByteArray>(content));
}

std::optional<FileError> WriteCodePlanFile(const QString &path, QByteArrayView image)
{
    if (const auto problem = WriteWholeFile(path, CodePlanBytes(image)))
        return fileError(*problem);
    return std::nullopt;
}

} // namespace vm280
