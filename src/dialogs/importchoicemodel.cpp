#include "importchoicemodel.h"

#include "ui/languagemode.h"

#include <QBrush>
#include <QStringList>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// The file's cell shown in each column that shows one as the file says it.
constexpr std::array<std::pair<int, int>, 6> kFileCells{{
    {ImportChoiceModel::LocationColumn, ChannelList::LocationColumn},
    {ImportChoiceModel::FrequencyColumn, ChannelList::FrequencyColumn},
    {ImportChoiceModel::NameColumn, ChannelList::NameColumn},
    {ImportChoiceModel::PowerColumn, ChannelList::PowerColumn},
    {ImportChoiceModel::ModeColumn, ChannelList::ModeColumn},
    {ImportChoiceModel::CommentColumn, ChannelList::CommentColumn},
}};

QString twoDigits(int channel)
{
    return u"%1"_s.arg(channel, 2, 10, QLatin1Char('0'));
}

} // namespace

ImportChoiceModel::ImportChoiceModel(ImportChoice &choice, const ChannelTable &channels,
                                     const ChoiceTexts &texts, QObject *parent)
    : QAbstractTableModel(parent), m_choice(choice), m_channels(channels), m_texts(texts)
{}

int ImportChoiceModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_choice.list().size();
}

int ImportChoiceModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ImportChoiceModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == LocationColumn)
        return m_choice.isTicked(row) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ForegroundRole) {
        if (m_choice.landing(row).misplaced() && (column == ChannelColumn || column == NoteColumn))
            return QBrush(Qt::red);
        return isGreyed(row) ? QVariant(QBrush(Qt::gray)) : QVariant();
    }
    // The note is long and the last column: every cell of the row tells it.
    if (role == Qt::ToolTipRole)
        return noteText(row);
    if (role != Qt::DisplayRole)
        return {};
    const QStringList &shown = m_choice.list().row(row).shown;
    for (const auto &[own, cell] : kFileCells) {
        if (column == own)
            return shown[cell];
    }
    switch (column) {
    case ChannelColumn:
        return channelText(row);
    case NoteColumn:
        return noteText(row);
    case DuplexColumn:
        return duplexText(row);
    case RxToneColumn:
    case TxToneColumn:
        return toneText(row, column == RxToneColumn);
    default:
        return {};
    }
}

QVariant ImportChoiceModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case LocationColumn:
        return ShownText(u"位置", u"Location");
    case ChannelColumn:
        return ShownText(u"导入到信道", u"To channel");
    case FrequencyColumn:
        return ShownText(u"频率", u"Frequency");
    case NameColumn:
        return ShownText(u"名称", u"Name");
    case NoteColumn:
        return ShownText(u"说明", u"Note");
    case DuplexColumn:
        return ShownText(u"双工/偏移", u"Duplex/Offset");
    case RxToneColumn:
        return ShownText(u"接收亚音频", u"RX tone");
    case TxToneColumn:
        return ShownText(u"发射亚音频", u"TX tone");
    case PowerColumn:
        return ShownText(u"功率", u"Power");
    case ModeColumn:
        return ShownText(u"模式", u"Mode");
    case CommentColumn:
        return ShownText(u"备注", u"Comment");
    default:
        return {};
    }
}

Qt::ItemFlags ImportChoiceModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == LocationColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ImportChoiceModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != LocationColumn)
        return false;
    setTicked({index.row()}, value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

void ImportChoiceModel::setTicked(const QList<int> &rows, bool ticked)
{
    m_choice.setTicked(rows, ticked);
    choiceChanged();
    emit ticksChanged();
}

void ImportChoiceModel::choiceChanged()
{
    // A tick or the band can move every row after it, so every row is shown anew.
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

// "03", or "03 (replaces 438.00000)" where a programmed channel gives way; "—" for a ticked row
// that has no channel.
QString ImportChoiceModel::channelText(int row) const
{
    const Landing &landing = m_choice.landing(row);
    if (landing.misplaced())
        return u"—"_s;
    if (landing.outcome != Landing::Placed)
        return {};
    if (m_channels.isEmpty(landing.channel))
        return twoDigits(landing.channel);
    return ShownText(u"%1（替换 %2）", u"%1 (replaces %2)")
        .arg(twoDigits(landing.channel), m_channels.cell(landing.channel, ChannelTable::RxFrequencyColumn));
}

// "- 0.600000", "split 475.000000", "off", or nothing for a channel that sends where it listens.
QString ImportChoiceModel::duplexText(int row) const
{
    const QStringList &shown = m_choice.list().row(row).shown;
    const QString &duplex = shown[ChannelList::DuplexColumn];
    if (duplex.isEmpty() || duplex.compare("off"_L1, Qt::CaseInsensitive) == 0)
        return duplex;
    return duplex + u' ' + shown[ChannelList::OffsetColumn];
}

QString ImportChoiceModel::noteText(int row) const
{
    const Landing &landing = m_choice.landing(row);
    switch (landing.outcome) {
    case Landing::NoChannel:
        return ShownText(u"位置 %1 不是 1 到 16 的信道", u"Location %1 is no channel from 1 to 16")
            .arg(m_choice.list().row(row).shown[ChannelList::LocationColumn]);
    case Landing::NoRoom:
        return ShownText(u"信道 %1 到 16 已被前面勾选的行占满",
                         u"channels %1 to 16 are taken by earlier rows")
            .arg(m_choice.placement().firstChannel);
    case Landing::ChannelTaken:
        return ShownText(u"信道 %1 已被前面勾选的行占用", u"channel %1 is taken by an earlier ticked row")
            .arg(landing.channel);
    case Landing::Placed: {
        QStringList warnings;
        for (const ChirpNote &warning : landing.warnings)
            warnings << warning.text().in(LanguageMode());
        return warnings.join(u"; "_s);
    }
    default:
        return landing.note ? landing.note->text().in(LanguageMode()) : QString();
    }
}

QString ImportChoiceModel::toneText(int row, bool receive) const
{
    const auto *read = std::get_if<ChirpRow>(&m_choice.list().row(row).channel);
    if (read == nullptr)
        return {};
    const QString &tone = receive ? read->values().rxTone : read->values().txTone;
    return tone.isEmpty() ? m_texts.toneOff : tone;
}

// A row the band cannot hold, ticked or not, is shown greyed with its reason.
bool ImportChoiceModel::isGreyed(int row) const
{
    const Landing &landing = m_choice.landing(row);
    return landing.outcome == Landing::Unprogrammable ||
           (landing.outcome == Landing::NotTaken && landing.note);
}

} // namespace vm280
