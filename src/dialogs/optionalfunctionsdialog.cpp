#include "optionalfunctionsdialog.h"

#include "dialogcaptions.h"

#include "editor/localtext.h"
#include "editor/optionrules.h"
#include "image/numeric.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// A visible list, the setting it shows and where the plan keeps it: OptionTexts[entry] holds
// the list index plus offset.
struct OptionList
{
    const char16_t *objectName;
    SettingId setting;
    int entry;
    int offset = 0;
};

// In the order the lists are filled, so "Fixed" is checked before the preferred channel.
constexpr std::array<OptionList, 11> kOptionLists{{
    {u"Combo4", SettingId::PttId, 3},
    {u"Combo6", SettingId::VoxFunction, 5},
    {u"Combo7", SettingId::VoxGain, 6},
    {u"Combo8", SettingId::VoxDelay, 7},
    {u"Combo9", SettingId::VoxVolume, 8},
    {u"Combo10", SettingId::Duplicate, 9},
    {u"Combo11", SettingId::Priority, 10},
    {u"Combo12", SettingId::PreferredChannel, 11, 1},
    {u"Combo13", SettingId::RetraceTimeA, 12},
    {u"Combo14", SettingId::RetraceTimeB, 13},
    {u"Combo15", SettingId::ReturnChannel, 14},
}};
constexpr int kPriorityList = 6;
constexpr int kPreferredChannelList = 7;

// The DTMF lists by DtmfSettings entry. Their texts exist in Chinese only.
constexpr std::array<std::pair<const char16_t *, SettingId>, 8> kDtmfLists{{
    {u"Combo0", SettingId::DtmfRate},
    {u"Combo16", SettingId::FirstDigitTime},
    {u"Combo18", SettingId::FirstDigitDelay},
    {u"Combo17", SettingId::StarHashTone},
    {u"Combo19", SettingId::DKey},
    {u"Combo20", SettingId::DtmfSideTone},
    {u"Combo22", SettingId::GroupCallCode},
    {u"Combo21", SettingId::AutoResetTimer},
}};
constexpr int kFirstDigitDelayEntry = 2;
constexpr int kPriorityNo = 0;
constexpr int kPriorityFixed = 1;
constexpr int kAutoDialRows = 8;

// The service-mode gesture's labels: "VOX功能" in the VOX frame, "PTT ID" below it and
// "返回信道" in the scan frame, far enough apart that no stray clicks complete it.
constexpr std::array<const char16_t *, ServiceGesture::kLabels> kGestureLabels{u"Label8", u"Label4",
                                                                               u"Label18"};

constexpr int kWidthTwips = 9720;
constexpr int kHeightTwips = 5730;

QLabel *namedLabel(QWidget *parent, const char16_t *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromUtf16(name));
    return label;
}

QComboBox *namedList(QWidget *parent, const char16_t *name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf16(name));
    return list;
}

QString checkText(const QCheckBox *box)
{
    return box->isChecked() ? u"1"_s : u"0"_s;
}

} // namespace

OptionalFunctionsDialog::OptionalFunctionsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form5"_s);
    createWidgets();
    createLayout();
    initConnections();
    applyCaptions(LanguageMode());
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
}

void OptionalFunctionsDialog::createWidgets()
{
    for (size_t i = 0; i < kOptionLists.size(); ++i)
        m_lists[i] = namedList(this, kOptionLists[i].objectName);
    m_priority = m_lists[kPriorityList];
    m_preferredChannel = m_lists[kPreferredChannelList];
    m_cancelOperation = new QCheckBox(this);
    m_cancelOperation->setObjectName(u"Check3"_s);
    m_receivedBannedVox = new QCheckBox(this);
    m_receivedBannedVox->setObjectName(u"Check4"_s);
    m_receiveDelay = new QLineEdit(this);
    m_receiveDelay->setObjectName(u"Text5"_s);
    m_launchDelay = new QLineEdit(this);
    m_launchDelay->setObjectName(u"Text6"_s);
    m_receiveScroll = new QScrollBar(Qt::Vertical, this);
    m_receiveScroll->setObjectName(u"VScroll1"_s);
    m_launchScroll = new QScrollBar(Qt::Vertical, this);
    m_launchScroll->setObjectName(u"VScroll2"_s);
    // The upper arrow raises the delay: a scroll bar's upper arrow lowers its value, so the bars
    // run from minus the longest delay at the top to 0 at the bottom, and the delay is the
    // value without its sign.
    for (QScrollBar *bar : {m_receiveScroll, m_launchScroll}) {
        bar->setRange(-kMaxScanDelay, 0);
        bar->setFixedHeight(m_receiveDelay->sizeHint().height());
    }
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"Command1"_s);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(u"Command2"_s);
    for (size_t k = 0; k < kGestureLabels.size(); ++k)
        m_gestureLabels[k] = namedLabel(this, kGestureLabels[k]);
    createDtmfFrame();
}

