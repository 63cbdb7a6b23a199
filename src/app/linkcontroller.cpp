#include "linkcontroller.h"

#include "filechooser.h"
#include "portmemory.h"

#include "image/bands.h"
#include "image/codec.h"
#include "image/hex.h"
#include "link/backupname.h"
#include "link/writereport.h"
#include "serial/radioport.h"
#include "ui/elidedlabel.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString shown(LinkText text)
{
    return ShownText(LinkTextChinese(text), LinkTextEnglish(text));
}

// The plan of image, as the window would decode it.
CodePlan planOf(const QByteArray &image, int band)
{
    CodePlan plan;
    plan.band = band;
    DecodeImage(plan, image, ChoiceTexts::simplifiedChinese());
    return plan;
}

} // namespace

LinkController::LinkController(const LinkControls &controls, const LinkPlanAccess &plan, QObject *parent)
    : SerialLink(parent), m_controls(controls), m_plan(plan), m_slots(PortSlots::detect())
{
    connect(this, &SerialLink::portLost, this, &LinkController::portWentAway);
}

void LinkController::detectSlots()
{
    setPort(nullptr);
    m_slots = PortSlots::detect();
}

QString LinkController::rememberedDevice() const
{
    return RememberedPortDevice();
}

void LinkController::choosePort(int portNumber)
{
    openSlot(portNumber);
    RememberPortDevice(m_slots.identity(portNumber));
}

void LinkController::beginSearch(const PortSlots &ports)
{
    setPort(nullptr);
    m_slots = ports;
    setCommandsEnabled(false);
}

void LinkController::endSearch()
{
    if (m_openSlot > 0)
        openSlot(m_openSlot);
    setCommandsEnabled(true);
}

void LinkController::openSlot(int portNumber)
{
    setPort(nullptr);
    m_openSlot = 0;
    const QString device = m_slots.devicePath(portNumber);
    if (device.isEmpty()) {
        m_portCause = LinkCauseOf(LinkCause::PortNotOpened);
        return;
    }
    auto opened = OpenRadioPort(device);
    if (auto *problem = std::get_if<PortProblem>(&opened)) {
        m_portCause = OpenFailureCause(device, *problem);
        return;
    }
    m_portCause.reset();
    m_openSlot = portNumber;
    setPort(std::move(std::get<std::unique_ptr<QSerialPort>>(opened)));
}

void LinkController::noPortOpened(const QList<SlotProbe> &probes, int portNumber)
{
    setPort(nullptr);
    m_openSlot = 0;
    const auto hasProblem = [](const SlotProbe &probe) { return probe.problem.has_value(); };
    SlotProbe named = probes.value(portNumber - 1);
    if (!named.problem) {
        const auto first = std::find_if(probes.begin(), probes.end(), hasProblem);
        named = first == probes.end() ? SlotProbe() : *first;
    }
    m_portCause = named.problem ? OpenFailureCause(named.devicePath, *named.problem)
                                : LinkCauseOf(LinkCause::PortNotOpened);
}

void LinkController::portWentAway()
{
    m_portCause = LinkCauseOf(LinkCause::PortLost);
}

bool LinkController::startWrite(bool backup, bool verify)
{
    m_job = Job::Plan;
    return startSequence(backup, verify);
}

bool LinkController::startRestore(const QByteArray &image, bool backup, bool verify)
{
    // Sent as a write of the opened file would send it: decoded, then encoded.
    const CodePlan plan = planOf(image, bandSelectorIndex());
    m_jobImage = EncodeImage(plan, ChoiceTexts::simplifiedChinese());
    m_jobBand = plan.band;
    m_job = Job::Restore;
    const bool started = startSequence(backup, verify);
    if (!started)
        m_job = Job::Plan;
    return started;
}

bool LinkController::startCompareRead()
{
    m_job = Job::Compare;
    m_jobImage.clear();
    const bool started = engine().startRead();
    if (!started)
        m_job = Job::Plan;
    return started;
}

bool LinkController::startSequence(bool backup, bool verify)
{
    WriteSequence::Steps steps;
    if (backup)
        steps.backupPath = [](int radioBand) { return DefaultBackupPath(radioBand); };
    steps.verify = verify;
    steps.stageStarted = [this](const WriteSequence::Stage &) { showStage(); };
    m_writing = m_sequence.start(steps);
    return m_writing;
}

void LinkController::applyCaptions()
{
    showStage();
    showLastResult();
}

void LinkController::showStage()
{
    m_controls.stage->setText(WriteStageText(m_sequence.stage(), ShownText));
    m_controls.stage->setVisible(m_sequence.running());
}

void LinkController::showLastResult()
{
    if (m_lastResult)
        m_controls.lastResult->setText(LinkResultText(*m_lastResult, ShownText));
}

