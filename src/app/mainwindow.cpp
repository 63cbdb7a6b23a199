#include "mainwindow.h"

#include "bandselector.h"
#include "channeleditcommands.h"
#include "channelgrid.h"
#include "codeplancommands.h"
#include "droppedfile.h"
#include "featuredialogs.h"
#include "filechooser.h"
#include "form1captions.h"
#include "interchangecommands.h"
#include "linkcontroller.h"
#include "outsideband.h"
#include "planhistory.h"
#include "plantools.h"
#include "recentfilesmenu.h"
#include "selectedchannelcommands.h"
#include "setforselectedmenu.h"
#include "settingspanel.h"
#include "templatesmenu.h"
#include "writestepsettings.h"

#include "dialogs/aboutdialog.h"
#include "dialogs/backupsdialog.h"
#include "dialogs/batchpanel.h"
#include "dialogs/debugdialog.h"
#include "dialogs/embeddedinfodialog.h"
#include "dialogs/keysettingsdialog.h"
#include "dialogs/optionalfunctionsdialog.h"
#include "dialogs/portdialog.h"
#include "dialogs/testfrequencydialog.h"
#include "editor/channeltablemodel.h"
#include "editor/localtext.h"
#include "editor/stringjtof.h"
#include "image/codec.h"
#include "image/settingcatalog.h"
#include "link/backupname.h"
#include "ui/apptitle.h"
#include "ui/elidedlabel.h"
#include "ui/formjtof.h"
#include "ui/inisettings.h"
#include "ui/languagemode.h"
#include "ui/languagesetting.h"
#include "ui/msgbox.h"
#include "ui/qttranslations.h"
#include "ui/screenfit.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace vm280 {

