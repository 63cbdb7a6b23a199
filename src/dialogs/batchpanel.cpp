#include "batchpanel.h"

#include "serial/batchlog.h"
#include "serial/batchreport.h"
#include "ui/languagemode.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Shows each result line whole within the list's width: a backup's path has no space to break
// at, so it breaks where it must.
class WrappedLineDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const auto *view = qobject_cast<const QAbstractItemView *>(option.widget);
        const int width = view != nullptr ? view->viewport()->width() : option.rect.width();
        const QRect text = option.fontMetrics.boundingRect(QRect(0, 0, width - 2 * kMargin, kTallest), kFlags,
                                                           index.data().toString());
        return {width, text.height() + 2 * kMargin};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        const QStyle *style = item.widget != nullptr ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        painter->save();
        painter->setPen(item.palette.color(
            item.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(item.rect.adjusted(kMargin, kMargin, -kMargin, -kMargin), kFlags, text);
        painter->restore();
    }

private:
    static constexpr int kMargin = 2;
    static constexpr int kTallest = 1 << 20;
    static constexpr int kFlags = Qt::TextWordWrap | Qt::TextWrapAnywhere;
};

} // namespace

BatchPanel::BatchPanel(SerialLink &link, QWidget *parent)
    : QDialog(parent), m_batch(new BatchWriter(link, this))
{
    setupUi();
    initConnections();
}

bool BatchPanel::start(BatchWriter::Options options)
{
    m_results.clear();
    const bool started = m_batch->start(std::move(options));
    showTexts();
    return started;
}

void BatchPanel::setupUi()
{
    setObjectName(u"FormBatch"_s);
    setModal(false);
    m_stage = new QLabel(this);
    m_stage->setObjectName(u"LabelStage"_s);
    m_stage->setWordWrap(true);
    m_tally = new QLabel(this);
    m_tally->setObjectName(u"LabelTally"_s);
    QFont tallyFont = m_tally->font();
    tallyFont.setBold(true);
    m_tally->setFont(tallyFont);
    m_last = new QLabel(this);
    m_last->setObjectName(u"LabelLast"_s);
    m_last->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(u"ListResults"_s);
    m_copyLog = new QPushButton(this);
    m_copyLog->setObjectName(u"CommandCopyLog"_s);
    m_saveLog = new QPushButton(this);
    m_saveLog->setObjectName(u"CommandSaveLog"_s);
    // A backup path makes a line longer than the panel is wide: it wraps.
    m_list->setItemDelegate(new WrappedLineDelegate(m_list));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setResizeMode(QListView::Adjust);
    m_stop = new QPushButton(this);
    m_stop->setObjectName(u"CommandStop"_s);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_copyLog);
    buttons->addWidget(m_saveLog);
    buttons->addStretch();
    buttons->addWidget(m_stop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_stage);
    layout->addWidget(m_tally);
    layout->addWidget(m_last);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(520, 340);
}

void BatchPanel::initConnections()
{
    connect(m_batch, &BatchWriter::stageChanged, this, &BatchPanel::showStage);
    connect(m_batch, &BatchWriter::radioDone, this, &BatchPanel::radioDone);
    connect(m_batch, &BatchWriter::finished, this, [this] {
        showTexts();
        if (m_closeWhenDone)
            close();
    });
    connect(m_stop, &QPushButton::clicked, this, &BatchPanel::stopOrClose);
    connect(m_copyLog, &QPushButton::clicked, this, &BatchPanel::copyLog);
    connect(m_saveLog, &QPushButton::clicked, this,
            [this] { emit saveLogRequested(BatchLogFile(m_results, ShownText)); });
}

void BatchPanel::showTexts()
{
    setWindowTitle(ShownText(u"批量写频", u"Batch write"));
    showStage();
    const WordChooser words = ShownText;
    m_tally->setText(BatchTallyText(m_batch->tally(), words));
    m_last->setText(m_results.isEmpty() ? QString() : BatchResultText(m_results.last(), words));
    m_list->clear();
    for (const BatchWriter::RadioResult &result : m_results)
        m_list->addItem(BatchResultText(result, words));
    const bool running = m_batch->stage() != BatchWriter::Stage::Idle;
    m_stop->setText(running ? ShownText(u"停止", u"Stop") : ShownText(u"关闭", u"Close"));
    m_stop->setEnabled(!m_batch->stopRequested() || !running);
    m_copyLog->setText(ShownText(u"复制记录", u"Copy log"));
    m_saveLog->setText(ShownText(u"保存记录…", u"Save log…"));
}

void BatchPanel::showStage()
{
    const int next = m_batch->tally().radios() + 1;
    QString shown;
    switch (m_batch->stage()) {
    case BatchWriter::Stage::WaitingForRadio:
        shown = ShownText(u"等待对讲机接入……", u"Waiting for a radio...");
        break;
    case BatchWriter::Stage::Writing:
        shown = ShownText(u"正在写第 %1 台……", u"Writing radio %1...").arg(next);
        break;
    case BatchWriter::Stage::WaitingForUnplug:
        shown = ShownText(u"请拔下对讲机；接入下一台即开始写频。",
                          u"Unplug the radio; the next one is written as soon as it is plugged in.");
        break;
    case BatchWriter::Stage::Idle:
        shown = BatchEndText(m_batch->ending(), ShownText);
        break;
    }
    if (m_batch->stopRequested() && m_batch->stage() != BatchWriter::Stage::Idle)
        shown += u'\n' + ShownText(u"正在停止：写完这台即停止。", u"Stopping once this radio is written.");
    m_stage->setText(shown);
}

void BatchPanel::radioDone(const BatchWriter::RadioResult &result)
{
    m_results << result;
    const WordChooser words = ShownText;
    m_tally->setText(BatchTallyText(m_batch->tally(), words));
    m_last->setText(BatchResultText(result, words));
    m_list->addItem(m_last->text());
    m_list->scrollToBottom();
}

QString BatchPanel::logText() const
{
    return BatchLogCsv(m_results, ShownText);
}

void BatchPanel::copyLog()
{
    // As CSV text: a spreadsheet pastes it as cells.
    QApplication::clipboard()->setText(logText());
}

void BatchPanel::stopOrClose()
{
    if (m_batch->stage() == BatchWriter::Stage::Idle) {
        close();
        return;
    }
    m_batch->stop();
    showTexts();
}

void BatchPanel::reject()
{
    // A radio being written is finished first: cut off halfway it would be left half programmed.
    if (m_batch->stage() != BatchWriter::Stage::Idle) {
        m_batch->stop();
        showTexts();
        if (m_batch->stage() != BatchWriter::Stage::Idle) {
            m_closeWhenDone = true;
            return;
        }
    }
    QDialog::reject();
}

} // namespace vm280
