#include "importchooserdialog.h"

#include "image/bands.h"
#include "ui/languagemode.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// "01-08, 11, 13-16": the channels, runs written as ranges.
QString channelRanges(QList<int> channels)
{
    std::sort(channels.begin(), channels.end());
    QStringList runs;
    const auto two = [](int channel) { return u"%1"_s.arg(channel, 2, 10, QLatin1Char('0')); };
    for (qsizetype i = 0; i < channels.size();) {
        qsizetype last = i;
        while (last + 1 < channels.size() && channels[last + 1] == channels[last] + 1)
            ++last;
        runs << (last == i ? two(channels[i]) : two(channels[i]) + u'-' + two(channels[last]));
        i = last + 1;
    }
    return runs.join(u", "_s);
}

QPushButton *newButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

ImportChooserDialog::ImportChooserDialog(ImportChoice choice, const CodePlan &plan, const ChoiceTexts &texts,
                                         const Purpose &purpose, QWidget *parent)
    : QDialog(parent), m_choice(std::move(choice)), m_channels(plan.channels), m_planBand(plan.band),
      m_texts(texts)
{
    // A new plan replaces every channel: none of the plan's is shown as given way.
    if (purpose.newPlan)
        m_channels = ChannelTable();
    setupUi(purpose);
    initConnections();
    showChoice();
}

bool ImportChooserDialog::takesSettings() const
{
    return !m_settings->isHidden() && m_settings->isChecked();
}

void ImportChooserDialog::setupUi(const Purpose &purpose)
{
    setObjectName(u"frmImportChooser"_s);
    setWindowTitle(purpose.newPlan ? ShownText(u"从模板新建", u"New from template")
                                   : ShownText(u"导入", u"Import"));
    m_heading = new QLabel(this);
    m_heading->setObjectName(u"lblHeading"_s);
    m_heading->setWordWrap(true);
    m_heading->setText((purpose.newPlan ? ShownText(u"模板 %1：%2 行。", u"Template %1: %2 rows.")
                                        : ShownText(u"文件 %1：%2 行。", u"File %1: %2 rows."))
                           .arg(purpose.fileName)
                           .arg(m_choice.list().size()));
    m_model = new ImportChoiceModel(m_choice, m_channels, m_texts, this);
    m_table = new QTableView(this);
    m_table->setObjectName(u"TableRows"_s);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->verticalHeader()->hide();
    // One line of text a row, as many rows as fit.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->verticalHeader()->minimumSectionSize());
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->installEventFilter(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"lblSummary"_s);
    m_summary->setWordWrap(true);
    m_settings = new QCheckBox(ShownText(u"同时导入文件中的设置", u"Also take the file's settings"), this);
    m_settings->setObjectName(u"chkSettings"_s);
    m_settings->setVisible(purpose.offersSettings);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addLayout(createBandRow());
    layout->addLayout(createPlacementRow());
    layout->addLayout(createTickRow());
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_settings);
    layout->addLayout(createButtonRow(purpose));
    m_table->resizeColumnsToContents();
    // As large as the rows need, within the screen: at 200 % a small screen still shows it whole.
    const QScreen *screen = parent() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    resize(QSize(960, 600).boundedTo(screen->availableGeometry().size() * 9 / 10));
}

QLayout *ImportChooserDialog::createBandRow()
{
    auto *label = new QLabel(ShownText(u"频段", u"Band"), this);
    m_band = new QComboBox(this);
    m_band->setObjectName(u"cboBand"_s);
    for (int band = 0; band < kBandCount; ++band)
        m_band->addItem(BandText(band));
    label->setBuddy(m_band);
    m_bestBand = newButton(this, u"cmdBestBand"_s, ShownText(u"最合适的频段", u"Best band"));
    m_bestBand->setToolTip(
        ShownText(u"选择容纳最多勾选行的频段", u"The band that holds the most ticked rows"));
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_band);
    row->addWidget(m_bestBand);
    row->addStretch();
    return row;
}

QLayout *ImportChooserDialog::createPlacementRow()
{
    m_fileOrder = new QRadioButton(ShownText(u"按文件顺序，从信道", u"In file order from channel"), this);
    m_fileOrder->setObjectName(u"optFileOrder"_s);
    m_firstChannel = new QSpinBox(this);
    m_firstChannel->setObjectName(u"spnFirstChannel"_s);
    m_firstChannel->setRange(1, ChannelTable::kRows);
    m_byLocation = new QRadioButton(ShownText(u"按位置", u"By Location"), this);
    m_byLocation->setObjectName(u"optByLocation"_s);
    auto *group = new QButtonGroup(this);
    group->addButton(m_fileOrder);
    group->addButton(m_byLocation);
    auto *row = new QHBoxLayout;
    row->addWidget(m_fileOrder);
    row->addWidget(m_firstChannel);
    row->addSpacing(m_firstChannel->sizeHint().width() / 2);
    row->addWidget(m_byLocation);
    row->addStretch();
    return row;
}

