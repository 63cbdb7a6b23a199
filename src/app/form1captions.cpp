#include "form1captions.h"

#include "editor/channeledits.h"
#include "editor/channeltablemodel.h"
#include "image/choicetexts.h"
#include "image/settingcatalog.h"
#include "ui/apptitle.h"
#include "ui/mnemonics.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

struct Caption
{
    const char16_t *control;
    const char16_t *simplified;
    const char16_t *english;
};

// Menus and their items, frames and labels, by object name.
constexpr std::array kCaptions{
    Caption{u"mnuFile", u"文件(&F)", u"File(&F)"},
    Caption{u"mnuNew", u"新建(&N)", u"New(&N)"},
    Caption{u"mnuTemplates", u"从模板新建(&T)", u"New from template(&T)"},
    Caption{u"mnuOpen", u"打开(&O)", u"Open(&O)"},
    Caption{u"mnuAssave", u"保存(&S)", u"Save(&S)"},
    Caption{u"mnuImport", u"导入(&I)…", u"Import(&I)…"},
    Caption{u"mnuExport", u"导出(&E)…", u"Export(&E)…"},
    Caption{u"mnuRecent", u"最近的文件", u"Recent files"},
    Caption{u"mnuCompare", u"比较(&C)…", u"Compare(&C)…"},
    Caption{u"mnuPrint", u"打印(&P)…", u"Print(&P)…"},
    Caption{u"mnuPrintPreview", u"打印预览", u"Print preview"},
    Caption{u"mnuQuit", u"退出(&Q)", u"Quit(&Q)"},
    Caption{u"mnuEdit", u"编辑(&E)", u"Edit(&E)"},
    Caption{u"mnuUndo", u"撤销(&U)", u"Undo(&U)"},
    Caption{u"mnuRedo", u"重做(&R)", u"Redo(&R)"},
    Caption{u"mnuCopy", u"复制(&C)", u"Copy(&C)"},
    Caption{u"mnuPaste", u"粘贴(&P)", u"Paste(&P)"},
    Caption{u"mnuDelete", u"删除(&D)", u"Delete(&D)"},
    Caption{u"mnuFillDown", u"向下填充(&F)…", u"Fill down(&F)…"},
    Caption{u"mnupro", u"编程(&P)", u"Programming(&P)"},
    Caption{u"mnureadFre", u"读频(&R)", u"Read Frequency(&R)"},
    Caption{u"mnuwriteFre", u"写频(&W)", u"Write Frequency(&W)"},
    Caption{u"mnubatchWrite", u"批量写频…", u"Batch write…"},
    Caption{u"mnuCompareRadio", u"与对讲机比较…", u"Compare with radio…"},
    Caption{u"mnuFindRadio", u"查找对讲机…", u"Find radio…"},
    Caption{u"mnuBackups", u"备份…", u"Backups…"},
    Caption{u"mnudtmf", u"可选功能", u"Optional function "},
    Caption{u"Key_enactment", u"键设定", u"Keys set "},
    Caption{u"mnusetin", u"嵌入信息", u"Embedded information"},
    Caption{u"mnudebug", u"调试(&D)", u"Debug(&D)"},
    Caption{u"mnutestfre", u"测试频率", u"Debug frequency"},
    Caption{u"mnuset", u"设置(&S)", u"Settings(&S)"},
    Caption{u"mnulock", u"锁定(&L)", u"Lock(&L)"},
    Caption{u"mnucom", u"通信端口(&V)", u"Communication port(&V)"},
    Caption{u"mnuBackup", u"写频前备份", u"Back up before write"},
    Caption{u"mnuVerify", u"写频后校验", u"Verify after write"},
    Caption{u"mnuLanguage", u"语言选择(&L)", u"Languages(&L)"},
    Caption{u"mnuChineseJ", u"简体中文", u"Chinese(Simplified)"},
    Caption{u"mnuChineseF", u"繁体中文", u"Chinese(Traditional)"},
    Caption{u"mnuEnglish", u"英文", u"Englist"},
    Caption{u"mnuhelp", u"帮助(&H)", u"Help(&H)"},
    Caption{u"mnumainhelp", u"帮助主题  F1", u"The help topic  F1 \""},
    Caption{u"mnuabout", u"关于", u"About"},
    Caption{u"Label3", u"频段", u"Channel"},
    Caption{u"Label2", kMakerNotice, u""},
};

