#include "testfrequencydialog.h"

#include "dialogcaptions.h"
#include "testfrequencygrid.h"

#include "editor/localtext.h"
#include "editor/testfrequencyrules.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"
#include "ui/twips.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

constexpr int kChannels = 16;
constexpr int kReceiveColumn = 1;
constexpr int kTransmitColumn = 2;
constexpr std::array<int, 3> kColumnTwips{900, 1530, 1530};
constexpr int kRowTwips = 300;
constexpr int kWidthTwips = 4695;
constexpr int kHeightTwips = 6165;

QTableWidgetItem *cellItem(const QString &text, bool editable)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

TestFrequencyDialog::TestFrequencyDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"测试频率"_s); // the same in every language
    createWidgets();
    initConnections();
    applyCaptions(LanguageMode());
    resize(TwipsToPixels(kWidthTwips), TwipsToPixels(kHeightTwips));
}

// An editor still open when the dialog goes hands its text over while the grid is destroyed,
// after this part of the dialog is gone.
TestFrequencyDialog::~TestFrequencyDialog()
{
    disconnect(m_grid, nullptr, this, nullptr);
}

void TestFrequencyDialog::createWidgets()
{
    m_grid = new TestFrequencyGrid(kChannels, 3, this);
    m_grid->setObjectName(u"mfgrid1"_s);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(TwipsToPixels(kRowTwips));
    m_grid->verticalHeader()->setMinimumSectionSize(TwipsToPixels(kRowTwips));
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int column = 0; column < int(kColumnTwips.size()); ++column)
        m_grid->setColumnWidth(column, TwipsToPixels(kColumnTwips[column]));
    for (int row = 0; row < kChannels; ++row) {
        m_grid->setItem(row, 0, cellItem(u"%1"_s.arg(row + 1, 2, 10, QLatin1Char('0')), false));
        m_grid->setItem(row, kReceiveColumn, cellItem({}, true));
        m_grid->setItem(row, kTransmitColumn, cellItem({}, false));
    }
    m_ok = new QPushButton(this);
    m_ok->setObjectName(u"Command1"_s);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(u"Command2"_s);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto *main = new QVBoxLayout(this);
    main->addWidget(m_grid, 1);
    main->addLayout(buttons);
}

void TestFrequencyDialog::initConnections()
{
    connect(m_grid, &TestFrequencyGrid::cellEntered, this, &TestFrequencyDialog::onCellEntered);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TestFrequencyDialog::showPlan(const CodePlan &plan)
{
    for (int row = 0; row < kChannels; ++row) {
        m_grid->item(row, kReceiveColumn)->setText(plan.TestFrequencies[0][row]);
        m_grid->item(row, kTransmitColumn)->setText(plan.TestFrequencies[1][row]);
        setTransmitEditable(row);
    }
}

void TestFrequencyDialog::applyTo(CodePlan &plan) const
{
    for (int row = 0; row < kChannels; ++row) {
        plan.TestFrequencies[0][row] = m_grid->item(row, kReceiveColumn)->text();
        plan.TestFrequencies[1][row] = m_grid->item(row, kTransmitColumn)->text();
    }
}

void TestFrequencyDialog::applyCaptions(Language language)
{
    m_grid->setHorizontalHeaderLabels(
        LocalTexts(language, SettingCatalog::testFrequencyHeaders(Language::SimplifiedChinese),
                   SettingCatalog::testFrequencyHeaders(Language::English)));
    ApplyControlCaptions(this, {{u"Command1", u"确定", u"OK"}, {u"Command2", u"取消", u"Cancel"}}, language);
}

// The edit has ended: the receive cell snaps and hands its value to the transmit cell; the
// transmit cell snaps to the receive cell's raster. A text that cannot be stored changes nothing.
void TestFrequencyDialog::onCellEntered(int row, int column, const QString &text)
{
    QTableWidgetItem *receive = m_grid->item(row, kReceiveColumn);
    QTableWidgetItem *transmit = m_grid->item(row, kTransmitColumn);
    const std::optional<QString> entered =
        column == kReceiveColumn ? SnapTestReceive(text) : SnapTestTransmit(text, receive->text());
    if (!entered) {
        // Told once the editor has closed: a message box now would take the focus from it, and
        // that ends the same edit a second time.
        QMetaObject::invokeMethod(this, &TestFrequencyDialog::refuseFrequency, Qt::QueuedConnection);
        return;
    }
    if (column == kTransmitColumn) {
        transmit->setText(*entered);
        return;
    }
    receive->setText(*entered);
    transmit->setText(*entered);
    setTransmitEditable(row);
}

void TestFrequencyDialog::refuseFrequency()
{
    ShowMsgbox(
        ShownText(u"无法存储此频率：测试频率须为 0 到 999.99999 MHz 之间的数字。",
                  u"This frequency cannot be stored: a test frequency is a number from 0 to 999.99999 MHz."),
        MsgboxOkOnly + MsgboxExclamation);
}

void TestFrequencyDialog::setTransmitEditable(int row)
{
    QTableWidgetItem *transmit = m_grid->item(row, kTransmitColumn);
    const bool editable = CanEditTestTransmit(m_grid->item(row, kReceiveColumn)->text());
    transmit->setFlags(editable ? transmit->flags() | Qt::ItemIsEditable
                                : transmit->flags() & ~Qt::ItemIsEditable);
}

} // namespace vm280
