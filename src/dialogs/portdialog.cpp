#include "portdialog.h"

#include "ui/languagemode.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kColumns = 5;
constexpr int kWidthTwips = 5145;
constexpr int kHeightTwips = 3000;
// A device name or state longer than this many average characters is shortened on the dialog's
// face (the tool tip has it whole), so five columns fit a small screen.
constexpr int kDeviceChars = 15;
constexpr int kStateChars = 20;

QString deviceName(const PortSlots &ports, int portNumber)
{
    const QString path = QDir::toNativeSeparators(ports.devicePath(portNumber));
    const QString description = ports.description(portNumber);
    return description.isEmpty() ? path : description + u" ("_s + path + u')';
}

// The slot's state on the dialog's face, in a word or two.
QString stateWord(const SlotProbe &probe, const std::optional<PortFinding> &finding)
{
    if (finding)
        return PortFindingWord(*finding, ShownText);
    if (probe.devicePath.isEmpty())
        return ShownText(u"无端口", u"no port");
    if (probe.problem)
        return PortStateText(*probe.problem, ShownText);
    return ShownText(u"可用", u"usable");
}

// The slot's state in a sentence, naming the fix where there is one.
QString stateSentence(const SlotProbe &probe, const std::optional<PortFinding> &finding)
{
    if (finding)
        return PortFindingText(*finding, ShownText);
    if (probe.devicePath.isEmpty())
        return ShownText(u"此位置没有串口。", u"No serial port in this slot.");
    if (probe.problem)
        return ShownText(u"无法打开：%1", u"Cannot be opened: %1")
            .arg(PortProblemText(*probe.problem, ShownText));
    return ShownText(u"可用", u"usable");
}

} // namespace

PortDialog::PortDialog(QWidget *parent) : QDialog(parent), m_finder(new RadioFinder(this))
{
    setObjectName(u"FormCOM"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setupUi();
    connect(m_group, &QButtonGroup::idClicked, this, &PortDialog::onOptionClicked);
    connect(m_find, &QPushButton::clicked, this, &PortDialog::startSearch);
    connect(m_cancel, &QPushButton::clicked, m_finder, &RadioFinder::cancel);
    connect(m_finder, &RadioFinder::probing, this, &PortDialog::portProbing);
    connect(m_finder, &RadioFinder::portProbed, this, &PortDialog::portProbed);
    connect(m_finder, &RadioFinder::finished, this, &PortDialog::searchFinished);
}

void PortDialog::setupUi()
{
    m_group = new QButtonGroup(this);
    auto *grid = new QGridLayout;
    for (int index = 0; index < kPortSlotCount; ++index) {
        auto *option = new QRadioButton(PortSlots::portName(index + 1), this);
        option->setObjectName(u"OptionCOM%1"_s.arg(index));
        m_group->addButton(option, index);
        auto *label = new QLabel(this);
        label->setObjectName(u"LabelCOM%1"_s.arg(index));
        label->setIndent(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth));
        QFont small = label->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        label->setFont(small);
        m_slotLabels << label;
        const int row = 2 * (index / kColumns);
        grid->addWidget(option, row, index % kColumns);
        grid->addWidget(label, row + 1, index % kColumns, Qt::AlignTop);
    }
    m_find = new QPushButton(this);
    m_find->setObjectName(u"CommandFind"_s);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(u"CommandCancel"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_find);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"LabelFind"_s);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addWidget(m_summary, 1);
}

void PortDialog::detect(const PortSlots &ports, int portNumber, const QString &rememberedDevice)
{
    m_ports = ports;
    m_probes = ProbePortSlots(ports);
    m_selection = SelectPort(RememberedSlot(ports, portNumber, rememberedDevice), UsableSlots(m_probes));
    m_searched = false;
    if (m_selection.buttonSelected) {
        m_group->button(m_selection.portNumber - 1)->setChecked(true);
    } else if (QAbstractButton *checked = m_group->checkedButton()) {
        // No button shows selected when the detection fell back to another port.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    showTexts();
    resize(sizeHint().expandedTo(QSize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips))));
}

bool PortDialog::startSearch()
{
    if (m_finder->running() || !m_findAllowed)
        return false;
    // Detected again: the cable may have been plugged in since the dialog opened.
    m_ports = PortSlots::detect();
    emit searchStarting(m_ports);
    m_probes = ProbePortSlots(m_ports);
    m_searched = true;
    m_finder->start(m_ports);
    showTexts();
    return true;
}

void PortDialog::setFindAllowed(bool allowed)
{
    m_findAllowed = allowed;
    showButtons();
}

