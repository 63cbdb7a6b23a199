#include "valuedialog.h"

#include "ui/languagemode.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vm280 {

ValueDialog::ValueDialog(const QString &title, const QString &prompt, const QStringList &entries,
                         const QString &value, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmSetValue"_s);
    setWindowTitle(title);
    auto *label = new QLabel(prompt, this);
    label->setObjectName(u"lblPrompt"_s);
    m_value = new QComboBox(this);
    m_value->setObjectName(u"cboValue"_s);
    m_value->setEditable(true);
    m_value->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a half-typed value into a listed one.
    m_value->setCompleter(nullptr);
    m_value->addItems(entries);
    m_value->setCurrentText(value);
    m_value->lineEdit()->selectAll();
    label->setBuddy(m_value);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"cmdOK"_s);
    buttons->button(QDialogButtonBox::Ok)->setText(ShownText(u"确定", u"OK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(u"cmdCancel"_s);
    buttons->button(QDialogButtonBox::Cancel)->setText(ShownText(u"取消", u"Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_value);
    layout->addWidget(buttons);
}

QString ValueDialog::value() const
{
    return m_value->currentText();
}

} // namespace vm280