namespace {

// The settings of the function-setting lists, in the order of the lists.
QList<SettingId> selectorSettings()
{
    return SettingCatalog::settings(SettingGroup::FunctionSet);
}

QAction *newAction(QObject *parent, const QString &name, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(parent);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QString unusableText(const FileProblem &problem)
{
    return ShownText(u"设置文件无法使用，将使用默认设置。\n%1",
                     u"The settings file cannot be used; the defaults apply.\n%1")
        .arg(FileProblemText(problem));
}

QString notSavedText(const FileProblem &problem)
{
    return ShownText(u"设置文件无法写入，本次的设置没有保存。\n%1",
                     u"The settings file cannot be written; the settings were NOT saved.\n%1")
        .arg(FileProblemText(problem));
}

// Dropped files are read, never moved: a move would let the program they came from delete them.
bool acceptAsCopy(QDropEvent *event)
{
    if (!(event->possibleActions() & Qt::CopyAction) || DroppedFile(*event->mimeData()).isEmpty())
        return false;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

// A palette rather than a style sheet: a style sheet puts a style of its own between the widget
// and the application's style, which costs the window's start-up time.
void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QIcon themeIcon(const QString &name, QStyle::StandardPixmap fallback, const QStyle *style)
{
    return QIcon::fromTheme(name, style->standardIcon(fallback));
}

} // namespace

MainWindow::MainWindow(const QString &parameterPath, QWidget *parent)
    : QMainWindow(parent), m_parameterPath(parameterPath)
{
    setObjectName(u"Form1"_s);
    setAcceptDrops(true);
    m_clock.start();
    createActions();
    createEditActions();
    createMenus();
    createToolBar();
    createCentralArea();
    createControllers();
    initConnections();
    SetMsgboxOwner(this);
    startUp();
    createHistory();
    initEditConnections();
    FitOnScreen(this);
}

MainWindow::~MainWindow()
{
    // A batch still running gives the link its effects back: before the link goes.
    delete m_batchPanel;
    // An edit open on the grid commits when its editor goes, and the undo stack empties when it
    // goes: neither is a change for the window any more.
    m_grid->disconnect(this);
    m_history->stack()->disconnect(this);
    m_history->disconnect(this);
}

void MainWindow::createActions()
{
    Actions &a = m_actions;
    // The keys every desktop program takes for these.
    a.newPlan = newAction(this, u"mnuNew"_s, QKeySequence(Qt::CTRL | Qt::Key_N));
    a.open = newAction(this, u"mnuOpen"_s, QKeySequence(Qt::CTRL | Qt::Key_O));
    a.save = newAction(this, u"mnuAssave"_s, QKeySequence(Qt::CTRL | Qt::Key_S));
    a.importPlan = newAction(this, u"mnuImport"_s);
    a.exportPlan = newAction(this, u"mnuExport"_s);
    a.compare = newAction(this, u"mnuCompare"_s);
    a.print = newAction(this, u"mnuPrint"_s, QKeySequence::Print);
    a.printPreview = newAction(this, u"mnuPrintPreview"_s);
    a.quit = newAction(this, u"mnuQuit"_s, QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.read = newAction(this, u"mnureadFre"_s, QKeySequence(Qt::CTRL | Qt::Key_R));
    a.write = newAction(this, u"mnuwriteFre"_s, QKeySequence(Qt::CTRL | Qt::Key_W));
    a.batchWrite = newAction(this, u"mnubatchWrite"_s);
    a.compareRadio = newAction(this, u"mnuCompareRadio"_s);
    a.findRadio = newAction(this, u"mnuFindRadio"_s);
    a.backups = newAction(this, u"mnuBackups"_s);
    a.optionalFunctions = newAction(this, u"mnudtmf"_s);
    a.keys = newAction(this, u"Key_enactment"_s);
    a.embedded = newAction(this, u"mnusetin"_s);
    a.debug = newAction(this, u"mnudebug"_s);
    a.testFrequencies = newAction(this, u"mnutestfre"_s);
    a.lock = newAction(this, u"mnulock"_s);
    a.lock->setCheckable(true);
    a.port = newAction(this, u"mnucom"_s);
    // A write first saves what the radio held and afterwards reads it back, unless turned off.
    const WriteStepSettings steps = WriteStepSettings::load();
    a.backup = newAction(this, u"mnuBackup"_s);
    a.backup->setCheckable(true);
    a.backup->setChecked(steps.backup);
    a.verify = newAction(this, u"mnuVerify"_s);
    a.verify->setCheckable(true);
    a.verify->setChecked(steps.verify);
    a.simplified = newAction(this, u"mnuChineseJ"_s);
    a.traditional = newAction(this, u"mnuChineseF"_s);
    a.english = newAction(this, u"mnuEnglish"_s);
    // There is no help file: the item stays greyed, and F1 does nothing. Its caption names F1
    // already, so the item carries no shortcut of its own to show a second time.
    a.help = newAction(this, u"mnumainhelp"_s);
    a.help->setEnabled(false);
    a.about = newAction(this, u"mnuabout"_s);
    a.service = newAction(this, u"TAnMa"_s);
    a.service->setVisible(false);
}

void MainWindow::loadToolbarIcons()
{
    const QStyle *s = style();
    const Actions &a = m_actions;
    a.newPlan->setIcon(themeIcon(u"document-new"_s, QStyle::SP_FileIcon, s));
    a.open->setIcon(themeIcon(u"document-open"_s, QStyle::SP_DialogOpenButton, s));
    a.save->setIcon(themeIcon(u"document-save"_s, QStyle::SP_DialogSaveButton, s));
    a.read->setIcon(themeIcon(u"go-down"_s, QStyle::SP_ArrowDown, s));
    a.write->setIcon(themeIcon(u"go-up"_s, QStyle::SP_ArrowUp, s));
    a.service->setIcon(themeIcon(u"system-lock-screen"_s, QStyle::SP_BrowserStop, s));
}

void MainWindow::createMenus()
{
    const Actions &a = m_actions;
    const auto addMenu = [this](const QString &name) {
        QMenu *menu = menuBar()->addMenu(QString());
        menu->setObjectName(name);
        return menu;
    };
    QMenu *file = addMenu(u"mnuFile"_s);
    file->addAction(a.newPlan);
    m_templatesMenu = new TemplatesMenu(this);
    m_templatesMenu->setObjectName(u"mnuTemplates"_s);
    file->addMenu(m_templatesMenu);
    file->addActions({a.open, a.save, a.importPlan, a.exportPlan});
    m_fileMenu = file;
    m_recentMenu = new RecentFilesMenu(this);
    m_recentMenu->setObjectName(u"mnuRecent"_s);
    file->addMenu(m_recentMenu);
    file->addSeparator();
    file->addActions({a.compare, a.print, a.printPreview});
    file->addSeparator()->setObjectName(u"mnuline"_s);
    file->addAction(a.quit);
    createEditMenu();
    m_programmingMenu = addMenu(u"mnupro"_s);
    m_programmingMenu->addActions({a.read, a.write, a.batchWrite, a.compareRadio, a.findRadio, a.backups});
    m_programmingMenu->addSeparator()->setObjectName(u"mnuline1"_s);
    m_programmingMenu->addActions({a.optionalFunctions, a.keys, a.embedded, a.debug, a.testFrequencies});
    addMenu(u"mnuset"_s)->addActions({a.lock, a.port, a.backup, a.verify});
    QMenu *languages = addMenu(u"mnuLanguage"_s);
    languages->addActions({a.simplified, a.traditional, a.english});
    // Each language named in itself, whatever language the captions are in, so that someone who
    // reads only English finds English.
    a.simplified->setToolTip(u"简体中文"_s);
    a.traditional->setToolTip(u"繁體中文"_s);
    a.english->setToolTip(u"English"_s);
    languages->setToolTipsVisible(true);
    addMenu(u"mnuhelp"_s)->addActions({a.help, a.about});
}

void MainWindow::createToolBar()
{
    m_toolbar = addToolBar(QString());
    m_toolbar->setObjectName(u"Toolbar1"_s);
    m_toolbar->setMovable(false);
    const Actions &a = m_actions;
    const std::array<std::pair<QAction *, const char16_t *>, 6> buttons{{
        {a.newPlan, u"new"},
        {a.open, u"open"},
        {a.save, u"save"},
        {a.read, u"read"},
        {a.write, u"write"},
        {a.service, u"TAnMa"},
    }};
    for (const auto &[action, key] : buttons) {
        if (action == a.read)
            m_toolbar->addSeparator();
        m_toolbar->addAction(action);
        // The buttons are known by their keys.
        m_toolbar->widgetForAction(action)->setObjectName(QString::fromUtf16(key));
    }
    // The pictures come once the window is up (loadToolbarIcons); blank ones of their size until
    // then give the toolbar its height, so the window is laid out once.
    QPixmap blank(m_toolbar->iconSize());
    blank.fill(Qt::transparent);
    for (const auto &[action, key] : buttons)
        action->setIcon(QIcon(blank));
}

void MainWindow::createCentralArea()
{
    m_model = new ChannelTableModel(m_plan.channels, m_texts, this);
    m_grid = new ChannelGrid(m_model, &m_band.limits(), this);
    auto *frames = new QWidget(this);
    auto *settings = new QVBoxLayout(frames);
    settings->setContentsMargins(0, 0, 0, 0);
    settings->addWidget(createBandFrame());
    settings->addWidget(createFunctionFrame());
    settings->addStretch();
    // The grid takes what the window gives beyond the settings' natural width.
    auto *upper = new QHBoxLayout;
    upper->addWidget(m_grid, 1);
    upper->addWidget(new SettingsPanel(frames, this));
    auto *central = new QWidget(this);
    central->setObjectName(u"centralArea"_s);
    auto *layout = new QVBoxLayout(central);
    layout->addLayout(upper);
    layout->addWidget(createStatusArea());
    setCentralWidget(central);
}

QGroupBox *MainWindow::createBandFrame()
{
    m_frame1 = new QGroupBox(this);
    m_frame1->setObjectName(u"Frame1"_s);
    auto *label = new QLabel(m_frame1);
    label->setObjectName(u"Label3"_s);
    m_combo1 = new BandSelector(m_frame1);
    auto *layout = new QFormLayout(m_frame1);
    layout->addRow(label, m_combo1);
    return m_frame1;
}

QGroupBox *MainWindow::createFunctionFrame()
{
    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(u"Frame2"_s);
    auto *layout = new QFormLayout(m_frame2);
    const QList<SettingId> settings = selectorSettings();
    for (std::size_t i = 0; i < m_selectors.size(); ++i) {
        auto *label = new QLabel(m_frame2);
        label->setObjectName(QString::fromUtf16(kFunctionSetLabels[i]));
        auto *list = new QComboBox(m_frame2);
        list->setObjectName(QString(SettingCatalog::selectorName(settings[i])));
        // The entries take their language's texts with the captions.
        list->addItems(SettingCatalog::entries(settings[i], Language::English));
        layout->addRow(label, list);
        m_selectors[i] = list;
    }
    return m_frame2;
}

QWidget *MainWindow::createStatusArea()
{
    auto *area = new QWidget(this);
    area->setObjectName(u"statusArea"_s);
    m_status = new QLabel(area);
    m_status->setObjectName(u"Label"_s);
    setTextColour(m_status, Qt::red);
    // Blinking must not move the other controls.
    QSizePolicy keepSpace = m_status->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    m_status->setSizePolicy(keepSpace);
    m_progress = new QProgressBar(area);
    m_progress->setObjectName(u"ProgressBar1"_s);
    m_progress->setTextVisible(false);
    m_progress->setSizePolicy(keepSpace);
    m_stage = new QLabel(area);
    m_stage->setObjectName(u"writeStage"_s);
    m_stage->hide();
    m_maker = new QLabel(area);
    m_maker->setObjectName(u"Label2"_s);
    setTextColour(m_maker, Qt::blue);
    m_maker->setCursor(Qt::PointingHandCursor);
    // A short window takes its room from the grid, never from the status line.
    area->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_status, 2);
    layout->addWidget(m_progress, 2);
    layout->addWidget(m_stage);
    layout->addWidget(m_maker, 1, Qt::AlignRight);
    return area;
}

void MainWindow::createControllers()
{
    // The last read or write stays said here after the status label has stopped blinking.
    statusBar()->setObjectName(u"statusBar"_s);
    auto *lastResult = new ElidedLabel(statusBar());
    lastResult->setObjectName(u"lastResult"_s);
    statusBar()->addWidget(lastResult, 1);
    const LinkControls controls{m_status,          m_progress,     m_stage,         lastResult, m_toolbar,
                                m_programmingMenu, m_actions.read, m_actions.write, m_frame1,   m_combo1};
    const LinkPlanAccess access{
        [this] { return encodeImage(); },
        [this](const QByteArray &image) { decodeImage(image); },
        [this](int index) { selectBandWithoutPrompt(index); },
        [this] { return m_serviceMode == 1; },
    };
    m_link = new LinkController(controls, access, this);
    m_link->setObjectName(u"MSComm1"_s);
    const PlanDocument document{
        [this] { return encodeImage(); },
        [this](const QByteArray &image) { decodeImage(image); },
        [this] {
            m_model->clearGrid1();
            recordChange();
        },
        [this](const QString &path) { showFileTitle(path); },
        [this] { return m_texts; },
        [this] { return m_history->isModified(); },
        [this] { return MaySendChannelsOutsideBand(m_plan); },
        [this] { return m_files->askToSaveChanges(); },
    };
    m_files = new CodePlanCommands(this, document, this);
    m_interchange = new InterchangeCommands(this, document, this);
    m_tools = new PlanTools(this, m_plan, m_model, m_files, this);
}

void MainWindow::initConnections()
{
    const Actions &a = m_actions;
    connectPlanCommand(a.newPlan, std::bind_front(&CodePlanCommands::newPlan, m_files));
    connectPlanCommand(a.open, std::bind_front(&CodePlanCommands::openPlan, m_files));
    connectPlanCommand(a.save, std::bind_front(&CodePlanCommands::savePlan, m_files));
    connectPlanCommand(a.importPlan, std::bind_front(&InterchangeCommands::importPlan, m_interchange));
    connectPlanCommand(a.exportPlan, std::bind_front(&InterchangeCommands::exportPlan, m_interchange));
    connectPlanCommand(a.compare, std::bind_front(&PlanTools::compare, m_tools));
    connectPlanCommand(a.print, std::bind_front(&PlanTools::print, m_tools));
    connectPlanCommand(a.printPreview, std::bind_front(&PlanTools::printPreview, m_tools));
    connect(a.quit, &QAction::triggered, this, &MainWindow::close);
    connect(m_fileMenu, &QMenu::aboutToShow, m_recentMenu, &RecentFilesMenu::refresh);
    connect(m_fileMenu, &QMenu::aboutToShow, m_templatesMenu, &TemplatesMenu::refresh);
    connect(m_templatesMenu, &TemplatesMenu::chosen, this, [this](const ChannelTemplate &found) {
        runPlanCommand([this, found] { m_interchange->newFromTemplate(found); });
    });
    connect(m_recentMenu, &RecentFilesMenu::chosen, this, &MainWindow::openFile);
    connect(m_files, &CodePlanCommands::fileUsed, m_recentMenu, &RecentFilesMenu::add);
    connectPlanCommand(a.read, std::bind_front(&MainWindow::startRead, this));
    connectPlanCommand(a.write, std::bind_front(&MainWindow::startWrite, this));
    connectPlanCommand(a.batchWrite, std::bind_front(&MainWindow::startBatch, this));
    connect(a.lock, &QAction::triggered, this, &MainWindow::toggleLock);
    connect(a.backup, &QAction::triggered, this, &MainWindow::rememberWriteSteps);
    connect(a.verify, &QAction::triggered, this, &MainWindow::rememberWriteSteps);
    connectPlanCommand(a.simplified,
                       std::bind_front(&MainWindow::switchLanguage, this, Language::SimplifiedChinese));
    connectPlanCommand(a.english, std::bind_front(&MainWindow::switchLanguage, this, Language::English));
    connectPlanCommand(a.traditional,
                       std::bind_front(&MainWindow::switchLanguage, this, Language::TraditionalChinese));
    connect(a.service, &QAction::triggered, this, &MainWindow::serviceButtonPressed);
    connect(a.optionalFunctions, &QAction::triggered, this,
            [this] { FeatureDialogs::present(dialogs()->Form5()); });
    connect(a.keys, &QAction::triggered, this, [this] { FeatureDialogs::present(dialogs()->Form6()); });
    connect(a.embedded, &QAction::triggered, this, [this] { FeatureDialogs::present(dialogs()->Form7()); });
    connect(a.debug, &QAction::triggered, this, [this] { FeatureDialogs::present(dialogs()->Form2()); });
    connect(a.testFrequencies, &QAction::triggered, this,
            [this] { FeatureDialogs::present(dialogs()->Form4()); });
    connect(a.about, &QAction::triggered, this, [this] { FeatureDialogs::present(dialogs()->frmAbout()); });
    connect(a.port, &QAction::triggered, this, &MainWindow::showPortDialog);
    connect(a.findRadio, &QAction::triggered, this, &MainWindow::findRadio);
    connectPlanCommand(a.compareRadio, std::bind_front(&MainWindow::compareWithRadio, this));
    connect(m_link, &LinkController::radioRead, m_tools, &PlanTools::compareWithRadio);
    connect(a.backups, &QAction::triggered, this, &MainWindow::showBackups);
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &MainWindow::bandSelected);
    connect(m_combo1, &BandSelector::droppedDown, this, [this](int shown) { m_band.dropDown(shown); });
    for (QComboBox *selector : m_selectors)
        connect(selector, &QComboBox::currentIndexChanged, this, &MainWindow::selectorChanged);
    connect(m_grid, &ChannelGrid::frequencyOutOfBand, this, &MainWindow::frequencyOutOfBand);
    connect(m_maker, &QLabel::linkActivated, this, &MainWindow::openMakerPage);
}

void MainWindow::connectPlanCommand(QAction *action, const std::function<void()> &command)
{
    connect(action, &QAction::triggered, this, [this, command] { runPlanCommand(command); });
}

// Every command that reads, replaces or leaves the plan first ends an edit still open on a cell,
// with the commit the focus leaving it would run: a toolbar button or a shortcut takes no focus,
// and the edit would otherwise be lost or land in the next plan. A refused commit (a frequency
// outside the band) stops the command; the user was told why.
void MainWindow::runPlanCommand(const std::function<void()> &command)
{
    if (m_grid->endPendingEdit())
        command();
}

void MainWindow::openFile(const QString &path)
{
    runPlanCommand([this, path] { m_files->openFile(path); });
}

void MainWindow::startUp()
{
    readParameters();
    UseQtTranslations(LanguageMode());
    m_serviceMode = 0;
    if (LanguageMode() == Language::TraditionalChinese) {
        // Traditional Chinese is made from the Simplified captions.
        SetLanguageMode(Language::SimplifiedChinese);
        applyCaptions();
        convertToTraditional(true);
        SetLanguageMode(Language::TraditionalChinese);
    } else {
        applyCaptions();
    }
    fillTimeOutList();
    selectBandWithoutPrompt(0);
    resetDefaults();
}

void MainWindow::readParameters()
{
    const ParameterFile::ReadResult read = ParameterFile::read(m_parameterPath);
    m_portNumber = read.parameters.PortNumber;
    // A language left for this start by an installer or a script wins over the remembered one.
    LoadLanguageSetting(u"VM-280"_s, read.parameters.language);
    // Said in the language the start settled on, as is a settings file beside it that cannot be
    // read (it is read where it is needed, and left alone).
    reportOnce(read.problem);
    reportOnce(CheckRegularFile(ToolSettingsPath()));
    if (read.parameters.locked == true) {
        // The function settings stay usable until the lock command is next used.
        m_actions.lock->setChecked(true);
        m_frame1->setEnabled(false);
        m_grid->setEnabled(false);
    }
}

bool MainWindow::event(QEvent *event)
{
    // Looking up the icon theme and probing twenty serial ports take longer than building the
    // window: both wait until it has been painted once. So does measuring every entry of every
    // list, which each list does as it is first shown anyway; only a language switch needs it.
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            loadToolbarIcons();
            m_grid->createEditors();
            dialogs()->sizeListsToTexts();
            detectPorts();
            SizeListsToTexts(centralWidget());
        });
    }
    return QMainWindow::event(event);
}

