#include "sheetjobmemory.h"

#include <QFileInfo>
#include <QSettings>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QSettings userSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"vm280"_s, u"vm280"_s);
}

// The settings group of the plan: its absolute path, percent-encoded, so that the path's
// separators make no groups of their own.
QString groupOf(const QString &planPath)
{
    return u"SheetJobs/"_s +
           QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(planPath).absoluteFilePath()));
}

} // namespace

SheetJob RememberedSheetJob(const QString &planPath)
{
    if (planPath.isEmpty())
        return {};
    QSettings settings = userSettings();
    settings.beginGroup(groupOf(planPath));
    return {settings.value(u"Job"_s).toString(), settings.value(u"Note"_s).toString()};
}

void RememberSheetJob(const QString &planPath, const SheetJob &job)
{
    if (planPath.isEmpty())
        return;
    QSettings settings = userSettings();
    if (job.isEmpty()) {
        settings.remove(groupOf(planPath));
        return;
    }
    settings.beginGroup(groupOf(planPath));
    settings.setValue(u"Job"_s, job.name);
    settings.setValue(u"Note"_s, job.note);
}

} // namespace vm280
