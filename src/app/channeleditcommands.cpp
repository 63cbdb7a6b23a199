#include "channeleditcommands.h"

#include "channelgrid.h"

#include "editor/channeltablemodel.h"
#include "interchange/channelclipboard.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// More reasons than this make the message taller than a screen; the rest are counted.
constexpr int kListedRows = 8;

QString refusedRows(const PasteReport &pasted)
{
    QStringList lines{ShownText(u"已粘贴 %1 个信道；以下各行未能粘贴：",
                                u"%1 channels pasted; these rows could not be pasted:")
                          .arg(pasted.pasted)};
    for (qsizetype i = 0; i < pasted.refused.size() && i < kListedRows; ++i)
        lines << ShownText(u"第 %1 行：%2", u"line %1: %2")
                     .arg(pasted.refused[i].line)
                     .arg(pasted.refused[i].text.in(LanguageMode()));
    if (pasted.refused.size() > kListedRows)
        lines << ShownText(u"另有 %1 行", u"and %1 more rows").arg(pasted.refused.size() - kListedRows);
    if (pasted.rowsBelowTable > 0)
        lines << ShownText(u"%1 行在第 16 信道之下，没有位置", u"%1 rows below channel 16 had no place")
                     .arg(pasted.rowsBelowTable);
    return lines.join(u'\n');
}

} // namespace

ChannelEditCommands::ChannelEditCommands(ChannelGrid *grid, ChannelTableModel *model, CodePlan &plan,
                                         const ChoiceTexts &texts, QObject *parent)
    : QObject(parent), m_grid(grid), m_model(model), m_plan(plan), m_texts(texts)
{}

void ChannelEditCommands::copy()
{
    QGuiApplication::clipboard()->setText(CopyChannels(m_plan.channels, m_grid->selectedChannels(), m_texts));
}

void ChannelEditCommands::paste()
{
    pasteText(QGuiApplication::clipboard()->text());
}

void ChannelEditCommands::pasteText(const QString &pasted)
{
    const QList<int> channels = m_grid->selectedChannels();
    if (pasted.trimmed().isEmpty()) {
        ShowMsgbox(ShownText(u"剪贴板中没有可粘贴的信道。", u"The clipboard holds no channels to paste."),
                   MsgboxOkOnly + MsgboxExclamation);
        return;
    }
    // Typed frequencies are checked against the band shown; pasted ones are too. A column of
    // values from a spreadsheet fills the column of the current cell (a frequency or a tone),
    // else the receive frequencies.
    const int first = channels.isEmpty() ? 1 : channels.first();
    const int column = m_grid->currentIndex().column();
    const bool valueColumn =
        column >= ChannelTable::RxFrequencyColumn && column <= ChannelTable::TxToneColumn;
    const PasteReport result =
        IsColumnText(pasted)
            ? PasteColumn(pasted, m_plan.channels, first,
                          valueColumn ? column : int(ChannelTable::RxFrequencyColumn), m_plan.band, m_texts)
            : PasteChannels(pasted, m_plan.channels, first, m_plan.band, m_texts);
    m_model->tableReplaced();
    if (result.pasted > 0)
        emit changed();
    report(result);
}

void ChannelEditCommands::deleteSelected()
{
    m_model->clearChannels(m_grid->selectedChannels());
    emit changed();
}

void ChannelEditCommands::report(const PasteReport &pasted)
{
    if (pasted.error) {
        ShowMsgbox(ShownText(u"无法粘贴：第 %1 行第 %2 列：%3", u"Cannot paste: line %1, column %2: %3")
                       .arg(pasted.error->line)
                       .arg(pasted.error->column)
                       .arg(pasted.error->reason.in(LanguageMode())),
                   MsgboxOkOnly + MsgboxExclamation);
    } else if (!pasted.refused.isEmpty() || pasted.rowsBelowTable > 0) {
        ShowMsgbox(refusedRows(pasted), MsgboxOkOnly + MsgboxExclamation);
    }
}

} // namespace vm280
