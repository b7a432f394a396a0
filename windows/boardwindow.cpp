// boardwindow.cpp: the board window's set-up, its menus, input routing and the timed sequences.
#include "windows/boardwindow.h"

#include "platform/desktop.h"
#include "platform/filereading.h"
#include "platform/gamefolders.h"
#include "platform/scaledpicture.h"
#include "platform/soundplayer.h"
#include "platform/windowsizing.h"
#include "savegame/savedgame.h"
#include "windows/boardlayout.h"
#include "windows/boardview.h"
#include "windows/exampleviewer.h"
#include "windows/helpwindow.h"
#include "windows/modalwindow.h"
#include "windows/spinhandle.h"
#include "windows/winwindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>

namespace quintrel {

namespace {

// The pause alone, a step that shows nothing.
constexpr Step PauseStep{Step::Kind::Wait, 0, {}, true};

} // namespace

BoardWindow::BoardWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_player([this](const Step &step) { present(m_game.play(step)); })
{
    setObjectName(QStringLiteral("frm_brd"));
    setWindowTitle(QString::fromLatin1(GameTitle));
}

bool BoardWindow::setUp()
{
    createMenus();
    sizeWindowToClient(this, BoardLayout::ClientWidth, BoardLayout::ClientHeight, false);

    if (isLargeFontDensity(displayDensity())) {
        // The density refused is that of a desktop scaled to 125 % (or with large text on): the steps
        // are those of a Linux desktop's display settings.
        showMessage(tr("Your video display is set to LARGE FONTS. This application requires a setting of Small "
                       "Fonts. In your desktop's display settings, set the scale to 100%, 150% or 200% and turn "
                       "large text off, then start Quintrel again."),
                    QString::fromLatin1(ApplicationTitle), MessageIcon::None);
        m_exitCode = 0;
        return false;
    }

    m_view = new BoardView(m_game, this);
    setCentralWidget(m_view);
    connect(m_view, &BoardView::tileClicked, this, &BoardWindow::onTileClicked);
    connect(m_view, &BoardView::spinHandleClicked, this, &BoardWindow::onSpinHandleClicked);
    // Told once the step that drew the tile has ended, so that no step waits for the player: the
    // box then holds the sequence, as every modal window does.
    connect(
        m_view, &BoardView::cardPictureMissing, this,
        [this](const QString &message) {
            if (!m_closing)
                showGameMessage(message, MessageIcon::Exclamation);
        },
        Qt::QueuedConnection);
    m_view->setFocus();
    m_view->redraw();

    const QByteArray iconPath = dataFile("SOUND/QUINTREL.ICO");
    QString iconProblem;
    QIcon icon = readIcon(iconPath, &iconProblem);
    if (icon.isNull()) {
        showMessage(tr("Quintrel cannot start: its window icon \"%1\" is missing or is not an icon "
                       "file (%2).\n\nReinstall Quintrel so that the folder \"SOUND\" beside the "
                       "program holds QUINTREL.ICO again.")
                        .arg(displayPath(iconPath), iconProblem),
                    QString::fromLatin1(GameTitle), MessageIcon::Critical);
        m_exitCode = 1;
        return false;
    }
    // On a screen with more pixels, the icon's sizes drawn at twice the size join the 1x ones. A
    // missing or damaged file of them leaves the 1x icon alone.
    if (devicePixelRatioF() > 1) {
        const QIcon doubled = readIcon(doubleSizeIconPath(iconPath));
        for (const QSize &size : doubled.availableSizes()) {
            QPixmap pixmap = doubled.pixmap(size);
            pixmap.setDevicePixelRatio(2);
            icon.addPixmap(pixmap);
        }
    }
    setWindowIcon(icon);

    m_snipSound = readSoundImage(dataFile("SOUND/SNIP1.WAV"));
    m_clickSound = readSoundImage(dataFile("SOUND/CLICK.WAV"));

    m_firstDealArmed = true;
    return true;
}

void BoardWindow::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menu_bar"));
    // The board below the menu bar needs 522 of the 541 pixels inside the frame.
    bar->setFixedHeight(FrameMetrics::MenuBarHeight);

