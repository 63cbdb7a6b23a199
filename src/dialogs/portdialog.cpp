#include "portdialog.h"

#include "ui/twips.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kColumns = 5;
constexpr int kWidthTwips = 5145;
constexpr int kHeightTwips = 3000;

// What the slot holds, and for a port that did not open, why.
QString slotTip(int portNumber, const SlotProbe &probe)
{
    const QString name = PortSlots::portName(portNumber);
    if (probe.devicePath.isEmpty())
        return u"%1: no serial port in this slot"_s.arg(name);
    if (probe.problem)
        return u"%1: %2 cannot be opened: %3"_s.arg(name, probe.devicePath,
                                                    PortProblemText(*probe.problem, EnglishWords));
    return u"%1: %2"_s.arg(name, probe.devicePath);
}

} // namespace

PortDialog::PortDialog(const PortSlots &ports, int portNumber, QWidget *parent)
    : QDialog(parent), m_probes(ProbePortSlots(ports)),
      m_selection(SelectPort(portNumber, UsableSlots(m_probes)))
{
    setObjectName(u"FormCOM"_s);
    setWindowTitle(u"Com"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    createButtons();
    if (m_selection.buttonSelected)
        m_group->button(m_selection.portNumber - 1)->setChecked(true);
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
}

void PortDialog::createButtons()
{
    m_group = new QButtonGroup(this);
    auto *grid = new QGridLayout(this);
    for (int index = 0; index < kPortSlotCount; ++index) {
        auto *option = new QRadioButton(PortSlots::portName(index + 1), this);
        option->setObjectName(u"OptionCOM%1"_s.arg(index));
        option->setEnabled(m_probes[index].usable());
        option->setToolTip(slotTip(index + 1, m_probes[index]));
        m_group->addButton(option, index);
        grid->addWidget(option, index / kColumns, index % kColumns);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &PortDialog::onOptionClicked);
}

void PortDialog::onOptionClicked(int index)
{
    const int portNumber = index + 1;
    m_selection = {portNumber, portNumber, true};
    emit portClicked(portNumber);
}

} // namespace vm280
