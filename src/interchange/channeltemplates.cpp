#include "channeltemplates.h"

#include "channelsource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

const QString kInDataFolder = u"vm280/templates"_s;

} // namespace

QString UserTemplateFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(kInDataFolder);
}

QStringList TemplateFolders()
{
    QStringList folders{UserTemplateFolder()};
    // The program's own folder is only known once the application object exists.
    if (QCoreApplication::instance()) {
        const QDir programDir(QCoreApplication::applicationDirPath());
        folders << programDir.filePath(u"templates"_s)
                << QDir::cleanPath(programDir.filePath(QString::fromUtf8(VM280_DATA_FROM_PROGRAM) + u'/' +
                                                       kInDataFolder));
    }
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(folder).filePath(kInDataFolder);
    folders.removeDuplicates();
    return folders;
}

QList<ChannelTemplate> FindTemplates(const QStringList &folders)
{
    QList<ChannelTemplate> templates;
    for (const QString &folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &file : files) {
            const QString name = file.completeBaseName();
            const bool known =
                std::any_of(templates.cbegin(), templates.cend(), [&name](const ChannelTemplate &t) {
                    return t.name.compare(name, Qt::CaseInsensitive) == 0;
                });
            if (ChannelFileFormatOf(file.fileName()) && !name.isEmpty() && !known)
                templates.append({name, file.absoluteFilePath()});
        }
    }
    std::sort(templates.begin(), templates.end(), [](const ChannelTemplate &a, const ChannelTemplate &b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return templates;
}

std::optional<ChannelTemplate> FindTemplate(QStringView name, const QStringList &folders)
{
    for (const ChannelTemplate &found : FindTemplates(folders)) {
        if (found.name.compare(name, Qt::CaseInsensitive) == 0)
            return found;
    }
    return std::nullopt;
}

std::variant<ImportChoice, ImportError> OpenTemplate(const QString &path, const CodePlan &plan,
                                                     const ChoiceTexts &texts)
{
    const auto format = ChannelFileFormatOf(path);
    if (!format)
        return ImportError{ImportError::BadInput,
                           0,
                           0,
                           {u"应为 .csv、.json 或 .dat 文件"_s, u"a .csv, .json or .dat file expected"_s}};
    auto source = ReadChannelSource(path, *format, plan, texts);
    if (const auto *error = std::get_if<ImportError>(&source))
        return *error;
    ImportChoice choice(std::get<ChannelSource>(std::move(source)).list, plan.band);
    choice.fitBand(plan.band);
    return choice;
}

} // namespace vm280
