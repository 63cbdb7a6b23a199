#include "backupsdialog.h"

#include "image/bands.h"
#include "ui/languagemode.h"
#include "ui/msgbox.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

enum Column { TakenColumn, BandColumn, IdentificationColumn, SizeColumn, FileColumn, ColumnCount };

// The band column: the band, or why the file is no plan.
QString bandText(const BackupEntry &entry)
{
    if (entry.error)
        return entry.error->kind == FileError::WrongType ? ShownText(u"不是写频文件", u"not a code plan file")
                                                         : ShownText(u"无法读取", u"cannot be read");
    return entry.band >= 0 ? BandText(entry.band) : ShownText(u"未知", u"unknown");
}

QTableWidgetItem *item(const QString &text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *cell = new QTableWidgetItem(text);
    cell->setTextAlignment(alignment);
    return cell;
}

} // namespace

BackupsDialog::BackupsDialog(const QString &folder, QWidget *parent) : QDialog(parent), m_folder(folder)
{
    setObjectName(u"FormBackups"_s);
    setModal(false);
    setupUi();
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &BackupsDialog::showButtons);
    connect(m_table, &QTableWidget::itemActivated, this, &BackupsDialog::openChosen);
    connect(m_open, &QPushButton::clicked, this, &BackupsDialog::openChosen);
    connect(m_compare, &QPushButton::clicked, this, &BackupsDialog::compareChosen);
    connect(m_restore, &QPushButton::clicked, this, &BackupsDialog::restoreChosen);
    connect(m_refresh, &QPushButton::clicked, this, &BackupsDialog::refresh);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    showTexts();
    refresh();
    // Sized here: a window sized on showing gets at most two thirds of the screen's width.
    resize(sizeHint());
}

void BackupsDialog::setupUi()
{
    m_heading = new QLabel(this);
    m_heading->setObjectName(u"LabelFolder"_s);
    m_heading->setWordWrap(true);
    m_heading->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(u"TableBackups"_s);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setWordWrap(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const auto button = [this](const QString &name) {
        auto *pushButton = new QPushButton(this);
        pushButton->setObjectName(name);
        return pushButton;
    };
    m_open = button(u"CommandOpen"_s);
    m_compare = button(u"CommandCompare"_s);
    m_restore = button(u"CommandRestore"_s);
    m_refresh = button(u"CommandRefresh"_s);
    m_close = button(u"CommandClose"_s);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *pushButton : {m_open, m_compare, m_restore})
        buttons->addWidget(pushButton);
    buttons->addStretch();
    buttons->addWidget(m_refresh);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
}

QSize BackupsDialog::sizeHint() const
{
    const QSize base = QDialog::sizeHint();
    // QTableView keeps the column's size hint protected; the item view's is public.
    const QAbstractItemView *view = m_table;
    int tableWidth = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column)
        tableWidth +=
            std::max(view->sizeHintForColumn(column), m_table->horizontalHeader()->sectionSizeHint(column));
    const int rows = std::clamp(int(m_table->rowCount()), 6, 12);
    const int tableHeight = 2 * m_table->frameWidth() + m_table->horizontalHeader()->sizeHint().height() +
                            rows * m_table->verticalHeader()->defaultSectionSize() +
                            m_table->horizontalScrollBar()->sizeHint().height();
    const QMargins margins = layout()->contentsMargins();
    QSize wanted(std::max(base.width(), tableWidth + margins.left() + margins.right()),
                 base.height() - m_table->sizeHint().height() + tableHeight);
    if (const QScreen *shown = screen())
        wanted = wanted.boundedTo(shown->availableGeometry().size() * 9 / 10);
    return wanted;
}

void BackupsDialog::refresh()
{
    const QString kept = chosen() ? chosen()->path : QString();
    m_entries = ListBackups(m_folder);
    fill();
    // The backup chosen before stays chosen; else the newest, the one a dealer most often wants.
    const auto keptEntry = std::find_if(m_entries.cbegin(), m_entries.cend(),
                                        [&kept](const BackupEntry &entry) { return entry.path == kept; });
    if (!m_entries.isEmpty())
        m_table->selectRow(keptEntry == m_entries.cend() ? 0 : int(keptEntry - m_entries.cbegin()));
    showButtons();
}

