#include "channelgrid.h"

#include "cellkeyfilter.h"
#include "cellmarkdelegate.h"

#include "editor/channeledits.h"
#include "editor/channeltablemodel.h"
#include "editor/tonerules.h"
#include "ui/twips.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <algorithm>
#include <array>
#include <numeric>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// Column widths in twips, channel number to scan add: wide enough for a frequency of nine
// characters ("438.01250"), a tone ("D023N", "254.1") or a list word, so every cell reads whole.
constexpr std::array kColumnTwips{500, 1330, 1000, 1330, 1000, 800, 850, 1000, 900};
// The smallest grid still worth working in on a small screen: the channel numbers and receive
// frequencies of this many rows; the rest is scrolled to.
constexpr int kMinimumRows = 3;
// One line of text, the height the in-place editors open at.
constexpr int kRowTwips = 300;
// Rows 2, 4, ..., 16 are striped in this colour.
constexpr QRgb kStripe = qRgb(192, 192, 255);
// The text of a locked grid: greyed, yet dark enough to read on the stripes (a contrast of 5:1).
constexpr QRgb kLockedText = qRgb(77, 77, 77);

bool isFrequencyColumn(int column)
{
    return column == ChannelTable::RxFrequencyColumn || column == ChannelTable::TxFrequencyColumn;
}

bool isToneColumn(int column)
{
    return column == ChannelTable::RxToneColumn || column == ChannelTable::TxToneColumn;
}

bool isChoiceColumn(int column)
{
    return column >= ChannelTable::PowerColumn && column <= ChannelTable::ScanAddColumn;
}

// Focus that leaves for the editor's own drop-down list, or for another application, has not left
// the edit. A window of this program taking it (a dialog, a message box) has: the edit ends
// before that window can read or replace the plan.
bool endsEdit(QObject *editor, const QFocusEvent *event)
{
    if (event->reason() == Qt::PopupFocusReason)
        return false;
    const QWidget *active = QApplication::activeWindow();
    if (event->reason() == Qt::ActiveWindowFocusReason &&
        (active == nullptr || active->windowType() == Qt::Popup))
        return false;
    const auto *combo = qobject_cast<QComboBox *>(editor);
    return combo == nullptr || !combo->view()->isVisible();
}

// Keys that edit a text besides the characters typed; the tone list keeps the keys that move in
// it, pick an entry or close it.
constexpr std::array kTextEditingKeys{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right};

} // namespace

