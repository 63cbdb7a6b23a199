#include "comparedialog.h"

#include "ui/languagemode.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

CompareDialog::CompareDialog(const QList<PlanDifference> &differences, const QString &otherName,
                             QWidget *parent)
    : QDialog(parent)
{
    setupUi(otherName);
    fill(differences);
}

void CompareDialog::setupUi(const QString &otherName)
{
    setObjectName(u"FormCompare"_s);
    setWindowTitle(ShownText(u"比较", u"Compare") + u" - "_s + otherName);
    m_summary = new QLabel(this);
    m_summary->setObjectName(u"LabelSummary"_s);
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(u"TableDifferences"_s);
    m_table->setHorizontalHeaderLabels(
        {ShownText(u"项目", u"Item"), ShownText(u"本方案", u"This plan"), otherName});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(u"cmdClose"_s);
    buttons->button(QDialogButtonBox::Close)->setText(ShownText(u"关闭", u"Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(640, 420);
}

void CompareDialog::fill(const QList<PlanDifference> &differences)
{
    m_summary->setText(differences.isEmpty()
                           ? ShownText(u"两个方案相同。", u"The plans are the same.")
                           : ShownText(u"%1 处不同", u"%1 differences").arg(differences.size()));
    m_table->setRowCount(int(differences.size()));
    for (int row = 0; row < differences.size(); ++row) {
        const PlanDifference &difference = differences[row];
        const QStringList cells{difference.caption, difference.valueA, difference.valueB};
        for (int column = 0; column < 3; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_table->resizeColumnsToContents();
}

} // namespace vm280
