#pragma once

#include "serial/portprobe.h"
#include "serial/portselection.h"
#include "serial/portslots.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QRadioButton;

namespace vm280 {

/// The port dialog `FormCOM`: one option button per slot COM1 to COM20 ("OptionCOM0" for
/// COM1 to "OptionCOM19" for COM20, four rows of five), enabled for the ports that opened when
/// the dialog was built. Building it is the port detection; closing it destroys it. Its texts
/// are the same in every language.
class PortDialog : public QDialog
{
    Q_OBJECT

public:
    /// Probes every slot and settles on a port from the remembered portNumber. The caller has
    /// closed its own port first, so that port probes as usable.
    PortDialog(const PortSlots &ports, int portNumber, QWidget *parent = nullptr);

    /// The port to open and the `PortNumber` to keep: the detection's choice, then the last
    /// port the user picked.
    PortSelection selection() const { return m_selection; }
    /// What the detection found, COM1 first.
    const QList<SlotProbe> &probes() const { return m_probes; }

signals:
    /// The user picked port portNumber (1 to 20): it is to be opened now.
    void portClicked(int portNumber);

private slots:
    void onOptionClicked(int index);

private:
    void createButtons();

    QList<SlotProbe> m_probes;
    PortSelection m_selection;
    QButtonGroup *m_group = nullptr;
};

} // namespace vm280
