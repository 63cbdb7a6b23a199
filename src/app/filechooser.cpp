#include "filechooser.h"

#include "ui/apptitle.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"
#include "ui/screenfit.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

FileChooser g_chooser;

} // namespace

ChosenFile ChooseFile(QWidget *parent, const FileRequest &request)
{
    if (g_chooser)
        return g_chooser(request);
    const bool open = request.choice == FileChoice::Open;
    QFileDialog dialog(parent);
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The tool asks its own overwrite question.
    dialog.setOption(open ? QFileDialog::ReadOnly : QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(request.filters);
    if (!request.proposed.isEmpty()) {
        const QFileInfo proposed(request.proposed);
        dialog.setDirectory(proposed.absolutePath());
        if (!open)
            dialog.selectFile(proposed.fileName());
    }
    FitOnScreen(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(),
            std::max(0, static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())))};
}

QString ChooseCodePlanFile(QWidget *parent, FileChoice choice, const QString &proposed)
{
    // The filter named after the product; a plan copied under another name opens too.
    QStringList filters{ApplicationTitle() + u"(*.DAT)"_s};
    if (choice == FileChoice::Open)
        filters << ShownText(u"所有文件 (*)", u"All files (*)");
    const QString path = ChooseFile(parent, {choice, filters, proposed}).path;
    if (choice == FileChoice::Open || path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path.endsWith(u'.') ? path + u"DAT"_s : path + u".DAT"_s;
}

bool MayReplaceFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    const int answer =
        ShowMsgbox(ShownText(u"该文件已存在，是否覆盖？", u"This file already exists, whether to cover?"),
                   MsgboxYesNo + MsgboxQuestion);
    return answer != MsgboxNo;
}

namespace {

// The system's reasons come in its own words; the tool's own reason is given in the window's.
QString reasonText(const FileProblem &problem)
{
    if (problem.kind == FileProblem::NotRegularFile)
        return ShownText(u"不是普通文件", u"not a regular file");
    return problem.reason;
}

} // namespace

QString FileProblemText(const FileProblem &problem)
{
    return QDir::toNativeSeparators(problem.path) + u": "_s + reasonText(problem);
}

QString FileFailureText(FileChoice choice, const FileProblem &problem)
{
    const QString name = QDir::toNativeSeparators(problem.path);
    if (choice == FileChoice::Save)
        return ShownText(u"无法保存文件 %1：%2", u"Cannot save the file %1: %2")
            .arg(name, reasonText(problem));
    return ShownText(u"无法打开文件 %1：%2", u"Cannot open the file %1: %2").arg(name, reasonText(problem));
}

bool SaveCsvFile(QWidget *parent, QByteArrayView bytes)
{
    const FileRequest request{
        FileChoice::Save, {ShownText(u"CSV 文件 (*.csv)", u"CSV file (*.csv)")}, QString()};
    for (;;) {
        QString path = ChooseFile(parent, request).path;
        if (path.isEmpty())
            return false;
        if (!path.endsWith(u".csv"_s, Qt::CaseInsensitive))
            path += u".csv"_s;
        if (!MayReplaceFile(path))
            continue;
        if (const auto problem = WriteWholeFile(path, bytes)) {
            ShowMsgbox(FileFailureText(FileChoice::Save, *problem), MsgboxOkOnly + MsgboxStop);
            return false;
        }
        return true;
    }
}

void SetFileChooser(FileChooser chooser)
{
    g_chooser = std::move(chooser);
}

} // namespace vm280