QLayout *ImportChooserDialog::createTickRow()
{
    auto *label = new QLabel(ShownText(u"勾选位置", u"Tick Locations"), this);
    m_locations = new QLineEdit(this);
    m_locations->setObjectName(u"txtLocations"_s);
    m_locations->setPlaceholderText(u"1-8,71-78"_s);
    m_locations->installEventFilter(this);
    label->setBuddy(m_locations);
    m_tick = newButton(this, u"cmdTick"_s, ShownText(u"勾选", u"Tick"));
    m_tickNone = newButton(this, u"cmdTickNone"_s, ShownText(u"全不选", u"Tick none"));
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_locations, 1);
    row->addWidget(m_tick);
    row->addWidget(m_tickNone);
    return row;
}

QLayout *ImportChooserDialog::createButtonRow(const Purpose &purpose)
{
    m_ok = newButton(this, u"cmdOK"_s,
                     purpose.newPlan ? ShownText(u"新建", u"New") : ShownText(u"导入", u"Import"));
    m_ok->setDefault(true);
    m_cancel = newButton(this, u"cmdCancel"_s, ShownText(u"取消", u"Cancel"));
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    return row;
}

void ImportChooserDialog::initConnections()
{
    connect(m_band, &QComboBox::currentIndexChanged, this, &ImportChooserDialog::bandPicked);
    connect(m_bestBand, &QPushButton::clicked, this, &ImportChooserDialog::pickBestBand);
    connect(m_fileOrder, &QRadioButton::toggled, this, &ImportChooserDialog::placementChanged);
    connect(m_firstChannel, &QSpinBox::valueChanged, this, &ImportChooserDialog::placementChanged);
    connect(m_tick, &QPushButton::clicked, this, &ImportChooserDialog::tickLocations);
    connect(m_tickNone, &QPushButton::clicked, this, &ImportChooserDialog::tickNone);
    connect(m_model, &ImportChoiceModel::ticksChanged, this, &ImportChooserDialog::updateSummary);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The controls show the choice as it starts.
void ImportChooserDialog::showChoice()
{
    const QSignalBlocker bandBlocker(m_band);
    const QSignalBlocker orderBlocker(m_fileOrder);
    const QSignalBlocker channelBlocker(m_firstChannel);
    m_band->setCurrentIndex(m_choice.band());
    const Placement placement = m_choice.placement();
    m_fileOrder->setChecked(placement.mode == Placement::FileOrder);
    m_byLocation->setChecked(placement.mode == Placement::ByLocation);
    m_firstChannel->setValue(placement.firstChannel);
    m_firstChannel->setEnabled(placement.mode == Placement::FileOrder);
    updateSummary();
}

bool ImportChooserDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent *>(event)->key();
    // Space ticks every row selected at once; Enter in the Locations ticks them, not OK.
    if (watched == m_table && key == Qt::Key_Space) {
        toggleSelectedRows();
        return true;
    }
    if (watched == m_locations && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        tickLocations();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ImportChooserDialog::bandPicked(int band)
{
    m_choice.setBand(band);
    m_model->choiceChanged();
    updateSummary();
}

void ImportChooserDialog::pickBestBand()
{
    const int best = m_choice.bestBand();
    if (best >= 0)
        m_band->setCurrentIndex(best);
    updateSummary();
}

void ImportChooserDialog::placementChanged()
{
    const bool fileOrder = m_fileOrder->isChecked();
    m_firstChannel->setEnabled(fileOrder);
    m_choice.setPlacement(
        {fileOrder ? Placement::FileOrder : Placement::ByLocation, m_firstChannel->value()});
    m_model->choiceChanged();
    updateSummary();
}

void ImportChooserDialog::tickLocations()
{
    const auto locations = LocationList::parse(m_locations->text());
    if (!locations) {
        m_summary->setStyleSheet(u"color: red;"_s);
        m_summary->setText(ShownText(u"“%1”不是位置列表，例如 1-8,71-78。",
                                     u"'%1' is no list of Locations such as 1-8,71-78.")
                               .arg(m_locations->text()));
        return;
    }
    m_choice.tickLocations(*locations);
    m_model->choiceChanged();
    updateSummary();
    // The rows ticked may lie far down a long list: the first of them comes into view.
    for (int row = 0; row < m_choice.list().size(); ++row) {
        if (m_choice.isTicked(row)) {
            m_table->scrollTo(m_model->index(row, 0), QAbstractItemView::PositionAtTop);
            break;
        }
    }
}

void ImportChooserDialog::tickNone()
{
    QList<int> rows;
    for (int row = 0; row < m_choice.list().size(); ++row)
        rows << row;
    m_model->setTicked(rows, false);
}

void ImportChooserDialog::toggleSelectedRows()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty() && m_table->currentIndex().isValid())
        rows << m_table->currentIndex().row();
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    m_model->setTicked(rows, !m_choice.isTicked(rows.first()));
}