ChannelGrid::ChannelGrid(ChannelTableModel *model, const BandLimits *limits, QWidget *parent)
    : QTableView(parent), m_model(model), m_limits(limits)
{
    setObjectName(u"Grid1"_s);
    setModel(model);
    setItemDelegate(new CellMarkDelegate(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAlternatingRowColors(true);
    QPalette stripes = palette();
    stripes.setColor(QPalette::AlternateBase, QColor(kStripe));
    stripes.setColor(QPalette::Disabled, QPalette::Text, QColor(kLockedText));
    setPalette(stripes);
    applyLayout();
    connect(model, &QAbstractItemModel::headerDataChanged, this, &ChannelGrid::applyLayout);
}

QLineEdit *ChannelGrid::frequencyEditor()
{
    createEditors();
    return m_text1;
}

QComboBox *ChannelGrid::toneEditor()
{
    createEditors();
    return m_combo8;
}

QComboBox *ChannelGrid::choiceEditor(int column)
{
    createEditors();
    return isChoiceColumn(column) ? m_combo5[column - ChannelTable::PowerColumn] : nullptr;
}

void ChannelGrid::applyLayout()
{
    // The widths of kColumnTwips, widened where a header would not fit (English "Channel").
    const QFontMetrics metrics(horizontalHeader()->font());
    const int padding = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 2;
    for (int column = 0; column < int(kColumnTwips.size()); ++column) {
        const QString header = model()->headerData(column, Qt::Horizontal).toString();
        m_columnWidths[column] =
            std::max(TwipsToPixels(kColumnTwips[column]), metrics.horizontalAdvance(header) + padding);
        setColumnWidth(column, m_columnWidths[column]);
    }
    const int rowHeight = TwipsToPixels(kRowTwips);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    horizontalHeader()->setFixedHeight(rowHeight);
    stretchLastColumn();
    updateGeometry();
}

QSize ChannelGrid::sizeHint() const
{
    // Every channel and every column whole, without a scroll bar.
    const int frame = 2 * frameWidth();
    const int width = std::accumulate(m_columnWidths.begin(), m_columnWidths.end(), 0);
    return {width + frame, TwipsToPixels(kRowTwips) * (ChannelTable::kRows + 1) + frame};
}

QSize ChannelGrid::minimumSizeHint() const
{
    const int frame = 2 * frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int width =
        m_columnWidths[ChannelTable::NumberColumn] + m_columnWidths[ChannelTable::RxFrequencyColumn];
    return {width + scrollBar + frame, TwipsToPixels(kRowTwips) * (kMinimumRows + 1) + scrollBar + frame};
}

void ChannelGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    stretchLastColumn();
}

// The last column takes the width the grid has beyond the others' widths, and never less than
// its own.
void ChannelGrid::stretchLastColumn()
{
    const int last = ChannelTable::kColumns - 1;
    const int others = std::accumulate(m_columnWidths.begin(), m_columnWidths.end() - 1, 0);
    setColumnWidth(last, std::max(m_columnWidths[last], viewport()->width() - others));
}

void ChannelGrid::createEditors()
{
    // Made when first needed, in the texts of the language then shown: the window's first paint
    // does not wait for six hidden editors.
    if (m_text1 != nullptr)
        return;
    m_text1 = new QLineEdit(viewport());
    m_text1->setObjectName(u"Text1"_s);
    m_text1->setAlignment(Qt::AlignCenter);
    auto *frequencyKeys = new CellKeyFilter(u"."_s, QString(), m_text1);
    m_text1->installEventFilter(frequencyKeys);
    connect(frequencyKeys, &CellKeyFilter::enterPressed, this, &ChannelGrid::endPendingEdit);
    connect(frequencyKeys, &CellKeyFilter::escapePressed, this, [this] { endEdit(m_text1, false); });

    m_combo8 = new QComboBox(viewport());
    m_combo8->setObjectName(u"Combo8"_s);
    m_combo8->setEditable(true);
    m_combo8->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a half-typed code into a listed one.
    m_combo8->setCompleter(nullptr);
    m_combo8->addItems(ToneList(m_model->texts().toneOff));
    auto *toneKeys = new CellKeyFilter(u".dniDNI"_s, u"dni"_s, m_combo8);
    m_combo8->installEventFilter(toneKeys);
    m_combo8->view()->installEventFilter(this);
    connect(toneKeys, &CellKeyFilter::enterPressed, this, &ChannelGrid::endPendingEdit);
    connect(toneKeys, &CellKeyFilter::escapePressed, this, [this] { endEdit(m_combo8, false); });
    connect(m_combo8, &QComboBox::activated, this, &ChannelGrid::pickTone);

    for (int column = ChannelTable::PowerColumn; column <= ChannelTable::ScanAddColumn; ++column) {
        auto *combo = new QComboBox(viewport());
        combo->setObjectName(u"Combo5_%1"_s.arg(column));
        combo->addItems({EntryText(column, 0, m_model->texts()), EntryText(column, 1, m_model->texts())});
        connect(combo, &QComboBox::activated, this, &ChannelGrid::pickChoice);
        m_combo5 << combo;
    }
    for (QWidget *editor : std::initializer_list<QWidget *>{m_text1, m_combo8, m_combo5[0], m_combo5[1],
                                                            m_combo5[2], m_combo5[3]}) {
        editor->hide();
        editor->installEventFilter(this);
    }
}

void ChannelGrid::mousePressEvent(QMouseEvent *event)
{
    // A press is a click on the cell under the pointer; it never starts a drag selection. The
    // right button selects the row under it unless it is selected already, so the context menu
    // acts on what was clicked.
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid())
        return;
    if (event->button() == Qt::RightButton && !selectedChannels().contains(index.row() + 1))
        selectRows(index, Qt::NoModifier);
    if (event->button() != Qt::LeftButton)
        return;
    // The channel number of a programmed channel opens no editor, so a click there selects the
    // row; on an empty channel any cell opens its receive frequency, the number included.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    const bool numberOfChannel =
        index.column() == ChannelTable::NumberColumn && !m_model->table().isEmpty(index.row() + 1);
    if (modifiers != Qt::NoModifier || numberOfChannel) {
        selectRows(index, modifiers);
        return;
    }
    EditArmed = true;
    setCurrentIndex(index);
}