void MainWindow::startRead()
{
    // Asked before anything else: Cancel leaves everything as it was.
    if (!m_files->askToSaveChanges())
        return;
    detectPorts();
    m_link->engine().startRead();
}

void MainWindow::startWrite()
{
    if (!MaySendChannelsOutsideBand(m_plan))
        return;
    detectPorts();
    m_link->startWrite(m_actions.backup->isChecked(), m_actions.verify->isChecked());
}

void MainWindow::startBatch()
{
    if (!MaySendChannelsOutsideBand(m_plan))
        return;
    detectPorts();
    BatchWriter::Options options;
    if (m_actions.backup->isChecked())
        options.backupPath = [](int radioBand) { return BackupPathIn(DefaultBackupFolder(), radioBand); };
    options.verify = m_actions.verify->isChecked();
    delete m_batchPanel;
    m_batchPanel = new BatchPanel(*m_link, this);
    m_batchPanel->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_batchPanel, &BatchPanel::saveLogRequested, m_batchPanel,
            [panel = m_batchPanel.data()](const QByteArray &bytes) { SaveCsvFile(panel, bytes); });
    if (!m_batchPanel->start(std::move(options))) {
        delete m_batchPanel;
        return;
    }
    // One batch at a time: the item comes back when the batch is over.
    m_actions.batchWrite->setEnabled(false);
    connect(m_batchPanel->batch(), &BatchWriter::finished, m_actions.batchWrite,
            [this] { m_actions.batchWrite->setEnabled(true); });
    FeatureDialogs::present(m_batchPanel);
}