void PortDialog::showTexts()
{
    // The dialog's caption is the same in every language.
    setWindowTitle(u"Com"_s);
    m_find->setText(ShownText(u"查找对讲机", u"Find radio"));
    m_cancel->setText(ShownText(u"取消", u"Cancel"));
    for (int index = 0; index < kPortSlotCount; ++index)
        showSlot(index);
    m_summary->setText(summaryText());
    showButtons();
}

void PortDialog::showSlot(int index)
{
    const int portNumber = index + 1;
    const SlotProbe probe = m_probes.value(index);
    const std::optional<PortFinding> finding = findingOf(portNumber);
    QLabel *label = m_slotLabels[index];
    const QString state =
        portNumber == m_probing ? ShownText(u"正在查找……", u"looking...") : stateWord(probe, finding);
    const QString device = deviceName(m_ports, portNumber);
    const QFontMetrics metrics(label->font());
    const int charWidth = metrics.averageCharWidth();
    label->setText(metrics.elidedText(device, Qt::ElideMiddle, kDeviceChars * charWidth) + u'\n' +
                   metrics.elidedText(state, Qt::ElideRight, kStateChars * charWidth));
    // A slot without a port is greyed like its button.
    label->setEnabled(!probe.devicePath.isEmpty());
    const QString whole = PortSlots::portName(portNumber) + ShownText(u"：", u": ") +
                          (device.isEmpty() ? QString() : device + u'\n') + stateSentence(probe, finding);
    label->setToolTip(whole);
    m_group->button(index)->setToolTip(whole);
}

void PortDialog::showButtons()
{
    const bool searching = m_finder->running();
    for (int index = 0; index < kPortSlotCount; ++index)
        m_group->button(index)->setEnabled(!searching && m_probes.value(index).usable());
    m_find->setEnabled(!searching && m_findAllowed);
    m_cancel->setEnabled(searching);
}

QString PortDialog::summaryText() const
{
    const auto port = [this](int portNumber) {
        return PortSlots::portName(portNumber) + ShownText(u"（", u" (") +
               QDir::toNativeSeparators(m_ports.devicePath(portNumber)) + ShownText(u"）", u")");
    };
    QString text;
    if (m_finder->running())
        text = ShownText(u"正在 %1上查找对讲机……", u"Looking for the radio on %1...").arg(port(m_probing));
    else if (!m_searched)
        return ShownText(u"查找对讲机：逐个询问各串口上的对讲机型号，每个串口约需 3 秒。",
                         u"Find radio asks every port in turn for the radio's model, about 3 s per port.");
    else if (const auto found = m_finder->found())
        text = ShownText(u"在 %1上找到 VM-280，已选用该端口。",
                         u"A VM-280 answered on %1; that port is selected.")
                   .arg(port(found->portNumber));
    else if (m_finder->cancelled())
        text = ShownText(u"查找已取消。", u"The search was cancelled.");
    else
        text = ShownText(u"没有找到 VM-280。", u"No VM-280 answered on any port.");
    // A port the user may not open names the fix, which is too long for the face.
    for (const PortFinding &finding : m_finder->findings()) {
        if (finding.cause && finding.cause->problem &&
            finding.cause->problem->kind == PortProblem::PermissionDenied)
            text += u'\n' + PortSlots::portName(finding.portNumber) + ShownText(u"：", u": ") +
                    PortFindingText(finding, ShownText);
    }
    return text;
}

std::optional<PortFinding> PortDialog::findingOf(int portNumber) const
{
    if (!m_searched)
        return std::nullopt;
    for (const PortFinding &finding : m_finder->findings()) {
        if (finding.portNumber == portNumber)
            return finding;
    }
    return std::nullopt;
}

void PortDialog::onOptionClicked(int index)
{
    const int portNumber = index + 1;
    m_selection = {portNumber, portNumber, true};
    emit portClicked(portNumber);
}

void PortDialog::portProbing(int portNumber)
{
    const int previous = m_probing;
    m_probing = portNumber;
    if (previous > 0)
        showSlot(previous - 1);
    showSlot(portNumber - 1);
    m_summary->setText(summaryText());
}

void PortDialog::portProbed()
{
    const int probed = m_probing;
    m_probing = 0;
    showSlot(probed - 1);
}

void PortDialog::searchFinished()
{
    m_probing = 0;
    showTexts();
    emit searchEnded();
    if (const auto found = m_finder->found()) {
        m_group->button(found->portNumber - 1)->setChecked(true);
        onOptionClicked(found->portNumber - 1);
    }
}

void PortDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QScreen *shown = screen();
    if (!isVisible() || shown == nullptr)
        return;
    const QRect area = shown->availableGeometry();
    const QRect frame = frameGeometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    if (x != frame.left() || y != frame.top())
        move(x, y);
}

void PortDialog::reject()
{
    m_finder->cancel();
    QDialog::reject();
}

} // namespace vm280
