#include "debugdialog.h"

#include "dialogcaptions.h"

#include "ui/languagemode.h"
#include "ui/twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kWidthTwips = 5475;
constexpr int kHeightTwips = 3210;

QSlider *trimSlider(QWidget *parent, const QString &name, SettingId trim)
{
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(name);
    const SettingRange range = SettingCatalog::range(trim);
    slider->setRange(int(range.min), int(range.max));
    slider->setEnabled(false);
    return slider;
}

QLabel *valueLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

DebugDialog::DebugDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"Debug"_s); // the same in every language
    createWidgets();
    initConnections();
    applyCaptions(LanguageMode());
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
}

void DebugDialog::createWidgets()
{
    m_high = trimSlider(this, u"Slider1"_s, SettingId::PowerTrimHigh);
    m_low = trimSlider(this, u"Slider3"_s, SettingId::PowerTrimLow);
    m_highValue = valueLabel(this, u"Lblpower1"_s);
    m_lowValue = valueLabel(this, u"Lblpower3"_s);
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"Command1"_s);
    m_ok->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addWidget(trimFrame(u"Frame1"_s, m_high, m_highValue, u"Label3"_s, u"Label8"_s));
    main->addWidget(trimFrame(u"Frame2"_s, m_low, m_lowValue, u"Label6"_s, u"Label7"_s));
    main->addStretch();
    main->addLayout(buttons);
}

QWidget *DebugDialog::trimFrame(const QString &frame, QSlider *slider, QLabel *value, const QString &lowEnd,
                                const QString &highEnd)
{
    auto *box = new QGroupBox(this);
    box->setObjectName(frame);
    auto *low = new QLabel(box);
    low->setObjectName(lowEnd);
    auto *high = new QLabel(box);
    high->setObjectName(highEnd);
    auto *grid = new QGridLayout(box);
    grid->addWidget(low, 0, 0);
    grid->addWidget(slider, 0, 1);
    grid->addWidget(high, 0, 2);
    grid->addWidget(value, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

void DebugDialog::initConnections()
{
    connect(m_high, &QSlider::valueChanged, this, &DebugDialog::onHighMoved);
    connect(m_low, &QSlider::valueChanged, this, &DebugDialog::onLowMoved);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void DebugDialog::showPlan(const CodePlan &plan)
{
    m_high->setValue(plan.PowerTrimHigh);
    m_low->setValue(plan.PowerTrimLow);
    // A value equal to the slider's emits nothing, so the labels are written here as well.
    onHighMoved(m_high->value());
    onLowMoved(m_low->value());
}

void DebugDialog::applyTo(CodePlan &plan) const
{
    plan.PowerTrimHigh = qint16(m_high->value());
    plan.PowerTrimLow = qint16(m_low->value());
}

void DebugDialog::applyCaptions(Language language)
{
    ApplyControlCaptions(this,
                         {{u"Frame1", u"发射高功率", u"TX-Hight Power"},
                          {u"Frame2", u"发射低功率", u"TX-Low Power"},
                          {u"Label3", u"最小", u"Low"},
                          {u"Label6", u"最小", u"Low"},
                          {u"Label7", u"最大", u"Hight"},
                          {u"Label8", u"最大", u"Hight"},
                          {u"Command1", u"确定", u"OK"}},
                         language);
}

void DebugDialog::setServiceMode(bool on)
{
    m_high->setEnabled(on);
    m_low->setEnabled(on);
}

void DebugDialog::onHighMoved(int value)
{
    m_highValue->setText(QString::number(value));
}

void DebugDialog::onLowMoved(int value)
{
    m_lowValue->setText(QString::number(value));
}

} // namespace vm280