void MainWindow::rememberWriteSteps()
{
    WriteStepSettings{m_actions.backup->isChecked(), m_actions.verify->isChecked()}.save();
}

void MainWindow::detectPorts()
{
    // Once after start-up, and again whenever the port is not open: a cable plugged in since is
    // found, and the remembered one wherever it is now.
    if (m_portsDetected && m_link->portIsOpen())
        return;
    m_portsDetected = true;
    loadPortDialog();
}

void MainWindow::loadPortDialog()
{
    // The port in use must be closed to be probed like the others.
    m_link->detectSlots();
    if (m_portDialog.isNull()) {
        m_portDialog = new PortDialog(this);
        connect(m_portDialog, &PortDialog::portClicked, this, &MainWindow::portChosen);
        connect(m_portDialog, &PortDialog::searchStarting, m_link, &LinkController::beginSearch);
        connect(m_portDialog, &PortDialog::searchEnded, m_link, &LinkController::endSearch);
        connect(m_link, &LinkController::commandsEnabledChanged, m_portDialog, &PortDialog::setFindAllowed);
        m_portDialog->setFindAllowed(m_link->commandsEnabled());
    }
    m_portDialog->detect(m_link->portSlots(), m_portNumber, m_link->rememberedDevice());
    const PortSelection selection = m_portDialog->selection();
    m_portNumber = selection.portNumber;
    if (selection.openedPort > 0)
        m_link->openSlot(selection.openedPort);
    else
        m_link->noPortOpened(m_portDialog->probes(), m_portNumber);
}

