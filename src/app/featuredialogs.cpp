#include "featuredialogs.h"

#include "dialogs/aboutdialog.h"
#include "dialogs/debugdialog.h"
#include "dialogs/embeddedinfodialog.h"
#include "dialogs/keysettingsdialog.h"
#include "dialogs/optionalfunctionsdialog.h"
#include "dialogs/testfrequencydialog.h"
#include "ui/screenfit.h"

namespace vm280 {

FeatureDialogs::FeatureDialogs(CodePlan &plan, QWidget *window)
    : QObject(window), m_plan(plan), m_form5(std::make_unique<OptionalFunctionsDialog>()),
      m_form6(std::make_unique<KeySettingsDialog>()), m_form7(std::make_unique<EmbeddedInfoDialog>()),
      m_form4(std::make_unique<TestFrequencyDialog>()), m_form2(std::make_unique<DebugDialog>()),
      m_about(new AboutDialog(window))
{
    m_form5->setChannelTable(&m_plan.channels);
    commitOnOk(m_form5.get());
    commitOnOk(m_form6.get());
    commitOnOk(m_form7.get());
    commitOnOk(m_form4.get());
    commitOnOk(m_form2.get());
    connect(m_form5.get(), &OptionalFunctionsDialog::serviceModeUnlocked, this,
            &FeatureDialogs::serviceModeUnlocked);
}

void FeatureDialogs::sizeListsToTexts()
{
    SizeListsToTexts(m_form5.get());
    SizeListsToTexts(m_form6.get());
}

FeatureDialogs::~FeatureDialogs() = default;

template <typename Dialog> void FeatureDialogs::commitOnOk(Dialog *dialog)
{
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        dialog->applyTo(m_plan);
        emit planEdited();
    });
}

void FeatureDialogs::showPlan()
{
    m_form5->showPlan(m_plan);
    showOtherDialogs();
}

void FeatureDialogs::restorePlan()
{
    m_form5->restorePlan(m_plan);
    showOtherDialogs();
}

// The dialogs other than the optional functions check nothing when they show a plan.
void FeatureDialogs::showOtherDialogs()
{
    m_form6->showPlan(m_plan);
    m_form7->showPlan(m_plan);
    m_form4->showPlan(m_plan);
    m_form2->showPlan(m_plan);
}

void FeatureDialogs::applyCaptions(Language language)
{
    m_form5->applyCaptions(language);
    m_form6->applyCaptions(language);
    m_form7->applyCaptions(language);
    m_form4->applyCaptions(language);
    m_form2->applyCaptions(language);
    m_about->applyCaptions(language);
}

void FeatureDialogs::setServiceMode(bool on)
{
    m_form2->setServiceMode(on);
    if (!on)
        m_form5->clearServiceGesture();
}

void FeatureDialogs::present(QWidget *dialog)
{
    if (!dialog->isVisible())
        FitOnScreen(dialog);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace vm280
