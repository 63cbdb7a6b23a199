#pragma once

#include "image/codeplan.h"
#include "image/language.h"

#include <QObject>
#include <memory>

class QWidget;

namespace vm280 {

class AboutDialog;
class DebugDialog;
class EmbeddedInfoDialog;
class KeySettingsDialog;
class OptionalFunctionsDialog;
class TestFrequencyDialog;

/// The dialogs that edit the plan's settings outside the channel table, and the about box. They
/// are created hidden once the main window has first been painted (or when first needed before
/// then) and live as long as it does; each shows the plan's stores and, on OK, hands its values
/// back into the plan.
class FeatureDialogs : public QObject
{
    Q_OBJECT

public:
    /// The about box is owned by window; the feature dialogs are windows of their own.
    FeatureDialogs(CodePlan &plan, QWidget *window);
    ~FeatureDialogs() override;

    OptionalFunctionsDialog *Form5() const { return m_form5.get(); }
    KeySettingsDialog *Form6() const { return m_form6.get(); }
    EmbeddedInfoDialog *Form7() const { return m_form7.get(); }
    TestFrequencyDialog *Form4() const { return m_form4.get(); }
    DebugDialog *Form2() const { return m_form2.get(); }
    AboutDialog *frmAbout() const { return m_about; }

    /// Fills every dialog from the plan's stores (after the start-up defaults and every decode).
    void showPlan();
    /// Fills every dialog from the plan's stores as they stand, asking nothing (undo and redo).
    void restorePlan();
    void applyCaptions(Language language);
    /// Service mode enables the power-trim sliders; leaving it also clears the unlock gesture.
    void setServiceMode(bool on);
    /// Lets the lists follow the widths of their entries from now on: each is sized to them
    /// when first shown anyway, so this waits until the window has been painted.
    void sizeListsToTexts();

    /// Shows a dialog, or brings it forward when it is shown already.
    static void present(QWidget *dialog);

signals:
    /// The hidden gesture of the optional-functions dialog was completed.
    void serviceModeUnlocked();
    /// A dialog's OK handed its values into the plan.
    void planEdited();

private:
    template <typename Dialog> void commitOnOk(Dialog *dialog);
    void showOtherDialogs();

    CodePlan &m_plan;
    std::unique_ptr<OptionalFunctionsDialog> m_form5;
    std::unique_ptr<KeySettingsDialog> m_form6;
    std::unique_ptr<EmbeddedInfoDialog> m_form7;
    std::unique_ptr<TestFrequencyDialog> m_form4;
    std::unique_ptr<DebugDialog> m_form2;
    AboutDialog *m_about;
};

} // namespace vm280