void MainWindow::showPortDialog()
{
    m_portsDetected = true;
    // Opening the dialog detects the ports again; while it is open it shows what it found.
    if (m_portDialog.isNull() || !m_portDialog->isVisible())
        loadPortDialog();
    FeatureDialogs::present(m_portDialog);
}

void MainWindow::portChosen(int portNumber)
{
    m_portNumber = portNumber;
    m_link->choosePort(portNumber);
}

void MainWindow::findRadio()
{
    showPortDialog();
    m_portDialog->startSearch();
}

void MainWindow::compareWithRadio()
{
    detectPorts();
    m_link->startCompareRead();
}

void MainWindow::showBackups()
{
    if (m_backupsDialog.isNull()) {
        m_backupsDialog = new BackupsDialog(DefaultBackupFolder(), this);
        m_backupsDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_backupsDialog, &BackupsDialog::openRequested, this, &MainWindow::openFile);
        connect(m_backupsDialog, &BackupsDialog::compareRequested, this, [this](const QString &path) {
            runPlanCommand([this, path] { m_tools->compareWith(path); });
        });
        connect(m_backupsDialog, &BackupsDialog::restoreRequested, this, &MainWindow::restoreBackup);
        // A write backs the radio up: the new backup is listed at once.
        connect(m_link, &LinkController::ended, m_backupsDialog, &BackupsDialog::refresh);
        connect(m_link, &LinkController::commandsEnabledChanged, m_backupsDialog,
                &BackupsDialog::setRestoreAllowed);
        m_backupsDialog->setRestoreAllowed(m_link->commandsEnabled());
    }
    m_backupsDialog->refresh();
    FeatureDialogs::present(m_backupsDialog);
}