    QMenu *file = bar->addMenu(tr("&File", "menu bar"));
    file->setObjectName(QStringLiteral("mnu_file"));
    addEntry(file, "mnu_new", tr("&New Game", "File menu"), [this] { newGame(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnu_sep1"));
    addEntry(file, "mnu_save", tr("&Save Current Game", "File menu"), [this] { saveGame(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnu_sep2"));
    addEntry(file, "mnu_load", tr("&Load Saved Game", "File menu"), [this] { loadSavedGame(); });
    file->addSeparator()->setObjectName(QStringLiteral("mnu_sep3"));
    addEntry(file, "mnu_exit", tr("E&xit", "File menu"), [this] { close(); });

    QMenu *help = bar->addMenu(tr("&Help", "menu bar"));
    help->setObjectName(QStringLiteral("mnu_help"));
    addEntry(help, "mnu_rules", tr("&Rules", "Help menu"), [this] { showRules(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnu_sep4"));
    addEntry(help, "mnu_example", tr("&Example", "Help menu"), [this] { showExample(); });
    help->addSeparator()->setObjectName(QStringLiteral("mnu_sep5"));
    addEntry(help, "mnu_about", tr("&About...", "Help menu"), [this] { showAbout(); });
}

void BoardWindow::addEntry(QMenu *menu, const char *name, const QString &caption, std::function<void()> command)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // Queued, so that the menu has closed and its own event loop has ended before the command runs.
    connect(action, &QAction::triggered, this, std::move(command), Qt::QueuedConnection);
}

TileWidget *BoardWindow::tile(int position) const { return m_view->tile(position); }

SpinHandle *BoardWindow::spinHandle(int position) const { return m_view->spinHandle(position); }

bool BoardWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate: {
        const bool handled = QMainWindow::event(event);
        onActivated();
        return handled;
    }
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked:
        m_player.hold(event->type() == QEvent::WindowBlocked);
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void BoardWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A desktop without a window manager never activates the window: the first deal then starts
    // two pauses after the first showing all the same. An activation before then deals at once,
    // in place of these steps.
    if (m_firstDealArmed && !isBusy())
        m_player.play({PauseStep, PauseStep}, [this] {
            if (isVisible())
                onActivated();
        });
}

void BoardWindow::onActivated()
{
    // Only the first activation deals; every later one (after a message box, the win window or
    // the help window) does nothing.
    if (!m_firstDealArmed)
        return;
    m_firstDealArmed = false;
    newGame();
}

void BoardWindow::showAfterPause()
{
    m_player.play({PauseStep}, [this] {
        show();
        activateWindow();
    });
}

// A deal, a swap and a rebuild play their steps from the step player, and events come in between.
// What they do while steps remain is decided here, in one place:
// - clicks, keys and a screen reader's actions on tiles and handles do nothing (the game refuses
//   moves while it has steps left), so that a move never acts on an unfinished one;
// - New Game and Load Saved Game replace the running sequence with their own;
// - Save writes the game as the board will hold it (during a rebuild, the game being laid out);
// - Exit and the close box stop the sequence at once: no picture and no sound after them;
// - while a modal window is up (a message box, the win window, the help window or the example
//   viewer), the sequence holds: a pause that ends then keeps the next step waiting until the
//   window has closed, so that nothing moves or sounds on the board behind it. A step itself never
//   waits for one: it opens the win window without waiting, and a card picture's message comes
//   once the step is over.
void BoardWindow::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    m_player.stop();
    stopSound();
    event->accept();
    emit closed();
}

void BoardWindow::onTileClicked(int position)
{
    if (m_closing)
        return;
    TileClick click = m_game.clickTile(position);
    m_view->redraw();
    if (!click.steps.empty())
        m_player.play(std::move(click.steps));
}

void BoardWindow::onSpinHandleClicked(int position)
{
    if (!m_closing)
        present(m_game.turn(position));
}

void BoardWindow::newGame()
{
    if (!m_closing)
        m_player.play(m_game.newGame());
}

void BoardWindow::present(const Change &change)
{
    m_view->redraw();
    playSound(change.sound);
    // The board takes no input until the player has closed it.
    if (change.won)
        openModal<WinWindow>();
}

void BoardWindow::playSound(Sound sound)
{
    const QByteArray *image = sound == Sound::Snip ? &m_snipSound : sound == Sound::Click ? &m_clickSound : nullptr;
    if (!image)
        return;
    playWave(*image);
    emit soundPlayed(*image);
}

void BoardWindow::saveGame()
{
    if (m_closing)
        return;
    // An installed copy saves into the player's data folder, which the first save makes.
    SaveOutcome outcome;
    if (makeSaveFolder(&outcome.reason))
        outcome = saveBoard(saveFolder(), m_game.boardToSave(), m_game.savedArrangement());
    if (outcome.status == SaveOutcome::Status::Saved) {
        showGameMessage(tr("Your game has been saved"), MessageIcon::Information);
        return;
    }
    showGameMessage((outcome.hadSavedGame
                         ? tr("Your game could not be saved: %1.\n\nThe saved game you had before is unchanged.")
                         : tr("Your game could not be saved: %1."))
                        .arg(outcome.reason),
                    MessageIcon::Exclamation);
}

void BoardWindow::loadSavedGame()
{
    if (m_closing)
        return;
    // Nothing changes until the whole saved game has been read and checked.
    const LoadOutcome outcome = readSavedGame(saveFolder(), m_game.savedArrangement());
    if (outcome.status == LoadOutcome::Status::NoSavedGame) {
        showGameMessage(tr("There are no saved games"), MessageIcon::Exclamation);
        return;
    }
    if (outcome.status == LoadOutcome::Status::Refused) {
        showGameMessage(tr("The saved game could not be loaded: %1.\n\nYour game is unchanged.").arg(outcome.reason),
                        MessageIcon::Exclamation);
        return;
    }

    // Every picture is read before the board is touched: a saved game that cannot be shown whole is
    // not laid out, and the game in progress stays.
    for (int p = 1; p <= PositionCount; ++p) {
        QString failure;
        if (m_view->cardPicture(outcome.arrangement[p].placement(), &failure).isNull()) {
            showGameMessage(tr("%1\n\nThe saved game was not laid out, and your game is unchanged; reinstall "
                               "Quintrel to get the picture back.")
                                .arg(failure),
                            MessageIcon::Exclamation);
            return;
        }
    }
    m_game.setSavedArrangement(outcome.arrangement);
    m_player.play(m_game.rebuild());
}

void BoardWindow::showRules() { showModal<HelpWindow>(HelpMode::Rules); }

void BoardWindow::showExample() { showExampleViewer(); }

void BoardWindow::showAbout() { showModal<HelpWindow>(HelpMode::About); }

} // namespace quintrel
