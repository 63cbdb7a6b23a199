#include "ui/formjtof.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A window with one control of every kind, all in Simplified Chinese, built as the tool's
// windows are: menus in the menu bar, a toolbar, and controls in the central widget.
std::unique_ptr<QMainWindow> simplifiedWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(u"可选功能"_s);
    QMenu *file = window->menuBar()->addMenu(u"文件(&F)"_s);
    file->setObjectName(u"mnuFile"_s);
    file->addAction(u"新建(&N)"_s)->setObjectName(u"mnuNew"_s);
    file->addSeparator();
    QMenu *language = file->addMenu(u"语言选择(&L)"_s);
    language->setObjectName(u"mnuLanguage"_s);
    language->addAction(u"繁体中文"_s)->setObjectName(u"mnuChineseF"_s);

    QToolBar *toolbar = window->addToolBar(u"工具栏"_s);
    toolbar->setObjectName(u"Toolbar1"_s);
    toolbar->setToolTip(u"工具栏"_s);
    QAction *read = toolbar->addAction(u"读频"_s);
    read->setObjectName(u"toolRead"_s);
    read->setToolTip(u"读频"_s);

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    auto add = [layout](QWidget *control, const QString &name) {
        control->setObjectName(name);
        layout->addWidget(control);
    };
    add(new QLabel(u"频段"_s), u"Label3"_s);
    add(new QRadioButton(u"发射开始"_s), u"Option1"_s);
    add(new QGroupBox(u"功能设置"_s), u"Frame2"_s);
    add(new QPushButton(u"确定"_s), u"Command1"_s);
    add(new QCheckBox(u"取消操作"_s), u"Check3"_s);
    add(new QLineEdit(u"发射"_s), u"Text1"_s);
    auto *spin = new QSpinBox;
    spin->setSuffix(u" 秒"_s);
    add(spin, u"Spin1"_s);

    auto *combo = new QComboBox;
    combo->addItems({u"关闭"_s, u"禁止"_s, u"使能"_s});
    add(combo, u"Combo6"_s);
    auto *editable = new QComboBox;
    editable->setEditable(true);
    editable->addItems({u"关闭"_s, u"发射结束"_s});
    editable->setEditText(u"关闭"_s);
    add(editable, u"Combo13"_s);

    auto *grid = new QTableWidget(2, 3);
    grid->setHorizontalHeaderLabels({u"频道"_s, u"接收频率"_s, u"发射频率"_s});
    grid->setVerticalHeaderLabels({u"频"_s, u"频"_s});
    grid->setItem(0, 0, new QTableWidgetItem(u"关闭"_s));
    add(grid, u"mfgrid1"_s);

    auto *model = new QStandardItemModel(1, 2, window.get());
    model->setHorizontalHeaderLabels({u"信道"_s, u"功率"_s});
    model->setVerticalHeaderLabels({u"载波"_s});
    model->setItem(0, 1, new QStandardItem(u"载波"_s));
    auto *view = new QTableView;
    view->setModel(model);
    add(view, u"Grid1"_s);

    window->setCentralWidget(central);
    return window;
}

