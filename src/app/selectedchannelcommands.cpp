#include "selectedchannelcommands.h"

#include "channelgrid.h"

#include "dialogs/valuedialog.h"
#include "editor/channeltablemodel.h"
#include "editor/selectionedits.h"
#include "editor/tonerules.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString noProgrammedChannel()
{
    return ShownText(u"所选信道中没有已编程的信道。", u"None of the selected channels is programmed.");
}

} // namespace

SelectedChannelCommands::SelectedChannelCommands(ChannelGrid *grid, ChannelTableModel *model, CodePlan &plan,
                                                 const ChoiceTexts &texts, const BandLimits *limits,
                                                 QObject *parent)
    : QObject(parent), m_grid(grid), m_model(model), m_plan(plan), m_texts(texts), m_limits(limits)
{}

void SelectedChannelCommands::pickForSelected(int column, int index)
{
    if (PickEntryFor(m_plan.channels, m_grid->selectedChannels(), column, index, m_texts).isEmpty()) {
        refuse(noProgrammedChannel());
        return;
    }
    m_model->tableReplaced();
    emit changed();
}

void SelectedChannelCommands::askToneForSelected(int column)
{
    const QString prompt = column == ChannelTable::RxToneColumn ? ShownText(u"接收亚音频：", u"RX QT/DQT:")
                                                                : ShownText(u"发射亚音频：", u"TX QT/DQT:");
    ask(ShownText(u"为所选信道设置", u"Set for selected"), prompt, ToneList(m_texts.toneOff),
        m_texts.toneOff);
    connect(m_dialog, &QDialog::accepted, this, [this, column] { setTone(column, m_dialog->value()); });
}

void SelectedChannelCommands::askFillDown()
{
    ask(ShownText(u"向下填充", u"Fill down"), ShownText(u"步进（kHz）：", u"Step (kHz):"),
        {u"12.5"_s, u"25"_s}, u"12.5"_s);
    connect(m_dialog, &QDialog::accepted, this, [this] { fillDown(m_dialog->value()); });
}

ValueDialog *SelectedChannelCommands::dialog() const
{
    return m_dialog;
}

void SelectedChannelCommands::setTone(int column, const QString &text)
{
    const auto set = SetToneFor(m_plan.channels, m_grid->selectedChannels(), column, text, m_texts);
    if (!set) {
        refuse(ShownText(u"“%1”不是对讲机能用的亚音频。", u"'%1' is no tone the radio takes.").arg(text));
        return;
    }
    if (set->isEmpty()) {
        refuse(noProgrammedChannel());
        return;
    }
    m_model->tableReplaced();
    emit changed();
}

void SelectedChannelCommands::fillDown(const QString &step)
{
    if (const auto refusal =
            FillDown(m_plan.channels, m_grid->selectedChannels(), step, *m_limits, m_texts)) {
        refuse(refusalText(*refusal, step));
        return;
    }
    m_model->tableReplaced();
    emit changed();
}

void SelectedChannelCommands::refuse(const QString &text)
{
    ShowMsgbox(text, MsgboxOkOnly + MsgboxExclamation);
}

QString SelectedChannelCommands::refusalText(const FillDownRefusal &refusal, const QString &step)
{
    const QString channel = u"%1"_s.arg(refusal.channel, 2, 10, QLatin1Char('0'));
    switch (refusal.kind) {
    case FillDownRefusal::TooFewChannels:
        return ShownText(u"请至少选择两个信道。", u"Select two or more channels.");
    case FillDownRefusal::NoStart:
        return ShownText(u"信道 %1 没有接收频率，无法向下填充。",
                         u"Channel %1 has no receive frequency to fill down from.")
            .arg(channel);
    case FillDownRefusal::BadStep:
        return ShownText(u"“%1”不是以 kHz 为单位的步进。", u"'%1' is no step in kHz.").arg(step);
    case FillDownRefusal::OutsideBand:
        return ShownText(u"信道 %1 将得到 %2，超出频段范围。",
                         u"Channel %1 would get %2, beyond the frequency range.")
            .arg(channel, refusal.frequency);
    case FillDownRefusal::OffRaster:
        return ShownText(u"信道 %1 将得到 %2，不在 5 / 6.25 kHz 的频率栅格上。",
                         u"Channel %1 would get %2, off the 5 / 6.25 kHz raster.")
            .arg(channel, refusal.frequency);
    }
    return {};
}

void SelectedChannelCommands::ask(const QString &title, const QString &prompt, const QStringList &entries,
                                  const QString &value)
{
    delete m_dialog;
    m_dialog = new ValueDialog(title, prompt, entries, value, m_grid->window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->open();
}

} // namespace vm280