QGroupBox *OptionalFunctionsDialog::createVoxFrame()
{
    auto *frame = new QGroupBox(u"VOX"_s, this);
    frame->setObjectName(u"Frame1"_s);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(m_gestureLabels[0], 0, 0);
    grid->addWidget(m_lists[1], 0, 1);
    grid->addWidget(namedLabel(frame, u"Label10"), 1, 0);
    grid->addWidget(m_lists[2], 1, 1);
    grid->addWidget(namedLabel(frame, u"Label9"), 2, 0);
    grid->addWidget(m_lists[3], 2, 1);
    grid->addWidget(namedLabel(frame, u"Label7"), 3, 0);
    grid->addWidget(m_lists[4], 3, 1);
    grid->addWidget(m_cancelOperation, 4, 0, 1, 2);
    grid->addWidget(m_receivedBannedVox, 5, 0, 1, 2);
    return frame;
}

QGroupBox *OptionalFunctionsDialog::createScanFrame()
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(u"Frame2"_s);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(namedLabel(frame, u"Label14"), 0, 0);
    grid->addWidget(m_priority, 0, 1, 1, 2);
    grid->addWidget(namedLabel(frame, u"Label15"), 1, 0);
    grid->addWidget(m_preferredChannel, 1, 1, 1, 2);
    grid->addWidget(namedLabel(frame, u"Label17"), 2, 0);
    grid->addWidget(m_lists[8], 2, 1, 1, 2);
    grid->addWidget(namedLabel(frame, u"Label16"), 3, 0);
    grid->addWidget(m_lists[9], 3, 1, 1, 2);
    grid->addWidget(m_gestureLabels[2], 4, 0);
    grid->addWidget(m_lists[10], 4, 1, 1, 2);
    grid->addWidget(namedLabel(frame, u"Label19"), 5, 0);
    grid->addWidget(m_receiveDelay, 5, 1);
    grid->addWidget(m_receiveScroll, 5, 2);
    grid->addWidget(namedLabel(frame, u"Label20"), 6, 0);
    grid->addWidget(m_launchDelay, 6, 1);
    grid->addWidget(m_launchScroll, 6, 2);
    return frame;
}

// The DTMF lists and the auto-dial memories are never shown: they carry the plan's values
// through to OK.
QGroupBox *OptionalFunctionsDialog::createDtmfFrame()
{
    auto *frame = new QGroupBox(u"DTMF"_s, this);
    frame->setObjectName(u"Frame3"_s);
    auto *column = new QVBoxLayout(frame);
    for (size_t entry = 0; entry < kDtmfLists.size(); ++entry) {
        m_dtmf[entry] = namedList(frame, kDtmfLists[entry].first);
        m_dtmf[entry]->addItems(
            SettingCatalog::entries(kDtmfLists[entry].second, Language::SimplifiedChinese));
        column->addWidget(m_dtmf[entry]);
    }
    m_autoDial = new QTableWidget(kAutoDialRows, 2, frame);
    m_autoDial->setObjectName(u"mfgrid1"_s);
    m_autoDial->setHorizontalHeaderLabels(SettingCatalog::autoDialHeaders());
    m_autoDial->verticalHeader()->hide();
    for (int row = 0; row < kAutoDialRows; ++row) {
        m_autoDial->setItem(row, 0, new QTableWidgetItem(QString::number(row + 1)));
        m_autoDial->setItem(row, 1, new QTableWidgetItem);
    }
    column->addWidget(m_autoDial);
    frame->hide();
    return frame;
}