void BackupsDialog::showTexts()
{
    setWindowTitle(ShownText(u"备份", u"Backups"));
    m_table->setHorizontalHeaderLabels({ShownText(u"日期时间", u"Date and time"), ShownText(u"频段", u"Band"),
                                        ShownText(u"对讲机标识", u"Radio identification"),
                                        ShownText(u"大小", u"Size"), ShownText(u"文件", u"File")});
    m_open->setText(ShownText(u"打开", u"Open"));
    m_compare->setText(ShownText(u"与当前方案比较", u"Compare with the plan shown"));
    m_restore->setText(ShownText(u"写回对讲机…", u"Restore to the radio…"));
    m_refresh->setText(ShownText(u"刷新", u"Refresh"));
    m_close->setText(ShownText(u"关闭", u"Close"));
    fill();
}

void BackupsDialog::fill()
{
    m_heading->setText((m_entries.size() == 1
                            ? ShownText(u"备份文件夹：%1（%2 个文件）", u"Backups folder: %1 (%2 file)")
                            : ShownText(u"备份文件夹：%1（%2 个文件）", u"Backups folder: %1 (%2 files)"))
                           .arg(QDir::toNativeSeparators(m_folder))
                           .arg(m_entries.size()));
    const QSignalBlocker blocker(m_table);
    const int selected = m_table->currentRow();
    m_table->setRowCount(int(m_entries.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < m_entries.size(); ++row) {
        const BackupEntry &entry = m_entries[row];
        m_table->setItem(row, TakenColumn, item(entry.taken.toString(u"yyyy-MM-dd HH:mm:ss"_s)));
        m_table->setItem(row, BandColumn, item(bandText(entry)));
        m_table->setItem(row, IdentificationColumn, item(entry.identification));
        m_table->setItem(
            row, SizeColumn,
            item(ShownText(u"%1 字节", u"%1 bytes").arg(QLocale::c().toString(entry.size)), right));
        auto *file = item(QFileInfo(entry.path).fileName());
        file->setToolTip(QDir::toNativeSeparators(entry.path));
        m_table->setItem(row, FileColumn, file);
    }
    if (selected >= 0 && selected < m_entries.size())
        m_table->selectRow(selected);
    m_table->resizeColumnsToContents();
}

const BackupEntry *BackupsDialog::chosen() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    if (ranges.isEmpty() || ranges.first().topRow() >= m_entries.size())
        return nullptr;
    const BackupEntry &entry = m_entries[ranges.first().topRow()];
    return entry.error ? nullptr : &entry;
}

void BackupsDialog::setRestoreAllowed(bool allowed)
{
    m_restoreAllowed = allowed;
    showButtons();
}

void BackupsDialog::showButtons()
{
    const bool usable = chosen() != nullptr;
    m_open->setEnabled(usable);
    m_compare->setEnabled(usable);
    m_restore->setEnabled(usable && m_restoreAllowed);
}

void BackupsDialog::openChosen()
{
    if (const BackupEntry *entry = chosen())
        emit openRequested(entry->path);
}

void BackupsDialog::compareChosen()
{
    if (const BackupEntry *entry = chosen())
        emit compareRequested(entry->path);
}

void BackupsDialog::restoreChosen()
{
    const BackupEntry *entry = chosen();
    if (entry == nullptr)
        return;
    const QString path = entry->path;
    const int answer =
        ShowMsgbox(ShownText(u"把备份 %1 写入对讲机吗？对讲机中现有的数据将被替换。",
                             u"Write the backup %1 into the radio? What the radio holds now is replaced.")
                       .arg(QFileInfo(path).fileName()),
                   MsgboxYesNo + MsgboxQuestion + MsgboxDefaultButton2);
    if (answer == MsgboxYes)
        emit restoreRequested(path);
}

} // namespace vm280
