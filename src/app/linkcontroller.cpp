#include "linkcontroller.h"

#include "filechooser.h"

#include "image/bands.h"
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

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

QString shown(LinkText text)
{
    return ShownText(LinkTextChinese(text), LinkTextEnglish(text));
}

} // namespace

LinkController::LinkController(const LinkControls &controls, const LinkPlanAccess &plan, QObject *parent)
    : SerialLink(parent), m_controls(controls), m_plan(plan), m_slots(PortSlots::detect())
{}

void LinkController::openSlot(int portNumber)
{
    setPort(nullptr);
    const QString device = m_slots.devicePath(portNumber);
    if (device.isEmpty())
        return;
    auto opened = OpenRadioPort(device);
    if (auto *port = std::get_if<std::unique_ptr<QSerialPort>>(&opened))
        setPort(std::move(*port));
}

bool LinkController::startWrite(bool backup, bool verify)
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
    // A write cut off says what it left in the radio, under the message every failure shows.
    m_shownText = text;
    const bool writeFailed = m_writing && text == LinkText::CommunicationError;
    const QString leftover = writeFailed ? WriteLeftoverText(m_sequence.result(), ShownText) : QString();
    ShowMsgbox(shown(text), LinkTextStyle(text), QString(), {}, leftover);
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
    return m_plan.encode();
}

void LinkController::decodeImage(const QByteArray &hex)
{
    m_plan.decode(hex);
}

int LinkController::bandSelectorIndex() const
{
    return m_controls.bandSelector->currentIndex();
}

void LinkController::selectBandWithoutPrompt(int index)
{
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