void LinkController::setStatusText(LinkText text)
{
    if (text != LinkText::Communicating)
        m_shownText = text;
    // The plan shown did not change: the status says where the radio's memory went.
    if (m_job == Job::Compare && text == LinkText::ReadDone)
        m_controls.status->setText(
            ShownText(u"已读取对讲机，差异见比较窗口。",
                      u"The radio was read; the differences are in the Compare window."));
    else
        m_controls.status->setText(shown(text));
}

void LinkController::setStatusVisible(bool visible)
{
    m_controls.status->setVisible(visible);
}

void LinkController::setProgressVisible(bool visible)
{
    m_controls.progress->setVisible(visible);
}

void LinkController::setProgressValue(int value)
{
    m_controls.progress->setRange(0, kProgressMaximum);
    m_controls.progress->setValue(value);
}

void LinkController::setCommandsEnabled(bool enabled)
{
    m_controls.toolbar->setEnabled(enabled);
    m_controls.programmingMenu->setEnabled(enabled);
    m_controls.read->setEnabled(enabled);
    m_controls.write->setEnabled(enabled);
    m_commandsEnabled = enabled;
    emit commandsEnabledChanged(enabled);
}

void LinkController::prepareForOperation()
{
    // A read or write enables the band frame again, even while the lock holds it, and gives the
    // band selector the focus. The window has ended any edit in the grid before the command ran.
    m_controls.bandFrame->setEnabled(true);
    m_controls.bandSelector->setFocus(Qt::OtherFocusReason);
    m_shownText = LinkText::CommunicationError;
}

void LinkController::showMessage(LinkText text)
{
    // Under the message every failure shows: what the line showed, and what a write cut off left
    // in the radio.
    m_shownText = text;
    QStringList more;
    if (text == LinkText::CommunicationError) {
        more << LinkCauseText(FailureCause(engine().hearing()), ShownText);
        if (m_writing)
            more << WriteLeftoverText(m_sequence.result(), ShownText);
    } else if (text == LinkText::PortNotOpen && m_portCause) {
        more << LinkCauseText(*m_portCause, ShownText);
    }
    ShowMsgbox(shown(text), LinkTextStyle(text), QString(), {}, more.join(u'\n'));
}

bool LinkController::askBandQuestion()
{
    m_questionLevel = MsgboxLevel();
    const QString bands = ShownText(u"对讲机：%1，方案：%2", u"radio: %1, plan: %2")
                              .arg(BandText(engine().questionedRadioBand()), BandText(bandSelectorIndex()));
    return ShowMsgbox(shown(LinkText::BandQuestion), LinkTextStyle(LinkText::BandQuestion), QString(), {},
                      bands) == MsgboxYes;
}

void LinkController::closeBandQuestion()
{
    CloseMsgboxes(m_questionLevel);
}

QByteArray LinkController::encodeImage()
{
    return m_job == Job::Restore ? m_jobImage : m_plan.encode();
}

void LinkController::decodeImage(const QByteArray &hex)
{
    if (m_job != Job::Compare) {
        m_plan.decode(hex);
        return;
    }
    m_jobImage = hex;
    m_jobBand = planOf(hex, m_controls.bandSelector->currentIndex()).band;
}

int LinkController::bandSelectorIndex() const
{
    return m_job == Job::Plan ? m_controls.bandSelector->currentIndex() : m_jobBand;
}

void LinkController::selectBandWithoutPrompt(int index)
{
    if (m_job == Job::Plan)
        m_plan.selectBandWithoutPrompt(index);
}

bool LinkController::serviceMode() const
{
    return m_plan.serviceMode();
}

void LinkController::operationEnded(LinkOutcome outcome)
{
    const bool backupSaved = m_writing && m_sequence.result().backupSaved();
    m_lastResult = LinkResult{outcome, m_shownText, QTime::currentTime(),
                              backupSaved ? m_sequence.result().backupPath : QString()};
    showLastResult();
    showStage();
    if (m_writing)
        reportWriteSteps();
    m_writing = false;
    const Job job = m_job;
    m_job = Job::Plan;
    if (outcome == LinkOutcome::Success && job == Job::Plan)
        emit planMatchesRadio();
    else if (outcome == LinkOutcome::Success && job == Job::Compare)
        emit radioRead(m_jobImage);
    emit ended(outcome);
}

void LinkController::reportWriteSteps()
{
    const WriteSequence::Result &result = m_sequence.result();
    if (result.backupError) {
        ShowMsgbox(shown(LinkText::BackupFailed) + u'\n' +
                       FileProblemText(result.backupError->problem(result.backupPath)),
                   LinkTextStyle(LinkText::BackupFailed));
    } else if (result.firstDifference) {
        const QString address = u"0x"_s + QString::fromLatin1(ToHex4(quint32(*result.firstDifference)));
        ShowMsgbox(shown(LinkText::VerifyMismatch) + u'\n' +
                       ShownText(u"第一处不同：地址 %1", u"First difference at address %1").arg(address),
                   LinkTextStyle(LinkText::VerifyMismatch));
    }
}

} // namespace vm280
