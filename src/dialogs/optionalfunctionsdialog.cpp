#include "optionalfunctionsdialog.h"

#include "dialogcaptions.h"

#include "editor/localtext.h"
#include "editor/optionrules.h"
#include "ui/languagemode.h"
#include "ui/mnemonics.h"
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

// A list and the setting it shows.
struct SettingList
{
    const char16_t *objectName;
    SettingId setting;
};

// In the order the lists are filled, so "Fixed" is checked before the preferred channel.
constexpr std::array<SettingList, 11> kOptionLists{{
    {u"Combo4", SettingId::PttId},
    {u"Combo6", SettingId::VoxFunction},
    {u"Combo7", SettingId::VoxGain},
    {u"Combo8", SettingId::VoxDelay},
    {u"Combo9", SettingId::VoxVolume},
    {u"Combo10", SettingId::Duplicate},
    {u"Combo11", SettingId::Priority},
    {u"Combo12", SettingId::PreferredChannel},
    {u"Combo13", SettingId::RetraceTimeA},
    {u"Combo14", SettingId::RetraceTimeB},
    {u"Combo15", SettingId::ReturnChannel},
}};
constexpr int kPriorityList = 6;
constexpr int kPreferredChannelList = 7;

// The DTMF lists, in the order of the DTMF settings. Their texts exist in Chinese only.
constexpr std::array<const char16_t *, 8> kDtmfLists{u"Combo0",  u"Combo16", u"Combo18", u"Combo17",
                                                     u"Combo19", u"Combo20", u"Combo22", u"Combo21"};

QList<SettingId> dtmfSettings()
{
    return SettingCatalog::settings(SettingGroup::Dtmf);
}
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

// The entry of list that the plan's setting stands for; -1 (no entry) when none does.
int shownIndex(const CodePlan &plan, SettingId setting, const QComboBox *list)
{
    const int index = *SettingCatalog::listIndex(plan, setting);
    return index >= 0 && index < list->count() ? index : -1;
}

// A list showing no entry leaves its setting as it is.
void applyList(CodePlan &plan, SettingId setting, const QComboBox *list)
{
    if (list->currentIndex() >= 0)
        SettingCatalog::setListIndex(plan, setting, list->currentIndex());
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
        bar->setRange(-MaxScanDelay(), 0);
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
    const QList<SettingId> settings = dtmfSettings();
    for (size_t i = 0; i < kDtmfLists.size(); ++i) {
        m_dtmf[i] = namedList(frame, kDtmfLists[i]);
        m_dtmf[i]->addItems(SettingCatalog::entries(settings[i], Language::SimplifiedChinese));
        column->addWidget(m_dtmf[i]);
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
        const int index = shownIndex(plan, kOptionLists[i].setting, m_lists[i]);
        if (checks == PriorityChecks::Run && int(i) == kPriorityList) {
            selectPriority(index);
        } else if (checks == PriorityChecks::Run && int(i) == kPreferredChannelList) {
            selectPreferredChannel(index);
        } else {
            const QSignalBlocker blocker(m_lists[i]);
            m_lists[i]->setCurrentIndex(index);
        }
    }
    m_receiveDelay->setText(SettingCatalog::text(plan, SettingId::ScanReceiveDelay));
    m_launchDelay->setText(SettingCatalog::text(plan, SettingId::ScanLaunchDelay));
    m_cancelOperation->setChecked(SettingCatalog::listIndex(plan, SettingId::CancelOperation) != 0);
    m_receivedBannedVox->setChecked(SettingCatalog::listIndex(plan, SettingId::ReceivedBannedVox) != 0);
    for (int row = 0; row < kAutoDialRows; ++row)
        m_autoDial->item(row, 1)->setText(plan.AutoDialMemories[row]);
    const QList<SettingId> dtmf = dtmfSettings();
    for (size_t i = 0; i < m_dtmf.size(); ++i)
        m_dtmf[i]->setCurrentIndex(shownIndex(plan, dtmf[i], m_dtmf[i]));
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
    for (size_t i = 0; i < kOptionLists.size(); ++i)
        applyList(plan, kOptionLists[i].setting, m_lists[i]);
    SettingCatalog::setText(plan, SettingId::ScanReceiveDelay, m_receiveDelay->text());
    SettingCatalog::setText(plan, SettingId::ScanLaunchDelay, m_launchDelay->text());
    SettingCatalog::setListIndex(plan, SettingId::CancelOperation, m_cancelOperation->isChecked() ? 1 : 0);
    SettingCatalog::setListIndex(plan, SettingId::ReceivedBannedVox,
                                 m_receivedBannedVox->isChecked() ? 1 : 0);
    for (int row = 0; row < kAutoDialRows; ++row)
        plan.AutoDialMemories[row] = m_autoDial->item(row, 1)->text();
    const QList<SettingId> dtmf = dtmfSettings();
    for (size_t i = 0; i < m_dtmf.size(); ++i)
        applyList(plan, dtmf[i], m_dtmf[i]);
}

void OptionalFunctionsDialog::applyCaptions(Language language)
{
    setWindowTitle(LocalGroupCaption(language, SettingGroup::OptionalFunctions));
    ApplyControlCaptions(
        this,
        {{u"Frame2", u"扫描", u"Scan"}, {u"Command1", u"确定", u"OK"}, {u"Command2", u"取消", u"Cancel"}},
        language);
    ApplySettingCaptions(this,
                         {{u"Check3", SettingId::CancelOperation},
                          {u"Check4", SettingId::ReceivedBannedVox},
                          {u"Label8", SettingId::VoxFunction},
                          {u"Label10", SettingId::VoxGain},
                          {u"Label9", SettingId::VoxDelay},
                          {u"Label7", SettingId::VoxVolume},
                          {u"Label4", SettingId::PttId},
                          {u"Label11", SettingId::Duplicate},
                          {u"Label14", SettingId::Priority},
                          {u"Label15", SettingId::PreferredChannel},
                          {u"Label17", SettingId::RetraceTimeA},
                          {u"Label16", SettingId::RetraceTimeB},
                          {u"Label18", SettingId::ReturnChannel},
                          {u"Label19", SettingId::ScanReceiveDelay},
                          {u"Label20", SettingId::ScanLaunchDelay}},
                         language);
    for (size_t i = 0; i < kOptionLists.size(); ++i)
        SetEntries(m_lists[i], LocalEntries(language, kOptionLists[i].setting));
    ApplyMnemonics(this, {{u"Label8", u"Combo6", u'F'},
                          {u"Label10", u"Combo7", u'G'},
                          {u"Label9", u"Combo8", u'D'},
                          {u"Label7", u"Combo9", u'O'},
                          {u"Check3", nullptr, u'C'},
                          {u"Check4", nullptr, u'X'},
                          {u"Label4", u"Combo4", u'I'},
                          {u"Label11", u"Combo10", u'U'},
                          {u"Label14", u"Combo11", u'P'},
                          {u"Label15", u"Combo12", u'H'},
                          {u"Label17", u"Combo13", u'A'},
                          {u"Label16", u"Combo14", u'B'},
                          {u"Label18", u"Combo15", u'N'},
                          {u"Label19", u"Text5", u'R'},
                          {u"Label20", u"Text6", u'L'}});
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
