#include "setforselectedmenu.h"

#include "editor/channeledits.h"
#include "editor/localtext.h"
#include "image/channeltable.h"
#include "image/settingcatalog.h"

using namespace Qt::StringLiterals;

namespace vm280 {

SetForSelectedMenu::SetForSelectedMenu(QWidget *parent) : QMenu(parent)
{
    setObjectName(u"mnuSetSelected"_s);
    for (int column : {int(ChannelTable::RxToneColumn), int(ChannelTable::TxToneColumn)}) {
        QAction *tone = addAction(QString());
        tone->setObjectName(u"mnuSet%1"_s.arg(column));
        connect(tone, &QAction::triggered, this, [this, column] { emit toneAsked(column); });
    }
    for (int column = ChannelTable::PowerColumn; column <= ChannelTable::ScanAddColumn; ++column) {
        QMenu *choices = addMenu(QString());
        choices->setObjectName(u"mnuSet%1"_s.arg(column));
        for (int index = 0; index < 2; ++index) {
            QAction *entry = choices->addAction(QString());
            entry->setObjectName(u"mnuSet%1_%2"_s.arg(column).arg(index));
            connect(entry, &QAction::triggered, this,
                    [this, column, index] { emit entryPicked(column, index); });
        }
    }
}

void SetForSelectedMenu::applyCaptions(Language language)
{
    setTitle(LocalText(language, u"为所选信道设置(&S)", u"Set for selected(&S)"));
    findChild<QAction *>(u"mnuSet2"_s)->setText(LocalText(language, u"接收亚音频…", u"RX QT/DQT…"));
    findChild<QAction *>(u"mnuSet4"_s)->setText(LocalText(language, u"发射亚音频…", u"TX QT/DQT…"));
    const QStringList headers = SettingCatalog::channelHeaders(language);
    const ChoiceTexts &texts = LocalChoiceTexts(language);
    for (int column = ChannelTable::PowerColumn; column <= ChannelTable::ScanAddColumn; ++column) {
        findChild<QMenu *>(u"mnuSet%1"_s.arg(column))->setTitle(headers[column]);
        for (int index = 0; index < 2; ++index)
            findChild<QAction *>(u"mnuSet%1_%2"_s.arg(column).arg(index))
                ->setText(EntryText(column, index, texts));
    }
}

} // namespace vm280