void MainWindow::restoreBackup(const QString &path)
{
    const auto image = m_files->readFile(path);
    if (!image)
        return;
    detectPorts();
    m_link->startRestore(*image, m_actions.backup->isChecked(), m_actions.verify->isChecked());
}

void MainWindow::fillTimeOutList()
{
    // Filled again after the captions, so its entries read "15 S" in every language until the
    // language is next switched.
    QComboBox *timeOut = m_selectors[selectorSettings().indexOf(SettingId::TimeOut)];
    const QSignalBlocker blocker(timeOut);
    timeOut->clear();
    timeOut->addItems(SettingCatalog::entries(SettingId::TimeOut, Language::English));
}

void MainWindow::resetDefaults()
{
    m_plan = CodePlan();
    m_model->tableReplaced();
    showSelectors();
    m_progress->hide();
}

void MainWindow::applyCaptions()
{
    m_texts = LocalChoiceTexts(LanguageMode());
    ApplyForm1Captions(this, m_model, LanguageMode());
    m_setSelectedMenu->applyCaptions(LanguageMode());
    // Start-up leaves the dialogs to be made in its language later.
    if (m_dialogs != nullptr)
        m_dialogs->applyCaptions(LanguageMode());
    m_link->applyCaptions();
    // Plain text does not show as a link; the label opens the maker's page.
    if (!m_maker->text().isEmpty())
        m_maker->setText(u"<a href=\"%1\" style=\"color: blue; text-decoration: none\">%2</a>"_s.arg(
            MakerPage().toString(), m_maker->text().toHtmlEscaped()));
}

void MainWindow::convertToTraditional(bool atStartUp)
{
    FormJtoF(this);
    if (m_dialogs != nullptr)
        convertDialogsToTraditional(atStartUp);
    m_texts = LocalChoiceTexts(Language::TraditionalChinese);
    if (const auto problem = TraditionalChineseProblem(); problem && !m_traditionalProblemReported) {
        m_traditionalProblemReported = true;
        const QString text =
            ShownText(u"繁体中文不可用，文字仍以简体中文显示。\n%1",
                      u"Traditional Chinese is not available; the texts stay in Simplified Chinese.\n%1")
                .arg(*problem);
        QTimer::singleShot(0, this, [text] { ShowMsgbox(text, MsgboxOkOnly + MsgboxExclamation); });
    }
}

void MainWindow::convertDialogsToTraditional(bool atStartUp)
{
    const FeatureDialogs *d = m_dialogs;
    for (QWidget *window :
         std::initializer_list<QWidget *>{d->Form2(), d->Form4(), d->Form5(), d->Form6(), d->Form7()})
        FormJtoF(window);
    d->frmAbout()->convertToTraditional(atStartUp);
}

FeatureDialogs *MainWindow::dialogs()
{
    if (m_dialogs != nullptr)
        return m_dialogs;
    // Made as start-up would have made them: whatever changes them (a language switch, a plan
    // opened or read) makes them first, so the language is still the one start-up settled on.
    m_dialogs = new FeatureDialogs(m_plan, this);
    connect(m_dialogs, &FeatureDialogs::serviceModeUnlocked, this, &MainWindow::enterServiceMode);
    connect(m_dialogs, &FeatureDialogs::planEdited, this, &MainWindow::recordChange);
    if (LanguageMode() == Language::TraditionalChinese) {
        m_dialogs->applyCaptions(Language::SimplifiedChinese);
        convertDialogsToTraditional(true);
    } else {
        m_dialogs->applyCaptions(LanguageMode());
    }
    m_dialogs->showPlan();
    return m_dialogs;
}

void MainWindow::switchLanguage(Language language)
{
    if (LanguageMode() == language)
        return;
    // Made before the language changes, so they take the switch as the rest of the window does.
    dialogs();
    UseQtTranslations(language);
    if (language == Language::TraditionalChinese) {
        // Converted from the Simplified captions, never from the English ones.
        if (LanguageMode() == Language::English) {
            SetLanguageMode(Language::SimplifiedChinese);
            applyCaptions();
        }
        SetLanguageMode(language);
        convertToTraditional(false);
    } else {
        SetLanguageMode(language);
        applyCaptions();
    }
    m_model->setGrid1Text();
    if (m_batchPanel)
        m_batchPanel->showTexts();
    if (m_portDialog)
        m_portDialog->showTexts();
    if (m_backupsDialog)
        m_backupsDialog->showTexts();
    m_history->rebase();
}

void MainWindow::toggleLock(bool locked)
{
    m_frame1->setEnabled(!locked);
    m_frame2->setEnabled(!locked);
    m_grid->setEnabled(!locked);
    updateEditActions();
}

void MainWindow::enterServiceMode()
{
    m_serviceMode = 1;
    m_actions.service->setVisible(true);
    dialogs()->setServiceMode(true);
}