void OptionalFunctionsDialog::createLayout()
{
    auto *pttRow = new QHBoxLayout;
    pttRow->addWidget(m_gestureLabels[1]);
    pttRow->addWidget(m_lists[0], 1);
    auto *duplicateRow = new QHBoxLayout;
    duplicateRow->addWidget(namedLabel(this, u"Label11"));
    duplicateRow->addWidget(m_lists[5], 1);
    auto *left = new QVBoxLayout;
    left->addWidget(createVoxFrame());
    left->addLayout(pttRow);
    left->addLayout(duplicateRow);
    left->addStretch();
    auto *frames = new QHBoxLayout;
    frames->addLayout(left);
    frames->addWidget(createScanFrame(), 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addLayout(frames, 1);
    main->addLayout(buttons);
}

void OptionalFunctionsDialog::initConnections()
{
    connect(m_priority, &QComboBox::currentIndexChanged, this, &OptionalFunctionsDialog::onPriorityChanged);
    connect(m_preferredChannel, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionsDialog::onPreferredChannelChanged);
    connect(m_receiveScroll, &QScrollBar::valueChanged, this,
            &OptionalFunctionsDialog::onReceiveDelayScrolled);
    connect(m_launchScroll, &QScrollBar::valueChanged, this, &OptionalFunctionsDialog::onLaunchDelayScrolled);
    connect(m_receiveDelay, &QLineEdit::textChanged, this, &OptionalFunctionsDialog::onDelayTextChanged);
    connect(m_launchDelay, &QLineEdit::textChanged, this, &OptionalFunctionsDialog::onDelayTextChanged);
    connect(m_ok, &QPushButton::clicked, this, &OptionalFunctionsDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QLabel *label : m_gestureLabels)
        label->installEventFilter(this);
}

void OptionalFunctionsDialog::setChannelTable(const ChannelTable *table)
{
    m_channels = table;
}

const ChannelTable &OptionalFunctionsDialog::channels() const
{
    static const ChannelTable kNoChannels;
    return m_channels ? *m_channels : kNoChannels;
}

void OptionalFunctionsDialog::showPlan(const CodePlan &plan)
{
    showStores(plan, PriorityChecks::Run);
}

void OptionalFunctionsDialog::restorePlan(const CodePlan &plan)
{
    showStores(plan, PriorityChecks::Skip);
}

void OptionalFunctionsDialog::showStores(const CodePlan &plan, PriorityChecks checks)
{
    for (size_t i = 0; i < kOptionLists.size(); ++i) {
        const OptionList &list = kOptionLists[i];
        const int index = StoredEntryIndex(plan.OptionTexts[list.entry], m_lists[i]->count(), list.offset);
        if (checks == PriorityChecks::Run && int(i) == kPriorityList) {
            selectPriority(index);
        } else if (checks == PriorityChecks::Run && int(i) == kPreferredChannelList) {
            selectPreferredChannel(index);
        } else {
            const QSignalBlocker blocker(m_lists[i]);
            m_lists[i]->setCurrentIndex(index);
        }
    }
    m_receiveDelay->setText(plan.OptionTexts[18]);
    m_launchDelay->setText(plan.OptionTexts[19]);
    m_cancelOperation->setChecked(RoundHalfEven(LeadingNumber(plan.OptionTexts[22])) != 0);
    m_receivedBannedVox->setChecked(RoundHalfEven(LeadingNumber(plan.OptionTexts[23])) != 0);
    for (int row = 0; row < kAutoDialRows; ++row)
        m_autoDial->item(row, 1)->setText(plan.AutoDialMemories[row]);
    for (size_t entry = 0; entry < kDtmfLists.size(); ++entry) {
        const int value = plan.DtmfSettings[entry];
        const int index = entry == kFirstDigitDelayEntry ? FirstDigitDelayIndex(value) : value;
        m_dtmf[entry]->setCurrentIndex(index < m_dtmf[entry]->count() ? index : -1);
    }
}

// A program's selection runs the same check as the user's, even when the entry was already
// selected: the channel table may have changed since.
void OptionalFunctionsDialog::selectPriority(int index)
{
    const QSignalBlocker blocker(m_priority);
    m_priority->setCurrentIndex(index);
    onPriorityChanged(m_priority->currentIndex());
}

void OptionalFunctionsDialog::selectPreferredChannel(int index)
{
    const QSignalBlocker blocker(m_preferredChannel);
    m_preferredChannel->setCurrentIndex(index);
    onPreferredChannelChanged(m_preferredChannel->currentIndex());
}

void OptionalFunctionsDialog::applyTo(CodePlan &plan) const
{
    for (size_t i = 0; i < kOptionLists.size(); ++i) {
        if (const int index = m_lists[i]->currentIndex(); index >= 0)
            plan.OptionTexts[kOptionLists[i].entry] = QString::number(index + kOptionLists[i].offset);
    }
    plan.OptionTexts[18] = m_receiveDelay->text();
    plan.OptionTexts[19] = m_launchDelay->text();
    plan.OptionTexts[22] = checkText(m_cancelOperation);
    plan.OptionTexts[23] = checkText(m_receivedBannedVox);
    for (int row = 0; row < kAutoDialRows; ++row)
        plan.AutoDialMemories[row] = m_autoDial->item(row, 1)->text();
    for (size_t entry = 0; entry < kDtmfLists.size(); ++entry) {
        const int index = m_dtmf[entry]->currentIndex();
        if (index < 0)
            continue;
        plan.DtmfSettings[entry] =
            qint16(entry == kFirstDigitDelayEntry ? FirstDigitDelayMilliseconds(index) : index);
    }
}

void OptionalFunctionsDialog::applyCaptions(Language language)
{
    setWindowTitle(LocalText(language, u"可选功能", u"Optional Function"));
    ApplyControlCaptions(this,
                         {{u"Frame2", u"扫描", u"Scan"},
                          {u"Check3", u"取消操作", u"Cancel operation"},
                          {u"Check4", u"接收时禁止VOX", u"Received banned VOX"},
                          {u"Label8", u"VOX功能", u"VOX Function"},
                          {u"Label10", u"VOX增益电平", u"VOX GBIN"},
                          {u"Label9", u"VOX延迟时间", u"VOX Delay time"},
                          {u"Label7", u"VOX可进行音调", u"VOX volume control"},
                          {u"Label4", u"PTT ID", u"PTT ID"},
                          {u"Label11", u"复制", u"Duplicate"},
                          {u"Label14", u"优先", u"Priority"},
                          {u"Label15", u"优先信道", u"Preferred channel"},
                          {u"Label17", u"回扫时间A", u"Retrace Time A"},
                          {u"Label16", u"回扫时间B", u"Retrace Time B"},
                          {u"Label18", u"返回信道", u"Return channel"},
                          {u"Label19", u"扫描接收恢复延时时间(秒)", u"Scan receive delay time(S)"},
                          {u"Label20", u"扫描发射恢复延时时间(秒)", u"Scan launch delay time(S)"},
                          {u"Command1", u"确定", u"OK"},
                          {u"Command2", u"取消", u"Cancel"}},
                         language);
    for (size_t i = 0; i < kOptionLists.size(); ++i)
        SetEntries(m_lists[i], LocalEntries(language, kOptionLists[i].setting));
}

void OptionalFunctionsDialog::clearServiceGesture()
{
    m_gesture.clear();
}

bool OptionalFunctionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const auto label = std::ranges::find(m_gestureLabels, watched);
        if (label != m_gestureLabels.end() && m_gesture.click(int(label - m_gestureLabels.begin())))
            emit serviceModeUnlocked();
    }
    return QDialog::eventFilter(watched, event);
}

