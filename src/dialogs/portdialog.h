#pragma once

#include "serial/portprobe.h"
#include "serial/portselection.h"
#include "serial/portslots.h"
#include "serial/radiofinder.h"

#include <QDialog>
#include <QList>

class QButtonGroup;
class QLabel;
class QPushButton;
class QResizeEvent;

namespace vm280 {

/// The port dialog `FormCOM`: one option button per slot COM1 to COM20 ("OptionCOM0" for
/// COM1 to "OptionCOM19" for COM20, four rows of five), enabled for the ports that opened when
/// the ports were last detected, each with the slot's device and state under it ("LabelCOM0" to
/// "LabelCOM19") in the window's language. Find radio ("CommandFind") probes every port for the
/// radio, reports per port on the same labels and below them ("LabelFind"), and selects the port
/// where a VM-280 answered; "CommandCancel" stops it. Closing the dialog destroys it.
class PortDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PortDialog(QWidget *parent = nullptr);

    /// The port detection: probes every slot and settles on a port from the remembered
    /// portNumber, or from the slot the remembered device (its identity) is in now. The caller
    /// has closed its own port first, so that port probes as usable.
    void detect(const PortSlots &ports, int portNumber, const QString &rememberedDevice = {});

    /// The port to open and the `PortNumber` to keep: the detection's choice, then the last
    /// port the user picked or the search found.
    PortSelection selection() const { return m_selection; }
    /// What the detection found, COM1 first.
    const QList<SlotProbe> &probes() const { return m_probes; }
    const RadioFinder &finder() const { return *m_finder; }

    /// Find radio: detects the ports again and probes each for the radio; false when nothing
    /// started (a search runs, or it is not allowed now).
    bool startSearch();
    /// Whether a search may start: not while the port is in use for a read, write or batch.
    void setFindAllowed(bool allowed);
    /// Writes every text again in the language mode.
    void showTexts();

signals:
    /// The user picked port portNumber (1 to 20), or the search found the radio there: it is
    /// to be opened now.
    void portClicked(int portNumber);
    /// A search on ports starts: every port must be closed until searchEnded.
    void searchStarting(const vm280::PortSlots &ports);
    /// The search is over, done or cancelled; a radio found is picked with portClicked after it.
    void searchEnded();

protected:
    /// Closing cancels a search first.
    void reject() override;
    /// The dialog grows as the slots' states get longer (a search's results): it is kept on the
    /// screen, where a large scale would push its right edge off it.
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void onOptionClicked(int index);
    void portProbing(int portNumber);
    void portProbed();
    void searchFinished();

private:
    void setupUi();
    void showSlot(int index);
    void showButtons();
    QString summaryText() const;
    std::optional<PortFinding> findingOf(int portNumber) const;

    PortSlots m_ports;
    QList<SlotProbe> m_probes;
    PortSelection m_selection;
    RadioFinder *m_finder = nullptr;
    int m_probing = 0; ///< the slot being probed by a search; 0 when none is
    bool m_searched = false;
    bool m_findAllowed = true;
    QButtonGroup *m_group = nullptr;
    QList<QLabel *> m_slotLabels;
    QPushButton *m_find = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_summary = nullptr;
};

} // namespace vm280
