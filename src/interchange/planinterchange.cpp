#include "planinterchange.h"

#include "chirpcsv.h"
#include "planjson.h"

#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

ImportError tooLarge()
{
    return {ImportError::BadInput,
            0,
            0,
            {u"文件大于 16 MiB，远超任何信道表，未读取"_s,
             u"the file is larger than 16 MiB, far more than any channel list; it was not read"_s}};
}

ImportError fileFailure(const FileProblem &problem)
{
    return {problem.kind == FileProblem::NotRegularFile ? ImportError::NotRegularFile
                                                        : ImportError::FileFailure,
            0,
            0,
            {problem.reason, problem.reason}};
}

std::variant<CodePlan, InputError> readCsv(QByteArrayView bytes, const CodePlan &base,
                                           const ImportOptions &options, const ChoiceTexts &texts,
                                           ImportReport &report)
{
    const auto text = CsvText(bytes);
    if (const auto *error = std::get_if<InputError>(&text))
        return *error;
    return ChirpCsv::read(std::get<QString>(text), base, options, texts, report);
}

} // namespace

ImportError ImportError::badInput(const InputError &error)
{
    return {BadInput, error.line, error.column, error.reason};
}

QString ImportError::message(const QString &fileName, Language language) const
{
    // A quoted CSV field may hold line breaks; the message stays one line.
    const QString text = reason.in(language).replace(u'\n', u"\\n"_s).replace(u'\r', u"\\r"_s);
    if (line <= 0)
        return u"%1: %2"_s.arg(fileName, text);
    return u"%1:%2:%3: %4"_s.arg(fileName).arg(line).arg(column).arg(text);
}

FileProblem ImportError::problem(const QString &path) const
{
    return {kind == NotRegularFile ? FileProblem::NotRegularFile : FileProblem::Other, path, reason.english};
}

std::variant<QString, InputError> CsvText(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return InputError{0, 0, {u"文件不是 UTF-8 文本"_s, u"the file is not UTF-8 text"_s}};
    return text;
}

std::variant<QByteArray, ImportError> ReadImportFile(const QString &path)
{
    if (QFileInfo(path).size() > kMaxImportBytes)
        return tooLarge();
    // One byte beyond the limit tells a file that grew since its size was asked.
    auto bytes = ReadFileHead(path, kMaxImportBytes + 1);
    if (const auto *problem = std::get_if<FileProblem>(&bytes))
        return fileFailure(*problem);
    if (std::get<QByteArray>(bytes).size() > kMaxImportBytes)
        return tooLarge();
    return std::get<QByteArray>(std::move(bytes));
}

ImportResult ImportPlan(QByteArrayView bytes, InterchangeFormat format, const CodePlan &base,
                        const ImportOptions &options, const ChoiceTexts &texts)
{
    ImportResult result{base, {}};
    result.report.format = format;
    result.report.band = base.band;
    if (bytes.size() > kMaxImportBytes) {
        result.plan = tooLarge();
        return result;
    }
    auto plan = format == InterchangeFormat::Json
                    ? PlanJson::read(bytes, base, texts, options.strict, result.report)
                    : readCsv(bytes, base, options, texts, result.report);
    if (const auto *error = std::get_if<InputError>(&plan)) {
        result.plan = ImportError::badInput(*error);
        return result;
    }
    result.plan = std::get<CodePlan>(std::move(plan));
    result.report.band = std::get<CodePlan>(result.plan).band;
    return result;
}

ImportResult ImportPlanFile(const QString &path, const CodePlan &base, const ImportOptions &options,
                            const ChoiceTexts &texts)
{
    const auto format = InterchangeFormatOf(path);
    if (!format)
        return {ImportError{ImportError::BadInput,
                            0,
                            0,
                            {u"应为 .json 或 .csv 文件"_s, u"a .json or .csv file expected"_s}},
                {}};
    const auto bytes = ReadImportFile(path);
    if (const auto *error = std::get_if<ImportError>(&bytes)) {
        ImportResult result{*error, {}};
        result.report.format = *format;
        return result;
    }
    return ImportPlan(std::get<QByteArray>(bytes), *format, base, options, texts);
}

QByteArray ExportPlan(const CodePlan &plan, InterchangeFormat format, const ChoiceTexts &texts)
{
    return format == InterchangeFormat::Json ? PlanJson::write(plan, texts) : ChirpCsv::write(plan, texts);
}

} // namespace vm280