void MainWindow::serviceButtonPressed()
{
    if (!m_serviceExit.press(m_clock.elapsed()))
        return;
    m_serviceMode = 0;
    m_actions.service->setVisible(false);
    dialogs()->setServiceMode(false);
}

void MainWindow::bandSelected(int index)
{
    m_plan.band = index;
    m_model->setShownBand(index);
    if (!m_band.selectionChanged(index))
        return;
    const int answer = ShowMsgbox(
        ShownText(u"改变频段将清除频道列表，确定吗？", u"Change frequency channel list will remove, sure?"),
        MsgboxOkCancel + MsgboxQuestion + MsgboxDefaultButton2 + MsgboxSystemModal,
        ShownText(u"注意！", u"Attention!"));
    if (answer != MsgboxOk)
        return;
    m_band.confirm(index);
    m_model->clearGrid();
}

void MainWindow::selectBandWithoutPrompt(int index)
{
    m_band.selectWithoutPrompt(index);
    m_combo1->setCurrentIndex(index);
    m_plan.band = index;
    m_model->setShownBand(index);
}

void MainWindow::showSelectors()
{
    const QList<SettingId> settings = selectorSettings();
    for (std::size_t i = 0; i < m_selectors.size(); ++i) {
        const QSignalBlocker blocker(m_selectors[i]);
        m_selectors[i]->setCurrentIndex(*SettingCatalog::listIndex(m_plan, settings[i]));
    }
}

void MainWindow::selectorChanged()
{
    const QList<SettingId> settings = selectorSettings();
    for (std::size_t i = 0; i < m_selectors.size(); ++i)
        SettingCatalog::setListIndex(m_plan, settings[i], m_selectors[i]->currentIndex());
}

void MainWindow::frequencyOutOfBand()
{
    ShowMsgbox(ShownText(u"超出频段范围", u"Beyond the frequency range"), MsgboxOkOnly);
    m_grid->setFocus(Qt::OtherFocusReason);
}

void MainWindow::decodeImage(const QByteArray &image)
{
    // An opened or read plan is one step, band selection included.
    m_history->recordAsOneStep([this, &image] {
        DecodeImage(m_plan, image, m_texts);
        m_model->tableReplaced();
        showSelectors();
        selectBandWithoutPrompt(m_plan.band);
        dialogs()->showPlan();
    });
}

QByteArray MainWindow::encodeImage() const
{
    return EncodeImage(m_plan, m_texts);
}

void MainWindow::showFileTitle(const QString &path)
{
    // "[*]" is where the window shows the "*" of a plan with unsaved changes.
    setWindowTitle(u"[*]"_s + ApplicationTitle() + u"-"_s + QDir::toNativeSeparators(path));
}

void MainWindow::openMakerPage()
{
    QDesktopServices::openUrl(MakerPage());
}

