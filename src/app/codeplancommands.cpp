#include "codeplancommands.h"

#include "filechooser.h"
#include "languagemode.h"
#include "msgbox.h"

#include "editor/localtext.h"
#include "image/codeplanfile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString text(QStringView chinese, QStringView english)
{
    return LocalText(LanguageMode(), chinese, english);
}

// The reason a file failed, naming the file.
QString failureText(const QString &path, const FileError &error, bool saving)
{
    const QString name = QDir::toNativeSeparators(path);
    if (saving)
        return text(u"无法保存文件 %1：%2", u"Cannot save the file %1: %2").arg(name, error.detail);
    return text(u"无法打开文件 %1：%2", u"Cannot open the file %1: %2").arg(name, error.detail);
}

} // namespace

CodePlanCommands::CodePlanCommands(QWidget *window, const PlanDocument &document, QObject *parent)
    : QObject(parent), m_window(window), m_document(document)
{}

void CodePlanCommands::newPlan()
{
    const int answer = ShowMsgbox(text(u"所有信道的数据将被清除！", u"All channel data will be clear."),
                                  MsgboxOkCancel + MsgboxExclamation + MsgboxDefaultButton2,
                                  text(u"警告", u"Warnning"));
    if (answer != MsgboxCancel)
        m_document.clearChannels();
}

void CodePlanCommands::openPlan()
{
    const QString path = ChooseCodePlanFile(m_window, FileChoice::Open);
    if (!path.isEmpty())
        openFile(path);
}

bool CodePlanCommands::openFile(const QString &path)
{
    const auto image = readFile(path);
    if (!image)
        return false;
    m_document.decode(*image);
    emit fileUsed(QFileInfo(path).absoluteFilePath());
    return true;
}

std::optional<QByteArray> CodePlanCommands::readFile(const QString &path)
{
    auto read = ReadCodePlanFile(path);
    if (const auto *error = std::get_if<FileError>(&read)) {
        if (error->kind == FileError::WrongType)
            ShowMsgbox(text(u"文件类型不对，无法打开。", u"Document type not to open."), MsgboxOkOnly);
        else
            ShowMsgbox(failureText(path, *error, false), MsgboxOkOnly + MsgboxStop);
        return std::nullopt;
    }
    return std::get<QByteArray>(std::move(read));
}

void CodePlanCommands::savePlan()
{
    const QString path = chooseSaveTarget();
    if (path.isEmpty())
        return;
    if (const auto error = WriteCodePlanFile(path, m_document.encode())) {
        ShowMsgbox(failureText(path, *error, true), MsgboxOkOnly + MsgboxStop);
        return;
    }
    const QString saved = QFileInfo(path).absoluteFilePath();
    m_document.savedAs(saved);
    emit fileUsed(saved);
}

QString CodePlanCommands::chooseSaveTarget()
{
    for (;;) {
        const QString path = ChooseCodePlanFile(m_window, FileChoice::Save);
        if (path.isEmpty() || !QFileInfo::exists(path))
            return path;
        const int answer = ShowMsgbox(text(u"该文件已存在，是否覆盖？", u"This file already exists, whether to cover?"),
                                      MsgboxYesNo + MsgboxQuestion);
        if (answer != MsgboxNo)
            return path;
    }
}

} // namespace vm280
