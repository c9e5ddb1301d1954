// The main window: menu row, card sheet, info bar and Exit button around the current series.
#include "MainWindow.h"

#include "AccessibleFactory.h"
#include "AccessibleTexts.h"
#include "BuiltInPictures.h"
#include "CardSheet.h"
#include "DeckSwitcher.h"
#include "Fonts.h"
#include "FramingCommand.h"
#include "HelpPane.h"
#include "InfoBar.h"
#include "LoadSeries.h"
#include "MenuRow.h"
#include "MenuShortcuts.h"
#include "PictureBox.h"
#include "PrintDialog.h"
#include "ProgramLog.h"
#include "ProgramTitles.h"
#include "SettingsFile.h"
#include "TextCommand.h"
#include "Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>

namespace {
// The frames are plain etched boxes without caption, opaque so a frame lying above another hides
// it.
void makeEtched(QFrame* frame, QRect geometry) {
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    frame->setGeometry(geometry);
}
} // namespace

MainWindow::MainWindow(ProgramFolder folder, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), m_folder(std::move(folder)), m_prompts(&prompts),
      m_commands(SeriesCommands::Context{m_folder, &m_model, &m_photos, &prompts, this,
                                         [this](const QString& text) { setInfo(text); }, 3.0,
                                         [this] { closeIfAsked(); }, &m_history,
                                         [this] { return mayDiscardUnsavedWork(); },
                                         [this](const QString& path) { openSeriesFile(path); }}),
      m_recovery(m_folder.stateFolder(), m_model, [this](const QString& text) { setInfo(text); }) {
    AccessibleFactory::install();
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(ProgramTitles::program());
    setWindowIcon(BuiltInPictures::icon(QStringLiteral("icon")));
    setFont(Fonts::arial(8.25));
    setFixedSize(kClientSize);
    buildWidgets();
    arrangeTabOrder();
    AccessibleTexts::nameWindow(this);

    m_sheet->bindTexts(m_model);
    m_sheet->bindPhotos(m_photos, m_model);
    connect(m_sheet, &CardSheet::framingChosen, this,
            [this](int card, const Framing& framing, bool continues) {
                m_history.push(
                    new FramingCommand(m_model, card, m_model.framing(card), framing, continues));
            });
    connect(m_sheet, &CardSheet::textTyped, this,
            [this](int card, int line, const QString& before, const QString& after) {
                m_history.push(new TextCommand(m_model, card, line, before, after));
            });
    connect(m_sheet, &CardSheet::photoClicked, this,
            [this](int card) { m_commands.placePhoto(card); });
    connect(m_sheet->deckSwitcher(), &DeckSwitcher::chosen, this, &MainWindow::setDeckMode);
    connect(m_menu, &MenuRow::chosen, this, &MainWindow::runCommand);
    connect(m_exit, &QPushButton::clicked, this, &MainWindow::exitProgram);
    setDeckMode(DeckMode::Normal);
    m_sheet->card(1).subject()->setFocus();
    setAcceptDrops(true);
    // The text boxes take dragged text; dragged files go past them to the window.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
    // Enter presses Exit and the deck buttons as Space does.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->installEventFilter(this);
    m_history.bindKeys(this, [this] { return !isBusy(); });
    new MenuShortcuts(this, m_menu, m_exit);

    m_settings = SettingsFile::load(m_folder.settingsFile());
    // Written straight back, so a missing or damaged file is made whole; a file that already holds
    // exactly these bytes is left as it is, which spares a wait for the disk at every start.
    if (!SettingsFile::holds(m_folder.settingsFile(), m_settings))
        writeSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildWidgets() {
    // Created from the bottom of the stacking order up: later siblings lie above earlier ones.
    auto* exitBox = new QLabel(this);
    exitBox->setObjectName(QStringLiteral("Label3"));
    exitBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    exitBox->setGeometry(twips::rectToPx(5100, 8190, 750, 375));

    m_sheet = new CardSheet(this);
    makeEtched(m_sheet, twips::rectToPx(75, 1020, 5775, 7080));

    auto* infoFrame = new QFrame(this);
    infoFrame->setObjectName(QStringLiteral("Frame3"));
    makeEtched(infoFrame, twips::rectToPx(75, 8100, 4965, 450));
    m_info = new InfoBar(infoFrame);

    m_menu = new MenuRow(this);
    makeEtched(m_menu, twips::rectToPx(75, -30, 5775, 1200));

    m_exit = new QPushButton(tr("Exit"), this);
    m_exit->setObjectName(QStringLiteral("ExitKnop"));
    m_exit->setGeometry(twips::rectToPx(5130, 8220, 690, 315));
}

void MainWindow::arrangeTabOrder() {
    // Reading order: the menu row, the help pane over the cards, each card from the top down,
    // the deck buttons and Exit.
    QList<QWidget*> chain;
    for (int number = 1; number <= MenuRow::kButtons; ++number)
        chain << m_menu->button(MenuCommand(number));
    chain << m_sheet->helpPane();
    for (int card = 1; card <= kCards; ++card) {
        const CardView& view = m_sheet->card(card);
        chain << view.subject() << view.photo();
        for (int line = 1; line <= kLines; ++line)
            chain << view.name(line);
    }
    chain << m_sheet->deckSwitcher()->normalButton() << m_sheet->deckSwitcher()->childrenButton()
          << m_exit;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::setDeckMode(DeckMode mode) {
    m_deckMode = mode;
    m_sheet->setDeckMode(mode);
}

void MainWindow::setInfo(const QString& text) {
    m_info->setInfo(text);
}

QString MainWindow::info() const {
    return m_info->text();
}

bool MainWindow::helpOpen() const {
    return m_sheet->helpPane()->isVisibleTo(this);
}

void MainWindow::toggleHelp() {
    HelpPane* help = m_sheet->helpPane();
    const bool opening = !helpOpen();
    if (opening) {
        help->showPage(m_folder.helpPage());
        m_sheet->showHelp(true);
        m_savedInfo = info();
        setInfo(tr("Druk nogmaals op Help om dit venster weer te sluiten..."));
    } else {
        m_sheet->showHelp(false);
        setInfo(m_savedInfo);
    }
    // Help and Export stay usable while help is open.
    for (MenuCommand command :
         {MenuCommand::New, MenuCommand::Load, MenuCommand::Save, MenuCommand::Print})
        m_menu->button(command)->setEnabled(!opening);
}

void MainWindow::runCommand(MenuCommand command) {
    // While the game's PDF is written, a click does nothing.
    if (m_commands.writingGame())
        return;
    switch (command) {
    case MenuCommand::New:
        m_commands.newDesign();
        break;
    case MenuCommand::Load:
        if (mayDiscardUnsavedWork())
            m_commands.openLoadDialog();
        break;
    case MenuCommand::Save:
        m_commands.save();
        break;
    case MenuCommand::Help:
        toggleHelp();
        break;
    case MenuCommand::Print:
        openPrintDialog();
        break;
    case MenuCommand::Export:
        m_commands.exportSheet(m_deckMode, m_backDesign);
        break;
    }
}

void MainWindow::openPrintDialog() {
    PrintDialog dialog(PrintDialog::Context{m_folder,
                                            m_deckMode,
                                            &m_settings,
                                            [this] { return m_commands.faceSheet(); },
                                            m_prompts,
                                            {},
                                            [this](int design) { m_backDesign = design; }},
                       this);
    dialog.exec();
}

void MainWindow::writeSettings() {
    // A settings file that cannot be written (a read-only folder) only loses the back position
    // of this run; the program goes on without a message.
    if (const Status written = SettingsFile::save(m_folder.settingsFile(), m_settings); !written)
        qCWarning(programLog).noquote() << written.error();
}

void MainWindow::closeIfAsked() {
    if (std::exchange(m_closeWhenIdle, false))
        exitProgram();
}

void MainWindow::exitProgram() {
    if (close()) // writes the settings
        QCoreApplication::quit();
}

bool MainWindow::mayDiscardUnsavedWork() {
    if (!m_model.hasUnsavedChanges())
        return true;
    switch (m_prompts->askYesNoCancel(
        QString(), tr("De serie is nog niet bewaard. Wilt u haar eerst bewaren?"))) {
    case UserPrompts::Answer::Yes:
        return m_commands.save();
    case UserPrompts::Answer::No:
        return true;
    case UserPrompts::Answer::Cancel:
        return false;
    }
    return false;
}

void MainWindow::offerRecovery(const std::function<void()>& then) {
    const RecoveryFolder::TakenBack taken =
        m_recovery.takeBack([this](const RecoveredSeries& copy) {
            return m_prompts->askYesNo(
                QString(), tr("Er is een serie die niet bewaard is (onderwerp: %1). Wilt u haar "
                              "terughalen?")
                               .arg(copy.series.subject));
        });
    for (const QString& setAside : taken.setAside)
        qCWarning(programLog).noquote() << "Set aside" << setAside;
    if (!taken.series) {
        if (then)
            then();
        return;
    }
    m_commands.restore(*taken.series, [then](const Status&) {
        if (then)
            then();
    });
}

void MainWindow::openSeriesFile(const QString& path) {
    if (m_commands.writingGame() || !mayDiscardUnsavedWork())
        return;
    m_commands.loadFile(path, [this, path](const Status& loaded) {
        if (!loaded)
            LoadSeries::reportFailure(*m_prompts, path, loaded);
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Photos still being read do not hold the close: their reads are left behind.
    if (m_commands.writingGame()) {
        m_closeWhenIdle = true;
        event->ignore();
        return;
    }
    if (!mayDiscardUnsavedWork()) {
        event->ignore();
        return;
    }
    writeSettings();
    m_recovery.finish();
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!m_centred && !event->spontaneous()) {
        m_centred = true;
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

int MainWindow::dropCard(const DroppedFiles& dropped, QPointF position) const {
    if (dropped.kind() != DroppedFiles::Kind::Pictures)
        return 0;
    return m_sheet->photoCardAt(m_sheet->mapFrom(this, position.toPoint()));
}

bool MainWindow::takesDrop(const DroppedFiles& dropped, int card) {
    return dropped.kind() == DroppedFiles::Kind::Series ||
           (dropped.kind() == DroppedFiles::Kind::Pictures && card > 0);
}

bool MainWindow::answerDrag(QDropEvent& event, bool takes) const {
    const Qt::DropActions harmless = event.possibleActions() & (Qt::CopyAction | Qt::LinkAction);
    if (!takes || m_commands.writingGame() || harmless == Qt::IgnoreAction) {
        event.ignore();
        return false;
    }
    event.setDropAction(harmless & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
    event.accept();
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    // Files the window can use make it the drag's target wherever they enter; whether they may
    // land where the pointer is, each move answers.
    m_drag = DroppedFiles::of(event->mimeData());
    const int card = dropCard(*m_drag, event->position());
    const bool entered = answerDrag(*event, m_drag->kind() != DroppedFiles::Kind::Refused);
    m_sheet->outlineCard(entered ? card : 0);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_drag)
        m_drag = DroppedFiles::of(event->mimeData());
    const int card = dropCard(*m_drag, event->position());
    m_sheet->outlineCard(answerDrag(*event, takesDrop(*m_drag, card)) ? card : 0);
}

void MainWindow::dragLeaveEvent(QDragLeaveEvent*) {
    m_drag.reset();
    m_sheet->outlineCard(0);
}

void MainWindow::dropEvent(QDropEvent* event) {
    const DroppedFiles dropped = m_drag ? *m_drag : DroppedFiles::of(event->mimeData());
    m_drag.reset();
    m_sheet->outlineCard(0);
    const int card = dropCard(dropped, event->position());
    if (!answerDrag(*event, takesDrop(dropped, card)))
        return;
    // The work starts once the drop has been answered, so the program the files came from is not
    // kept waiting by a message about them.
    QMetaObject::invokeMethod(
        this,
        [this, dropped, card] {
            if (dropped.kind() == DroppedFiles::Kind::Series)
                openSeriesFile(dropped.paths().front());
            else
                m_commands.placeFiles(card, dropped.paths());
        },
        Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QPushButton*>(watched)->click();
            return true;
        }
    }
    if (event->type() == QEvent::DragEnter && qobject_cast<QLineEdit*>(watched) &&
        static_cast<QDragEnterEvent*>(event)->mimeData()->hasUrls()) {
        event->ignore(); // handed on to the window
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