// Rows are chosen as in a file list: a click selects one, Ctrl adds or removes one, Shift
// extends from the current row.
void ChannelGrid::selectRows(const QModelIndex &index, Qt::KeyboardModifiers modifiers)
{
    QItemSelectionModel *selection = selectionModel();
    const int last = ChannelTable::kColumns - 1;
    if (modifiers & Qt::ShiftModifier) {
        const int anchor = currentIndex().isValid() ? currentIndex().row() : index.row();
        const QItemSelection rows(m_model->index(std::min(anchor, index.row()), 0),
                                  m_model->index(std::max(anchor, index.row()), last));
        const auto keep = (modifiers & Qt::ControlModifier) ? QItemSelectionModel::Select
                                                            : QItemSelectionModel::ClearAndSelect;
        selection->select(rows, keep | QItemSelectionModel::Rows);
        return;
    }
    const auto command =
        (modifiers & Qt::ControlModifier) ? QItemSelectionModel::Toggle : QItemSelectionModel::ClearAndSelect;
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    selection->select(index, command | QItemSelectionModel::Rows);
}

bool ChannelGrid::endPendingEdit()
{
    if (m_openEditor == nullptr)
        return true;
    return endEdit(m_openEditor, !m_combo5.contains(m_openEditor));
}

QList<int> ChannelGrid::selectedChannels() const
{
    QList<int> channels;
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        if (!channels.contains(index.row() + 1))
            channels << index.row() + 1;
    }
    if (channels.isEmpty() && currentIndex().isValid())
        channels << currentIndex().row() + 1;
    std::sort(channels.begin(), channels.end());
    return channels;
}

void ChannelGrid::mouseReleaseEvent(QMouseEvent *event)
{
    // The editor opens once the button is up, so the release cannot land in its list.
    if (event->button() == Qt::LeftButton)
        dispatch();
}

void ChannelGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void ChannelGrid::mouseMoveEvent(QMouseEvent *) {}

void ChannelGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        EditArmed = true;
        dispatch();
        return;
    }
    // Ctrl+Tab leaves the grid from any cell, as it leaves a text that takes tabs.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && event->modifiers() & Qt::ControlModifier) {
        const bool back = event->key() == Qt::Key_Backtab || event->modifiers() & Qt::ShiftModifier;
        QWidget::focusNextPrevChild(!back);
        return;
    }
    QTableView::keyPressEvent(event);
}

// Tab goes from cell to cell, and after the last cell (Shift+Tab before the first) on to the
// band and the function settings, instead of starting over in the grid.
bool ChannelGrid::focusNextPrevChild(bool next)
{
    const QModelIndex edge =
        next ? m_model->index(ChannelTable::kRows - 1, ChannelTable::kColumns - 1) : m_model->index(0, 0);
    if (currentIndex() == edge)
        return QWidget::focusNextPrevChild(next);
    return QTableView::focusNextPrevChild(next);
}

bool ChannelGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && watched == m_openEditor &&
        endsEdit(watched, static_cast<QFocusEvent *>(event))) {
        endEdit(m_openEditor, !m_combo5.contains(watched));
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched == m_combo8->view() &&
        forwardToToneText(static_cast<QKeyEvent *>(event)))
        return true;
    return QTableView::eventFilter(watched, event);
}

