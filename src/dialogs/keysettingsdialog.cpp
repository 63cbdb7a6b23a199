#include "keysettingsdialog.h"

#include "dialogcaptions.h"

#include "ui/languagemode.h"
#include "ui/mnemonics.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kOffEntry = 1;
constexpr int kWidthTwips = 6360;
constexpr int kHeightTwips = 4275;

void showKey(QComboBox *list, qint16 value)
{
    list->setCurrentIndex(value >= 0 && value < list->count() ? value : kOffEntry);
}

void applyKey(const QComboBox *list, qint16 &value)
{
    if (list->currentIndex() >= 0)
        value = qint16(list->currentIndex());
}

} // namespace

KeySettingsDialog::KeySettingsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form6"_s);
    createWidgets();
    initConnections();
    applyCaptions(LanguageMode());
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
}

void KeySettingsDialog::createWidgets()
{
    // The key names are the radio's own labels, the same in every language.
    auto *pf1Label = new QLabel(u"PF1"_s, this);
    pf1Label->setObjectName(u"Label1"_s);
    auto *pf2Label = new QLabel(u"PF2"_s, this);
    pf2Label->setObjectName(u"Label2"_s);
    m_pf1 = new QComboBox(this);
    m_pf1->setObjectName(u"Combo1"_s);
    m_pf2 = new QComboBox(this);
    m_pf2->setObjectName(u"Combo2"_s);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"Command1"_s);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(u"Command2"_s);
    ApplyMnemonics(this, {{u"Label1", u"Combo1", u'1'}, {u"Label2", u"Combo2", u'2'}});

    auto *keys = new QGridLayout;
    keys->addWidget(pf1Label, 0, 0);
    keys->addWidget(m_pf1, 0, 1);
    keys->addWidget(pf2Label, 1, 0);
    keys->addWidget(m_pf2, 1, 1);
    keys->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addStretch();
    main->addLayout(keys);
    main->addStretch();
    main->addLayout(buttons);
}

void KeySettingsDialog::initConnections()
{
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void KeySettingsDialog::showPlan(const CodePlan &plan)
{
    showKey(m_pf1, plan.KeyPf1);
    showKey(m_pf2, plan.KeyPf2);
}

void KeySettingsDialog::applyTo(CodePlan &plan) const
{
    applyKey(m_pf1, plan.KeyPf1);
    applyKey(m_pf2, plan.KeyPf2);
}

void KeySettingsDialog::applyCaptions(Language language)
{
    setWindowTitle(LocalGroupCaption(language, SettingGroup::Keys));
    ApplyControlCaptions(this, {{u"Command1", u"确定", u"OK"}, {u"Command2", u"取消", u"Cancel"}}, language);
    SetEntries(m_pf1, LocalEntries(language, SettingId::KeyPf1));
    SetEntries(m_pf2, LocalEntries(language, SettingId::KeyPf2));
}

} // namespace vm280