void OptionalFunctionsDialog::onPriorityChanged(int index)
{
    if (index != kPriorityFixed)
        return;
    const int channel = FixedPriorityChannel(channels());
    if (channel == 0) {
        const Language language = LanguageMode();
        ShowMsgbox(LocalText(language, u"当设定为‘固定’时信道不可为空，请重设！",
                             u"When set to 'fixed' channel not is empty, please reset!"),
                   MsgboxOkOnly, LocalText(language, u"提示", u"Tip"));
        m_priority->setCurrentIndex(kPriorityNo);
        return;
    }
    m_lastFixedChannel = channel;
    m_preferredChannel->setCurrentIndex(channel - 1);
}

void OptionalFunctionsDialog::onPreferredChannelChanged(int index)
{
    if (m_priority->currentIndex() != kPriorityFixed || index < 0)
        return;
    const PreferredChannelChoice choice = CheckPreferredChannel(channels(), index + 1, m_lastFixedChannel);
    if (!choice.refused)
        return;
    ShowMsgbox(
        ShownText(u"不可选择空信道，请重新选择！", u"Do not choose empty channel, please choose again!"),
        MsgboxOkOnly);
    m_preferredChannel->setCurrentIndex(choice.channel - 1);
}

void OptionalFunctionsDialog::onReceiveDelayScrolled(int value)
{
    m_receiveDelay->setText(QString::number(-value));
}

void OptionalFunctionsDialog::onLaunchDelayScrolled(int value)
{
    m_launchDelay->setText(QString::number(-value));
}

void OptionalFunctionsDialog::onDelayTextChanged()
{
    markDelay(m_receiveDelay);
    markDelay(m_launchDelay);
}

// Only what the user typed is checked: a value shown from the plan (an unprogrammed radio
// reads as -1) goes back as it came.
void OptionalFunctionsDialog::markDelay(QLineEdit *edit)
{
    const bool invalid = edit->isModified() && !IsValidScanDelay(edit->text());
    edit->setProperty("invalid", invalid);
    edit->setStyleSheet(invalid ? u"QLineEdit { background-color: #ffd8d8; }"_s : QString());
    edit->setToolTip(invalid ? ShownText(u"0 到 300 的整数", u"A whole number from 0 to 300") : QString());
}

QLineEdit *OptionalFunctionsDialog::invalidDelay() const
{
    for (QLineEdit *edit : {m_receiveDelay, m_launchDelay}) {
        if (edit->isModified() && !IsValidScanDelay(edit->text()))
            return edit;
    }
    return nullptr;
}

void OptionalFunctionsDialog::onOk()
{
    if (QLineEdit *invalid = invalidDelay()) {
        const Language language = LanguageMode();
        ShowMsgbox(LocalText(language, u"扫描恢复延时时间必须是 0 到 300 之间的整数（秒）！",
                             u"The scan delay time must be a whole number of seconds from 0 to 300!"),
                   MsgboxExclamation, LocalText(language, u"提示", u"Tip"));
        invalid->setFocus();
        invalid->selectAll();
        return;
    }
    accept();
}

} // namespace vm280
