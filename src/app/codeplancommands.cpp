#include "codeplancommands.h"

#include "filechooser.h"

#include "image/codeplanfile.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace vm280 {

CodePlanCommands::CodePlanCommands(QWidget *window, const PlanDocument &document, QObject *parent)
    : QObject(parent), m_window(window), m_document(document)
{}

void CodePlanCommands::newPlan()
{
    if (!askToSaveChanges())
        return;
    const int answer = ShowMsgbox(ShownText(u"所有信道的数据将被清除！", u"All channel data will be clear."),
                                  MsgboxOkCancel + MsgboxExclamation + MsgboxDefaultButton2,
                                  ShownText(u"警告", u"Warnning"));
    if (answer != MsgboxCancel)
        m_document.clearChannels();
}

void CodePlanCommands::openPlan()
{
    const QString path = ChooseCodePlanFile(m_window, FileChoice::Open, m_currentFile);
    if (!path.isEmpty())
        openFile(path);
}

bool CodePlanCommands::openFile(const QString &path)
{
    const auto image = readFile(path);
    if (!image)
        return false;
    // Asked once the file is known to be a plan: a file that cannot be opened asks nothing.
    if (!askToSaveChanges())
        return false;
    m_document.decode(*image);
    useFile(path);
    return true;
}

std::optional<QByteArray> CodePlanCommands::readFile(const QString &path)
{
    auto read = ReadCodePlanFile(path);
    if (const auto *error = std::get_if<FileError>(&read)) {
        // The message says nothing of the file; the box names it under the message.
        if (error->kind == FileError::WrongType)
            ShowMsgbox(ShownText(u"文件类型不对，无法打开。", u"Document type not to open."), MsgboxOkOnly,
                       QString(), {}, QDir::toNativeSeparators(path));
        else
            ShowMsgbox(FileFailureText(FileChoice::Open, error->problem(path)), MsgboxOkOnly + MsgboxStop);
        return std::nullopt;
    }
    return std::get<QByteArray>(std::move(read));
}

bool CodePlanCommands::savePlan()
{
    if (m_document.mayStore && !m_document.mayStore())
        return false;
    const QString path = chooseSaveTarget();
    if (path.isEmpty())
        return false;
    if (const auto error = WriteCodePlanFile(path, m_document.encode())) {
        ShowMsgbox(FileFailureText(FileChoice::Save, error->problem(path)), MsgboxOkOnly + MsgboxStop);
        return false;
    }
    useFile(path);
    return true;
}

void CodePlanCommands::useFile(const QString &path)
{
    m_currentFile = QFileInfo(path).absoluteFilePath();
    m_document.fileShown(m_currentFile);
    emit fileUsed(m_currentFile);
}

bool CodePlanCommands::askToSaveChanges()
{
    if (!m_document.modified || !m_document.modified())
        return true;
    const QStringList captions{ShownText(u"保存", u"Save"), ShownText(u"不保存", u"Discard"),
                               ShownText(u"取消", u"Cancel")};
    const int answer = ShowMsgbox(ShownText(u"保存更改？", u"Save changes?"),
                                  MsgboxYesNoCancel + MsgboxQuestion, QString(), captions);
    if (answer == MsgboxYes)
        return savePlan();
    return answer == MsgboxNo;
}

QString CodePlanCommands::chooseSaveTarget()
{
    for (;;) {
        const QString path = ChooseCodePlanFile(m_window, FileChoice::Save, m_currentFile);
        if (path.isEmpty() || MayReplaceFile(path))
            return path;
    }
}

} // namespace vm280