void MainWindow::reportOnce(const std::optional<FileProblem> &problem)
{
    if (!problem || m_problemReported)
        return;
    m_problemReported = true;
    const QString text = unusableText(*problem);
    // Shown once the window is up, over it.
    QTimer::singleShot(0, this, [text] { ShowMsgbox(text, MsgboxOkOnly + MsgboxExclamation); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Leaving ends an open edit first, as every command that leaves the plan does.
    if (!m_grid->endPendingEdit() || !m_files->askToSaveChanges()) {
        event->ignore();
        return;
    }
    const Parameters parameters{m_actions.lock->isChecked(), m_portNumber, LanguageMode()};
    // Reported unless the file was already found unusable at start-up.
    if (const auto problem = ParameterFile::write(m_parameterPath, parameters); problem && !m_problemReported)
        ShowMsgbox(notSavedText(*problem), MsgboxOkOnly + MsgboxExclamation);
    event->accept();
    emit closed();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    acceptAsCopy(event);
}

void MainWindow::dropEvent(QDropEvent *event)
{
    if (!acceptAsCopy(event))
        return;
    // Opened once the drop is over: a message box inside it would hold up the program the file
    // was dragged from.
    const QString path = DroppedFile(*event->mimeData());
    QMetaObject::invokeMethod(
        this, [this, path] { openFile(path); }, Qt::QueuedConnection);
}

void MainWindow::createEditActions()
{
    Actions &a = m_actions;
    a.undo = newAction(this, u"mnuUndo"_s, QKeySequence::Undo);
    a.redo = newAction(this, u"mnuRedo"_s);
    // Both redo keys work everywhere, whatever the desktop's own convention.
    a.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    a.copy = newAction(this, u"mnuCopy"_s, QKeySequence::Copy);
    a.paste = newAction(this, u"mnuPaste"_s, QKeySequence::Paste);
    a.deleteChannels = newAction(this, u"mnuDelete"_s, QKeySequence::Delete);
    a.fillDown = newAction(this, u"mnuFillDown"_s);
}

void MainWindow::createEditMenu()
{
    const Actions &a = m_actions;
    m_editMenu = menuBar()->addMenu(QString());
    m_editMenu->setObjectName(u"mnuEdit"_s);
    m_editMenu->addActions({a.undo, a.redo});
    m_editMenu->addSeparator()->setObjectName(u"mnuline2"_s);
    m_editMenu->addActions({a.copy, a.paste, a.deleteChannels});
    m_editMenu->addSeparator()->setObjectName(u"mnuline3"_s);
    m_setSelectedMenu = new SetForSelectedMenu(this);
    m_editMenu->addMenu(m_setSelectedMenu);
    m_editMenu->addAction(a.fillDown);
}

// The grid's context menu: the Edit menu's commands for the channels selected.
void MainWindow::createGridMenu()
{
    const Actions &a = m_actions;
    m_gridMenu = new QMenu(this);
    m_gridMenu->setObjectName(u"mnuGrid"_s);
    m_gridMenu->addActions({a.copy, a.paste, a.deleteChannels});
    m_gridMenu->addSeparator();
    m_gridMenu->addMenu(m_setSelectedMenu);
    m_gridMenu->addAction(a.fillDown);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
}

void MainWindow::showGridMenu(const QPoint &position)
{
    m_gridMenu->popup(m_grid->viewport()->mapToGlobal(position));
}

void MainWindow::createHistory()
{
    m_history = new PlanHistory([this] { return currentState(); },
                                [this](const PlanState &state) { showState(state); },
                                [this] { return encodeImage(); }, this);
    m_channelEdits = new ChannelEditCommands(m_grid, m_model, m_plan, m_texts, this);
    m_selectedEdits = new SelectedChannelCommands(m_grid, m_model, m_plan, m_texts, &m_band.limits(), this);
    createGridMenu();
    // Their keys act on the grid's channels only while the grid has the focus: Del in the band
    // list must not empty channels. The menu items work from anywhere.
    const Actions &a = m_actions;
    for (QAction *action : {a.copy, a.paste, a.deleteChannels}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_grid->addAction(action);
    }
    updateEditActions();
}

void MainWindow::initEditConnections()
{
    const Actions &a = m_actions;
    // An edit still open on a cell is committed first, and so undone first.
    connectPlanCommand(a.undo, std::bind_front(&PlanHistory::undo, m_history));
    connectPlanCommand(a.redo, std::bind_front(&PlanHistory::redo, m_history));
    connectPlanCommand(a.copy, std::bind_front(&ChannelEditCommands::copy, m_channelEdits));
    connectPlanCommand(a.paste, std::bind_front(&ChannelEditCommands::paste, m_channelEdits));
    connectPlanCommand(a.deleteChannels,
                       std::bind_front(&ChannelEditCommands::deleteSelected, m_channelEdits));
    connect(m_channelEdits, &ChannelEditCommands::changed, this, &MainWindow::recordChange);
    connectPlanCommand(a.fillDown, std::bind_front(&SelectedChannelCommands::askFillDown, m_selectedEdits));
    connect(m_setSelectedMenu, &SetForSelectedMenu::toneAsked, this, [this](int column) {
        runPlanCommand(
            std::bind_front(&SelectedChannelCommands::askToneForSelected, m_selectedEdits, column));
    });
    connect(m_setSelectedMenu, &SetForSelectedMenu::entryPicked, this, [this](int column, int index) {
        runPlanCommand(
            std::bind_front(&SelectedChannelCommands::pickForSelected, m_selectedEdits, column, index));
    });
    connect(m_selectedEdits, &SelectedChannelCommands::changed, this, &MainWindow::recordChange);
    connect(m_grid, &QWidget::customContextMenuRequested, this, &MainWindow::showGridMenu);
    connect(m_history->stack(), &QUndoStack::indexChanged, this, &MainWindow::updateEditActions);
    connect(m_history, &PlanHistory::modifiedChanged, this, &QWidget::setWindowModified);
    // Each change the window makes to the plan is recorded once it is complete.
    connect(m_grid, &ChannelGrid::edited, this, &MainWindow::recordChange);
    connect(m_combo1, &QComboBox::currentIndexChanged, this, &MainWindow::recordChange);
    for (QComboBox *selector : m_selectors)
        connect(selector, &QComboBox::currentIndexChanged, this, &MainWindow::recordChange);
    // Opened, saved, read or written: the plan is the one kept.
    connect(m_files, &CodePlanCommands::fileUsed, m_history, &PlanHistory::setClean);
    connect(m_link, &LinkController::planMatchesRadio, m_history, &PlanHistory::setClean);
}

PlanState MainWindow::currentState() const
{
    return {m_plan, m_band};
}

void MainWindow::showState(const PlanState &state)
{
    m_plan = state.plan;
    // The cells in the words shown now, whatever the language was when the state was taken.
    m_model->setGrid1Text();
    showSelectors();
    {
        const QSignalBlocker blocker(m_combo1);
        m_combo1->setCurrentIndex(m_plan.band);
    }
    m_model->setShownBand(m_plan.band);
    m_band = state.band;
    dialogs()->restorePlan();
}

void MainWindow::recordChange()
{
    // Start-up sets the band and the lists before there is a history.
    if (m_history != nullptr)
        m_history->record();
}

void MainWindow::updateEditActions()
{
    // The lock blocks every edit of the channels, undo and redo included.
    const bool editable = m_grid->isEnabled();
    const Actions &a = m_actions;
    a.undo->setEnabled(editable && m_history->stack()->canUndo());
    a.redo->setEnabled(editable && m_history->stack()->canRedo());
    a.paste->setEnabled(editable);
    a.deleteChannels->setEnabled(editable);
    a.fillDown->setEnabled(editable);
    m_setSelectedMenu->menuAction()->setEnabled(editable);
}

} // namespace vm280
