#include "formjtof.h"

#include "editor/stringjtof.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolBar>
#include <array>

namespace vm280 {

namespace {

void convertProperty(QObject *object, const char *property)
{
    const QString text = object->property(property).toString();
    const QString converted = StringJtoF(text);
    if (converted != text)
        object->setProperty(property, converted);
}

void convertText(QObject *object)
{
    convertProperty(object, "text");
}

void convertTitle(QObject *object)
{
    convertProperty(object, "title");
}

void convertToolTip(QObject *object)
{
    convertProperty(object, "toolTip");
}

// The menu's title and the text of each of its items; a submenu is a control of its own.
void convertMenu(QObject *object)
{
    auto *menu = static_cast<QMenu *>(object);
    convertTitle(menu);
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions)
        convertText(action);
}

// Every entry. Qt rewrites an editable box's edit text when its current entry changes; what was
// typed there stays as it was.
void convertEntries(QObject *object)
{
    auto *combo = static_cast<QComboBox *>(object);
    const QString editText = combo->currentText();
    const int count = combo->count();
    for (int i = 0; i < count; ++i) {
        const QString converted = StringJtoF(combo->itemText(i));
        if (converted != combo->itemText(i))
            combo->setItemText(i, converted);
    }
    if (combo->isEditable() && combo->currentText() != editText)
        combo->setEditText(editText);
}

// The header row only; the cells below it keep their texts. A table widget's model writes the
// text into its header items; another model needs setHeaderData for the horizontal headers.
void convertHeaderRow(QObject *object)
{
    QAbstractItemModel *model = static_cast<QTableView *>(object)->model();
    if (!model)
        return;
    const int columns = model->columnCount();
    for (int column = 0; column < columns; ++column) {
        const QString text = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString converted = StringJtoF(text);
        if (converted != text)
            model->setHeaderData(column, Qt::Horizontal, converted, Qt::DisplayRole);
    }
}

struct Conversion
{
    const QMetaObject *type; ///< the control's class or a base of it
    void (*convert)(QObject *control);
};

// What is converted, by the kind of control; the first row whose kind a control is decides.
// Any other control (text boxes, sliders, spin boxes, the toolbar's buttons) keeps its texts.
const std::array kConversions{
    Conversion{&QLabel::staticMetaObject, convertText},
    Conversion{&QRadioButton::staticMetaObject, convertText},
    Conversion{&QMenu::staticMetaObject, convertMenu},
    Conversion{&QGroupBox::staticMetaObject, convertTitle},
    Conversion{&QPushButton::staticMetaObject, convertText},
    Conversion{&QCheckBox::staticMetaObject, convertText},
    Conversion{&QToolBar::staticMetaObject, convertToolTip},
    Conversion{&QComboBox::staticMetaObject, convertEntries},
    Conversion{&QTableView::staticMetaObject, convertHeaderRow}, // and QTableWidget
};

void convertControl(QObject *control)
{
    for (const Conversion &conversion : kConversions) {
        if (control->metaObject()->inherits(conversion.type)) {
            conversion.convert(control);
            return;
        }
    }
}

} // namespace

void FormJtoF(QWidget *window)
{
    if (!window)
        return;
    const QList<QObject *> controls = window->findChildren<QObject *>();
    for (QObject *control : controls)
        convertControl(control);
}

} // namespace vm280
