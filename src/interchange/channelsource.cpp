#include "channelsource.h"

#include "planjson.h"

#include "image/codec.h"
#include "image/codeplanfile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

std::variant<ChannelSource, ImportError> fromCsv(const QByteArray &bytes)
{
    const auto text = CsvText(bytes);
    if (const auto *error = std::get_if<InputError>(&text))
        return ImportError::badInput(*error);
    auto list = ChannelList::fromCsv(std::get<QString>(text));
    if (const auto *error = std::get_if<InputError>(&list))
        return ImportError::badInput(*error);
    return ChannelSource{std::get<ChannelList>(std::move(list)), std::nullopt};
}

std::variant<ChannelSource, ImportError> fromJson(const QByteArray &bytes, const CodePlan &base,
                                                  const ChoiceTexts &texts)
{
    ImportReport report;
    auto plan = PlanJson::read(bytes, base, texts, false, report);
    if (const auto *error = std::get_if<InputError>(&plan))
        return ImportError::badInput(*error);
    const CodePlan &read = std::get<CodePlan>(plan);
    return ChannelSource{ChannelList::fromPlan(read, texts), read};
}

std::variant<ChannelSource, ImportError> fromCodePlan(const QString &path, const CodePlan &base,
                                                      const ChoiceTexts &texts)
{
    const auto image = ReadCodePlanFile(path);
    if (const auto *error = std::get_if<FileError>(&image)) {
        if (error->kind == FileError::WrongType)
            return ImportError{ImportError::BadInput,
                               0,
                               0,
                               {u"文件类型不对，无法打开。"_s, u"Document type not to open."_s}};
        return ImportError{error->kind == FileError::NotRegularFile ? ImportError::NotRegularFile
                                                                    : ImportError::FileFailure,
                           0,
                           0,
                           {error->detail, error->detail}};
    }
    CodePlan plan = base;
    DecodeImage(plan, std::get<QByteArray>(image), texts);
    return ChannelSource{ChannelList::fromPlan(plan, texts), plan};
}

} // namespace

std::optional<ChannelFileFormat> ChannelFileFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "csv"_L1)
        return ChannelFileFormat::ChirpCsv;
    if (suffix == "json"_L1)
        return ChannelFileFormat::JsonPlan;
    if (suffix == "dat"_L1)
        return ChannelFileFormat::CodePlan;
    return std::nullopt;
}

std::variant<ChannelSource, ImportError> ReadChannelSource(const QString &path, ChannelFileFormat format,
                                                           const CodePlan &base, const ChoiceTexts &texts)
{
    if (format == ChannelFileFormat::CodePlan)
        return fromCodePlan(path, base, texts);
    const auto bytes = ReadImportFile(path);
    if (const auto *error = std::get_if<ImportError>(&bytes))
        return *error;
    if (format == ChannelFileFormat::ChirpCsv)
        return fromCsv(std::get<QByteArray>(bytes));
    return fromJson(std::get<QByteArray>(bytes), base, texts);
}

} // namespace vm280