template <typename T> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QStringList comboEntries(QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

QStringList horizontalHeaders(const QAbstractItemModel *model)
{
    QStringList headers;
    for (int c = 0; c < model->columnCount(); ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    return headers;
}

} // namespace

class FormJtoFTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldConvertCaptionsOfTheListedControls()
    {
        const auto window = simplifiedWindow();
        vm280::FormJtoF(window.get());
        QCOMPARE(control<QLabel>(window.get(), "Label3")->text(), u"頻段"_s);
        QCOMPARE(control<QRadioButton>(window.get(), "Option1")->text(), u"發射開始"_s);
        QCOMPARE(control<QGroupBox>(window.get(), "Frame2")->title(), u"功能設置"_s);
        QCOMPARE(control<QPushButton>(window.get(), "Command1")->text(), u"確定"_s);
        QCOMPARE(control<QCheckBox>(window.get(), "Check3")->text(), u"取消操作"_s);
    }

    void shouldConvertMenusAndTheirItems()
    {
        const auto window = simplifiedWindow();
        vm280::FormJtoF(window.get());
        QCOMPARE(control<QMenu>(window.get(), "mnuFile")->title(), u"文件(&F)"_s);
        QCOMPARE(control<QMenu>(window.get(), "mnuLanguage")->title(), u"語言選擇(&L)"_s);
        QCOMPARE(control<QAction>(window.get(), "mnuNew")->text(), u"新建(&N)"_s);
        QCOMPARE(control<QAction>(window.get(), "mnuChineseF")->text(), u"繁體中文"_s);
        QCOMPARE(window->menuBar()->actions().first()->text(), u"文件(&F)"_s);
    }

    void shouldConvertTheToolbarsOwnTipButNotItsButtons()
    {
        const auto window = simplifiedWindow();
        vm280::FormJtoF(window.get());
        auto *toolbar = control<QToolBar>(window.get(), "Toolbar1");
        QCOMPARE(toolbar->toolTip(), u"工具欄"_s);
        QAction *read = control<QAction>(window.get(), "toolRead");
        QCOMPARE(read->toolTip(), u"读频"_s);
        QCOMPARE(read->text(), u"读频"_s);
        QCOMPARE(toolbar->widgetForAction(read)->toolTip(), u"读频"_s);
    }

    void shouldConvertEveryComboEntryButNotTheEditText()
    {
        const auto window = simplifiedWindow();
        vm280::FormJtoF(window.get());
        auto *combo = control<QComboBox>(window.get(), "Combo6");
        QCOMPARE(comboEntries(combo), (QStringList{u"關閉"_s, u"禁止"_s, u"使能"_s}));
        QCOMPARE(combo->currentText(), u"關閉"_s);
        auto *editable = control<QComboBox>(window.get(), "Combo13");
        QCOMPARE(comboEntries(editable), (QStringList{u"關閉"_s, u"發射結束"_s}));
        QCOMPARE(editable->currentText(), u"关闭"_s);
    }

    void shouldConvertOnlyTheHeaderRowOfGrids()
    {
        const auto window = simplifiedWindow();
        vm280::FormJtoF(window.get());
        auto *grid = control<QTableWidget>(window.get(), "mfgrid1");
        QCOMPARE(horizontalHeaders(grid->model()), (QStringList{u"頻道"_s, u"接收頻率"_s, u"發射頻率"_s}));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), u"接收頻率"_s);
        QCOMPARE(grid->verticalHeaderItem(0)->text(), u"频"_s);
        QCOMPARE(grid->item(0, 0)->text(), u"关闭"_s);
        const QAbstractItemModel *model = control<QTableView>(window.get(), "Grid1")->model();
        QCOMPARE(horizontalHeaders(model), (QStringList{u"信道"_s, u"功率"_s}));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), u"载波"_s);
        QCOMPARE(model->index(0, 1).data().toString(), u"载波"_s);
    }

    void shouldLeaveTheTitleAndOtherControlsAlone()
    {
        const auto window = simplifiedWindow();
        vm280::FormJtoF(window.get());
        QCOMPARE(window->windowTitle(), u"可选功能"_s);
        QCOMPARE(control<QLineEdit>(window.get(), "Text1")->text(), u"发射"_s);
        QCOMPARE(control<QSpinBox>(window.get(), "Spin1")->suffix(), u" 秒"_s);
    }

    void shouldChangeNothingTheSecondTime()
    {
        const auto once = simplifiedWindow();
        vm280::FormJtoF(once.get());
        const auto twice = simplifiedWindow();
        vm280::FormJtoF(twice.get());
        vm280::FormJtoF(twice.get());
        const QList<QLabel *> labels = twice->findChildren<QLabel *>();
        for (QLabel *label : labels)
            QCOMPARE(label->text(), once->findChild<QLabel *>(label->objectName())->text());
        QCOMPARE(comboEntries(control<QComboBox>(twice.get(), "Combo6")),
                 comboEntries(control<QComboBox>(once.get(), "Combo6")));
        QCOMPARE(horizontalHeaders(control<QTableWidget>(twice.get(), "mfgrid1")->model()),
                 horizontalHeaders(control<QTableWidget>(once.get(), "mfgrid1")->model()));
    }

    void shouldAcceptNoWindow()
    {
        // No window to convert: nothing happens, and the windows that exist keep their texts.
        const auto window = simplifiedWindow();
        vm280::FormJtoF(nullptr);
        QCOMPARE(window->findChild<QLabel *>(u"Label3"_s)->text(), u"频段"_s);
        QCOMPARE(window->findChild<QGroupBox *>(u"Frame2"_s)->title(), u"功能设置"_s);
    }
};

QTEST_MAIN(FormJtoFTest)
#include "formjtoftest.moc"
