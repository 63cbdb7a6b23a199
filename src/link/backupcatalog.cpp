#include "backupcatalog.h"

#include "image/choicetexts.h"
#include "image/codec.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

BackupEntry entryOf(const QFileInfo &file)
{
    BackupEntry entry;
    entry.path = file.filePath();
    entry.taken = BackupTime(file.fileName()).value_or(file.lastModified());
    entry.size = file.size();
    const auto image = ReadCodePlanFile(entry.path);
    if (const auto *error = std::get_if<FileError>(&image)) {
        entry.error = *error;
        return entry;
    }
    // A band code that names no band leaves the band unknown.
    CodePlan plan;
    plan.band = -1;
    DecodeImage(plan, std::get<QByteArray>(image), ChoiceTexts::simplifiedChinese());
    entry.band = plan.band;
    entry.identification = ImageIdentification(std::get<QByteArray>(image));
    return entry;
}

} // namespace

std::optional<QDateTime> BackupTime(const QString &fileName)
{
    static const QRegularExpression named(u"^(\\d{4}-\\d\\d-\\d\\d_\\d{6})_"_s);
    const QRegularExpressionMatch match = named.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    const QDateTime taken = QDateTime::fromString(match.captured(1), u"yyyy-MM-dd_HHmmss"_s);
    return taken.isValid() ? std::optional(taken) : std::nullopt;
}

QList<BackupEntry> ListBackups(const QString &folder)
{
    QList<BackupEntry> entries;
    // Name filters ignore case: a file copied in by hand may be called .dat.
    for (const QFileInfo &file : QDir(folder).entryInfoList({u"*.DAT"_s}, QDir::Files | QDir::Hidden))
        entries << entryOf(file);
    std::stable_sort(entries.begin(), entries.end(), [](const BackupEntry &a, const BackupEntry &b) {
        return a.taken != b.taken ? a.taken > b.taken : a.path > b.path;
    });
    return entries;
}

} // namespace vm280
