#pragma once

#include "editor/plandifferences.h"

#include <QDialog>

class QLabel;
class QTableWidget;

namespace vm280 {

/// The dialog `FormCompare`: what the plan shown differs in from a plan file or the radio (named
/// otherName), one row per
/// channel cell or setting (`TableDifferences`: caption, this plan, the file), and a summary.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    CompareDialog(const QList<PlanDifference> &differences, const QString &otherName,
                  QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }

private:
    void setupUi(const QString &otherName);
    void fill(const QList<PlanDifference> &differences);

    QLabel *m_summary = nullptr;
    QTableWidget *m_table = nullptr;
};

} // namespace vm280
