#pragma once

#include "editor/servicegesture.h"
#include "image/codeplan.h"
#include "image/language.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace vm280 {

/// The optional functions dialog `Form5`: VOX, scan, priority, PTT ID and duplicate settings,
/// plus the DTMF settings and auto-dial memories, which it carries in controls the user never
/// sees, so that OK hands back what the plan holds. It also carries the service-mode gesture.
class OptionalFunctionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit OptionalFunctionsDialog(QWidget *parent = nullptr);

    /// The channels the priority checks look at; none counts as an empty table.
    void setChannelTable(const ChannelTable *table);
    /// Shows the stores of plan, running the priority checks as a user's choice would.
    void showPlan(const CodePlan &plan);
    /// Shows the stores of plan as they stand, without the priority checks and their messages:
    /// a state the plan was in before (undo and redo) is put back as it was.
    void restorePlan(const CodePlan &plan);
    /// Copies the controls into OptionTexts, DtmfSettings and AutoDialMemories. A list showing
    /// no entry leaves its store as it is.
    void applyTo(CodePlan &plan) const;
    void applyCaptions(Language language);
    /// Forgets the gesture's clicks and its unlock (service mode was left).
    void clearServiceGesture();

signals:
    /// The service-mode gesture is complete.
    void serviceModeUnlocked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void onPriorityChanged(int index);
    void onPreferredChannelChanged(int index);
    void onReceiveDelayScrolled(int value);
    void onLaunchDelayScrolled(int value);
    void onDelayTextChanged();
    void onOk();

private:
    void createWidgets();
    void createLayout();
    void initConnections();
    QGroupBox *createVoxFrame();
    QGroupBox *createScanFrame();
    QGroupBox *createDtmfFrame();
    enum class PriorityChecks { Run, Skip };
    void showStores(const CodePlan &plan, PriorityChecks checks);
    void selectPriority(int index);
    void selectPreferredChannel(int index);
    void markDelay(QLineEdit *edit);
    /// The delay box holding a typed value the radio cannot hold, if any.
    QLineEdit *invalidDelay() const;
    const ChannelTable &channels() const;

    std::array<QComboBox *, 11> m_lists{}; ///< Combo4, Combo6 to Combo15, as in kOptionLists
    std::array<QComboBox *, 8> m_dtmf{};   ///< as in kDtmfLists
    QComboBox *m_priority = nullptr;
    QComboBox *m_preferredChannel = nullptr;
    QCheckBox *m_cancelOperation = nullptr;
    QCheckBox *m_receivedBannedVox = nullptr;
    QLineEdit *m_receiveDelay = nullptr;
    QLineEdit *m_launchDelay = nullptr;
    QScrollBar *m_receiveScroll = nullptr;
    QScrollBar *m_launchScroll = nullptr;
    QTableWidget *m_autoDial = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    std::array<QLabel *, ServiceGesture::kLabels> m_gestureLabels{};

    const ChannelTable *m_channels = nullptr;
    int m_lastFixedChannel = 0; ///< the channel the last switch to "Fixed" chose; 0 for none
    ServiceGesture m_gesture;
};

} // namespace vm280