// Tool tips of the toolbar buttons, by the command each shares with its menu item.
constexpr std::array kToolTips{
    Caption{u"mnuNew", u"新建", u"New"},
    Caption{u"mnuOpen", u"打开", u"Open"},
    Caption{u"mnuAssave", u"保存", u"Save"},
    Caption{u"mnureadFre", u"读频", u"Read frequency"},
    Caption{u"mnuwriteFre", u"写频", u"Write frequency"},
};

void setCaption(QObject *control, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(control))
        action->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(control))
        menu->setTitle(text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
}

void replaceEntries(QComboBox *list, const QStringList &entries)
{
    for (int i = 0; i < list->count() && i < entries.size(); ++i)
        list->setItemText(i, entries[i]);
}

// The frames and the function settings' labels and lists take the setting catalogue's texts.
void applySettingCaptions(QWidget *form1, Language language)
{
    setCaption(form1->findChild<QGroupBox *>(u"Frame1"_s),
               SettingCatalog::groupCaption(SettingGroup::Model, language));
    setCaption(form1->findChild<QGroupBox *>(u"Frame2"_s),
               SettingCatalog::groupCaption(SettingGroup::FunctionSet, language));
    const QList<SettingId> settings = SettingCatalog::settings(SettingGroup::FunctionSet);
    for (qsizetype i = 0; i < settings.size(); ++i) {
        setCaption(form1->findChild<QLabel *>(QString::fromUtf16(kFunctionSetLabels[i])),
                   SettingCatalog::caption(settings[i], language));
        if (auto *list = form1->findChild<QComboBox *>(QString(SettingCatalog::selectorName(settings[i]))))
            replaceEntries(list, SettingCatalog::entries(settings[i], language));
    }
}

void applyListCaptions(QWidget *form1, const ChoiceTexts &texts)
{
    if (auto *tones = form1->findChild<QComboBox *>(u"Combo8"_s))
        replaceEntries(tones, {texts.toneOff});
    for (int column = ChannelTable::PowerColumn; column <= ChannelTable::ScanAddColumn; ++column) {
        if (auto *choices = form1->findChild<QComboBox *>(u"Combo5_%1"_s.arg(column)))
            replaceEntries(choices, {EntryText(column, 0, texts), EntryText(column, 1, texts)});
    }
}

} // namespace

void ApplyForm1Captions(QWidget *form1, ChannelTableModel *grid, Language language)
{
    const bool chinese = language == Language::SimplifiedChinese;
    const auto pick = [chinese](const Caption &caption) {
        return QString::fromUtf16(chinese ? caption.simplified : caption.english);
    };
    const Language shown = chinese ? Language::SimplifiedChinese : Language::English;
    // "[*]" is where the window shows the "*" of a plan with unsaved changes.
    form1->setWindowTitle((chinese ? u"[*]VM-280 写频软件 "_s : u"[*]VM-280 Radio Software "_s) +
                          ApplicationVersion());
    for (const Caption &caption : kCaptions) {
        const QString name = QString::fromUtf16(caption.control);
        if (QObject *control = form1->findChild<QObject *>(name))
            setCaption(control, pick(caption));
    }
    for (const Caption &caption : kToolTips) {
        if (auto *action = form1->findChild<QAction *>(QString::fromUtf16(caption.control)))
            action->setToolTip(pick(caption));
    }
    grid->setHeaders(SettingCatalog::channelHeaders(shown));
    applySettingCaptions(form1, shown);
    applyListCaptions(form1, chinese ? ChoiceTexts::simplifiedChinese() : ChoiceTexts::english());
    // Alt and a key reach the band and each function setting; the menus take F, E, P, S, L and H.
    ApplyMnemonics(form1, {{u"Label3", u"Combo1", u'N'},
                           {u"Label4", u"Combo2", u'G'},
                           {u"Label5", u"Combo3", u'T'},
                           {u"Label1", u"Combo4", u'W'},
                           {u"Label6", u"Combo9", u'Q'},
                           {u"Label7", u"Combo6", u'V'},
                           {u"Label8", u"Combo7", u'B'}});
}

} // namespace vm280