void ImportChooserDialog::updateSummary()
{
    const auto problem = m_choice.problem();
    m_ok->setEnabled(!problem);
    m_summary->setStyleSheet(problem ? u"color: red;"_s : QString());
    m_summary->setText(problem ? problemText(*problem) : placedText());
}

QString ImportChooserDialog::problemText(const ChoiceProblem &problem) const
{
    const auto location = [this](int row) {
        return m_choice.list().row(row).shown[ChannelList::LocationColumn];
    };
    switch (problem.kind) {
    case ChoiceProblem::TooManyRows:
        return ShownText(
                   u"勾选的 %1 行可以编程，但从信道 %2 到 16 只有 %3 个信道。请少勾选几行。",
                   u"%1 ticked rows can be programmed, but channels %2 to 16 are only %3. Tick fewer rows.")
            .arg(problem.count)
            .arg(m_choice.placement().firstChannel)
            .arg(m_choice.placement().room());
    case ChoiceProblem::NoChannel:
        return ShownText(
                   u"位置为 %1 的勾选行没有信道：按位置只能放入信道 1 到 16。",
                   u"The ticked row at Location %1 has no channel: by Location, rows go to channels 1 to 16.")
            .arg(location(problem.row));
    case ChoiceProblem::ChannelTwice:
        return ShownText(u"勾选了两行位置为 %1 的行，一个信道只能放一行。",
                         u"Two ticked rows have the Location %1; a channel takes one row.")
            .arg(location(problem.row));
    case ChoiceProblem::NothingToImport:
        break;
    }
    const int best = m_choice.bestBand();
    if (best >= 0 && best != m_choice.band())
        return ShownText(u"没有可以在频段 %1 中编程的勾选行；频段 %2 可以容纳它们。",
                         u"No ticked row can be programmed in the band %1; the band %2 holds them.")
            .arg(BandText(m_choice.band()), BandText(best));
    return ShownText(u"没有可以编程的勾选行。", u"No ticked row can be programmed.");
}

QString ImportChooserDialog::placedText() const
{
    QList<int> channels;
    QList<int> replaced;
    int unprogrammable = 0;
    for (int row = 0; row < m_choice.list().size(); ++row) {
        const Landing &landing = m_choice.landing(row);
        unprogrammable += landing.outcome == Landing::Unprogrammable;
        if (landing.outcome != Landing::Placed)
            continue;
        channels << landing.channel;
        if (!m_channels.isEmpty(landing.channel))
            replaced << landing.channel;
    }
    QStringList text{(channels.size() == 1
                          ? ShownText(u"%1 个勾选行将放入信道 %2。", u"%1 ticked row goes to channel %2.")
                          : ShownText(u"%1 个勾选行将放入信道 %2。", u"%1 ticked rows go to channels %2."))
                         .arg(channels.size())
                         .arg(channelRanges(channels))};
    if (!replaced.isEmpty())
        text << ShownText(u"将替换已编程的信道 %1。", u"They replace the programmed channels %1.")
                    .arg(channelRanges(replaced));
    if (unprogrammable > 0)
        text << (unprogrammable == 1
                     ? ShownText(
                           u"另有 %1 个勾选行不能在此频段中编程，不占信道。",
                           u"%1 more ticked row cannot be programmed in this band and takes no channel.")
                     : ShownText(
                           u"另有 %1 个勾选行不能在此频段中编程，不占信道。",
                           u"%1 more ticked rows cannot be programmed in this band and take no channel."))
                    .arg(unprogrammable);
    if (m_choice.band() != m_planBand)
        text << ShownText(u"写频数据的频段将改为 %1；保留的信道若不在此频段内将标红。",
                          u"The plan takes the band %1; channels kept outside it are marked red.")
                    .arg(BandText(m_choice.band()));
    // Chinese sentences follow one another without a space.
    return text.join(ShownText(u"", u" "));
}

} // namespace vm280