// Typing while the tone list is dropped down edits the tone editor's text: the list closes and
// the key goes to the text, through the editor's key filter.
bool ChannelGrid::forwardToToneText(QKeyEvent *key)
{
    const bool typesCharacter = !key->text().isEmpty() && key->text().at(0).isPrint();
    if (!typesCharacter && std::ranges::find(kTextEditingKeys, key->key()) == kTextEditingKeys.end())
        return false;
    m_combo8->hidePopup();
    QKeyEvent forwarded(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    QCoreApplication::sendEvent(m_combo8, &forwarded);
    return true;
}

void ChannelGrid::dispatch()
{
    if (!EditArmed)
        return;
    EditArmed = false;
    QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    const EditTarget target = DispatchEdit(m_model->table(), index.row() + 1, index.column());
    if (target.column != index.column()) {
        index = m_model->index(index.row(), target.column);
        setCurrentIndex(index);
    }
    EditRow = target.row;
    EditCol = target.column;
    createEditors();
    if (isFrequencyColumn(EditCol))
        openFrequencyEditor(index);
    else if (isToneColumn(EditCol))
        openToneEditor(index);
    else if (isChoiceColumn(EditCol))
        openChoiceEditor(index);
}

void ChannelGrid::placeOver(QWidget *editor, const QModelIndex &index, bool keepHeight)
{
    const QRect cell = visualRect(index);
    editor->setGeometry(cell.x(), cell.y(), cell.width(),
                        keepHeight ? editor->sizeHint().height() : cell.height());
}

void ChannelGrid::openFrequencyEditor(const QModelIndex &index)
{
    placeOver(m_text1, index, false);
    m_text1->setText(index.data().toString());
    m_text1->selectAll();
    show(m_text1);
}

void ChannelGrid::openToneEditor(const QModelIndex &index)
{
    placeOver(m_combo8, index, true);
    const QString text = index.data().toString();
    const int entry = m_combo8->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_combo8->setCurrentIndex(entry);
    m_combo8->setEditText(text);
    show(m_combo8);
    m_combo8->showPopup();
    // Typing replaces the tone shown, as in the frequency editor. Selected once the list is
    // open: the list taking the focus clears a selection made before.
    m_combo8->lineEdit()->selectAll();
}

void ChannelGrid::openChoiceEditor(const QModelIndex &index)
{
    QComboBox *editor = choiceEditor(EditCol);
    placeOver(editor, index, true);
    {
        // Setting the entry while opening picks nothing.
        const QSignalBlocker blocker(editor);
        editor->setCurrentIndex(m_model->choiceIndex(EditRow, EditCol));
    }
    show(editor);
    editor->showPopup();
}

void ChannelGrid::show(QWidget *editor)
{
    m_openEditor = editor;
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

bool ChannelGrid::endEdit(QWidget *editor, bool commit)
{
    if (editor != m_openEditor)
        return true;
    // Cleared first: the commit may show a message, which takes the focus again.
    m_openEditor = nullptr;
    // The grid takes the focus before the editor hides: a focused widget that hides passes the
    // focus on as Tab would, and the grid would move its current cell one column on.
    const QWidget *focused = window()->focusWidget();
    if (focused == editor || editor->isAncestorOf(focused))
        setFocus(Qt::OtherFocusReason);
    editor->hide();
    if (commit && editor == m_text1)
        return commitFrequency();
    if (commit && editor == m_combo8)
        commitTone();
    return true;
}

bool ChannelGrid::commitFrequency()
{
    const FrequencyEntry::Outcome outcome =
        m_model->commitFrequency(EditRow, EditCol, m_text1->text(), *m_limits);
    if (outcome == FrequencyEntry::OutOfBand)
        emit frequencyOutOfBand();
    emit edited();
    return outcome != FrequencyEntry::OutOfBand;
}

void ChannelGrid::commitTone()
{
    const QString text = m_combo8->currentText();
    const int entry = m_combo8->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_model->commitTone(EditRow, EditCol, text, entry);
    emit edited();
}

void ChannelGrid::pickTone(int index)
{
    if (m_openEditor != m_combo8)
        return;
    m_model->pickEntry(EditRow, EditCol, index);
    emit edited();
    // The pick ends the edit with a commit of the same entry.
    endEdit(m_combo8, true);
}

void ChannelGrid::pickChoice(int index)
{
    auto *editor = qobject_cast<QComboBox *>(sender());
    if (editor == nullptr || editor != m_openEditor)
        return;
    m_model->pickEntry(EditRow, EditCol, index);
    emit edited();
    endEdit(editor, false);
}

} // namespace vm280
