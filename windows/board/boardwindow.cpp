// The board window: set-up, tiles and spin handles, menus, and the moves that pause.
#include "windows/board/boardwindow.h"

#include "app/platform.h"
#include "app/services.h"
#include "app/sound.h"
#include "app/splashwindow.h"
#include "app/winwindow.h"
#include "game/solutions.h"
#include "savegame/savedgame.h"
#include "windows/board/tiles.h"
#include "windows/help/helpwindows.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QMenuBar>
#include <QTimer>

namespace quintrel {

namespace {

constexpr float StepPause = 0.15f; // seconds between the steps of a deal, a swap and a rebuild
constexpr int FirstDealFallbackMs = 300;

const char LargeFontsMessage[] =
    "Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. "
    "Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, "
    "then click on the APPLY button.";

QString cardPicturePath(int16_t card, int16_t orientation)
{
    return QString::fromStdString(CardPicturePath(ProgramFolder().toStdString(), card, orientation));
}

// Reads a card picture; a null pixmap and the reason when it cannot be read.
QPixmap readCardPicture(const QString &path, QString *reason)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        if (reason)
            *reason = reader.errorString();
        return {};
    }
    return QPixmap::fromImage(image);
}

} // namespace

frm_brd::frm_brd()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_brd"));
    setWindowTitle(QStringLiteral("Quintrel"));
}

frm_brd::~frm_brd()
{
    delete m_splash.data();
}

frm_splash *frm_brd::takeSplash()
{
    frm_splash *splash = m_splash.data();
    m_splash = nullptr;
    return splash;
}

bool frm_brd::Form_Load()
{
    createMenus();
    SizeWindowToClient(this, 521, 540, false);

    // The display check. Making the splash window here mirrors the order of the start-up: the
    // splash is set up, still hidden, before the board is laid out.
    m_splash = new frm_splash();
    if (IsLargeFontDensity(DisplayDensity())) {
        ShowMessage(QString::fromLatin1(LargeFontsMessage), QString::fromLatin1(ApplicationTitle), MessageIcon::None);
        m_exitCode = 0;
        return false;
    }

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    for (int p = 1; p <= PositionCount; ++p) {
        auto *tile = new TileWidget(static_cast<int16_t>(p), client);
        tile->move(TilePitch * PositionColumn(p), TilePitch * PositionRow(p));
        connect(tile, &TileWidget::clicked, this, &frm_brd::img_tile_Click);
        m_tiles[p - 1] = tile;
    }
    const QCursor hand = HandCursor();
    for (int p = 1; p <= PositionCount; ++p) {
        auto *handle = new SpinHandle(static_cast<int16_t>(p), hand, client);
        handle->move(SpinHandleOffset + TilePitch * PositionColumn(p), SpinHandleOffset + TilePitch * PositionRow(p));
        connect(handle, &SpinHandle::dropped, this, &frm_brd::img_spin_DragDrop);
        m_handles[p - 1] = handle;
    }
    for (SpinHandle *handle : m_handles)
        handle->raise();

    const QString iconPath = ProgramFile(QStringLiteral("SOUND/QUINTREL.ICO"));
    QImageReader iconReader(iconPath);
    if (iconReader.read().isNull()) {
        ShowMessage(QStringLiteral("Quintrel cannot start: its window icon \"%1\" is missing or is not an icon "
                                   "file (%2).\n\nReinstall Quintrel so that the folder \"SOUND\" beside the "
                                   "program holds QUINTREL.ICO again.")
                        .arg(iconPath, iconReader.errorString()),
                    QStringLiteral("Quintrel"), MessageIcon::Critical);
        m_exitCode = 1;
        return false;
    }
    setWindowIcon(QIcon(iconPath));

    ReadTextFile(ProgramFile(QStringLiteral("SOUND/SNIP1.WAV")), snipSound);
    ReadTextFile(ProgramFile(QStringLiteral("SOUND/CLICK.WAV")), clickSound);

    firstActivation = True16;
    return true;
}

void frm_brd::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menu_bar"));
    // The board below the menu bar needs 522 of the 541 pixels inside the frame.
    bar->setFixedHeight(FrameMetrics::MenuBarHeight);

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnu_file"));
    addEntry(file, "mnu_new", QStringLiteral("&New Game"), &frm_brd::mnu_new_Click);
    addSeparator(file, "mnu_sep1");
    addEntry(file, "mnu_save", QStringLiteral("&Save Current Game"), &frm_brd::mnu_save_Click);
    addSeparator(file, "mnu_sep2");
    addEntry(file, "mnu_load", QStringLiteral("&Load Saved Game"), &frm_brd::mnu_load_Click);
    addSeparator(file, "mnu_sep3");
    addEntry(file, "mnu_exit", QStringLiteral("E&xit"), &frm_brd::mnu_exit_Click);

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnu_help"));
    addEntry(help, "mnu_rules", QStringLiteral("&Rules"), &frm_brd::mnu_rules_Click);
    addSeparator(help, "mnu_sep4");
    addEntry(help, "mnu_example", QStringLiteral("&Example"), &frm_brd::mnu_example_Click);
    addSeparator(help, "mnu_sep5");
    addEntry(help, "mnu_about", QStringLiteral("&About..."), &frm_brd::mnu_about_Click);
}

QAction *frm_brd::addEntry(QMenu *menu, const char *name, const QString &caption, void (frm_brd::*handler)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    // Queued, so that the menu has closed and its own event loop has ended before the command runs.
    connect(action, &QAction::triggered, this, handler, Qt::QueuedConnection);
    return action;
}

void frm_brd::addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

TileWidget *frm_brd::tile(int position) const
{
    return m_tiles.at(static_cast<std::size_t>(position - 1));
}

SpinHandle *frm_brd::spinHandle(int position) const
{
    return m_handles.at(static_cast<std::size_t>(position - 1));
}

bool frm_brd::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        const bool handled = QMainWindow::event(event);
        Form_Activate();
        return handled;
    }
    return QMainWindow::event(event);
}

void frm_brd::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // A desktop without a window manager never activates the window: the first deal then starts
    // shortly after the first showing all the same.
    if (firstActivation == True16 && !m_firstDealStarted)
        QTimer::singleShot(FirstDealFallbackMs, this, [this] {
            if (isVisible())
                Form_Activate();
        });
}

void frm_brd::Form_Activate()
{
    // Only the first activation deals; the flag of its own keeps an activation that arrives
    // during the first deal's pauses from dealing again.
    if (firstActivation != True16 || m_firstDealStarted)
        return;
    m_firstDealStarted = true;
    NewGame();
    firstActivation = False16;
}

void frm_brd::closeEvent(QCloseEvent *event)
{
    // Closing ends the program at once: the sequence in progress stops at the pause it is in,
    // and nothing more is shown or heard.
    m_closing = true;
    StopSound();
    AbortWaits();
    event->accept();
    emit closed();
}

// A deal, a swap and a saved-game rebuild pause between their steps while events keep coming.
// Input during a running sequence is decided here, in one place:
// - clicks on tiles and spin handles are ignored, so a move never acts on an unfinished one;
// - New Game and Load Saved Game supersede the running sequence: it stops at its next step and
//   the new one then runs from here (never nested inside the old one's pause);
// - Save writes the board as it stands in the model; Exit and the close box end everything.
void frm_brd::runSequence(Sequence sequence)
{
    if (m_closing)
        return;
    if (m_busy) {
        m_pending = std::move(sequence);
        AbortWaits();
        return;
    }
    m_busy = true;
    while (sequence && !m_closing) {
        m_pending = nullptr;
        sequence();
        sequence = std::move(m_pending);
    }
    m_pending = nullptr;
    m_busy = false;
}

bool frm_brd::superseded() const
{
    return m_closing || m_pending;
}

void frm_brd::showCardPicture(int position, int16_t card, int16_t orientation)
{
    const QString path = cardPicturePath(card, orientation);
    QString reason;
    const QPixmap picture = readCardPicture(path, &reason);
    tile(position)->setPicture(picture);
    if (picture.isNull()) {
        ShowMessage(QStringLiteral("The card picture \"%1\" could not be loaded (%2).\n\nThe tile stays empty; "
                                   "reinstall Quintrel to get the picture back.")
                        .arg(path, reason),
                    QStringLiteral("Quintrel"), MessageIcon::Exclamation);
    }
}

void frm_brd::pauseAfterStep()
{
    // The step's pictures and borders go on the screen now, before the pause begins, so that the
    // player sees each step for the whole pause (the first card of a deal would otherwise wait for
    // the window's first full paint and show for a few milliseconds less than the others).
    // Only what the step changed is painted: the window's pending update, delivered now.
    if (isVisible())
        QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
    WaitSeconds(StepPause);
}

void frm_brd::playSound(const QByteArray &image)
{
    PlayWave(image);
    emit soundPlayed(image);
}

void frm_brd::NewGame()
{
    runSequence([this] { dealSteps(); });
}

void frm_brd::dealSteps()
{
    for (TileWidget *t : m_tiles)
        t->setBorderStyle(0);
    for (TileWidget *t : m_tiles)
        t->setPicture(QPixmap());
    SetStartPosition(Board);
    gameWon = False16;
    tileSelected = 0;
    selectedTile = 0;

    for (int p = 1; p <= PositionCount; ++p) {
        showCardPicture(p, StartCard(p), 1);
        if (m_closing)
            return;
        playSound(snipSound);
        if (p < PositionCount) {
            pauseAfterStep();
            if (superseded())
                return;
        }
    }
}

void frm_brd::img_tile_Click(int16_t index)
{
    if (m_busy || m_closing)
        return;
    if (gameWon == True16)
        return;
    TileWidget *clicked = tile(index);
    if (clicked->borderStyle() == 1) {
        clicked->setBorderStyle(0);
        tileSelected = 0;
        selectedTile = 0;
        m_buffer = QPixmap();
    } else if (tileSelected == 0) {
        clicked->setBorderStyle(1);
        tileSelected = 1;
        selectedTile = index;
        m_buffer = clicked->picture();
    } else if (tileSelected == 1) {
        const int16_t selected = selectedTile;
        runSequence([this, selected, index] { swapSteps(selected, index); });
    }
}

void frm_brd::swapSteps(int16_t selected, int16_t clicked)
{
    TileWidget *s = tile(selected);
    TileWidget *p = tile(clicked);
    p->setBorderStyle(1);
    pauseAfterStep();
    if (superseded())
        return;
    s->setBorderStyle(0);
    p->setBorderStyle(0);
    s->setPicture(p->picture());
    p->setPicture(m_buffer);
    playSound(snipSound);
    SwapCells(Board, clicked, selected);
    tileSelected = 0;
    selectedTile = 0;
    GameWin();
}

void frm_brd::img_spin_DragDrop(int16_t index)
{
    if (m_busy || m_closing)
        return;
    if (gameWon == True16)
        return;
    RotateTile(index);
    GameWin();
}

void frm_brd::RotateTile(int16_t position)
{
    for (int q = 1; q <= PositionCount; ++q) {
        if (tile(q)->borderStyle() == 1) {
            tile(q)->setBorderStyle(0);
            tileSelected = 0;
            selectedTile = 0;
            m_buffer = QPixmap();
        }
    }
    Cell &cell = Board[position];
    cell.orientation = NextOrientation(cell.orientation);
    showCardPicture(position, cell.card, cell.orientation);
    playSound(clickSound);
}

void frm_brd::GameWin()
{
    if (MatchingSolution(Board) == 0)
        return;
    gameWon = True16;
    ShowWinWindow();
}

void frm_brd::mnu_new_Click()
{
    NewGame();
}

void frm_brd::mnu_save_Click()
{
    if (m_closing)
        return;
    const SaveOutcome outcome = SaveBoard(ProgramFolder(), Board);
    switch (outcome.status) {
    case SaveOutcome::Status::Saved:
        ShowMessage(QStringLiteral("Your game has been saved"), QStringLiteral("Quintrel"), MessageIcon::Information);
        break;
    case SaveOutcome::Status::NotAttempted:
        break;
    case SaveOutcome::Status::Failed:
        ShowMessage(QStringLiteral("Your game could not be saved: %1.\n\nThe saved game you had before is unchanged.")
                        .arg(outcome.reason),
                    QStringLiteral("Quintrel"), MessageIcon::Exclamation);
        break;
    }
}

void frm_brd::mnu_load_Click()
{
    if (m_closing)
        return;
    // Read into a copy, so that a damaged file changes nothing at all.
    BoardCells candidate = Board;
    const LoadOutcome outcome = ReadSavedGame(ProgramFolder(), candidate);
    if (outcome.status == LoadOutcome::Status::NoSavedGame) {
        ShowMessage(QStringLiteral("There are no saved games"), QStringLiteral("Quintrel"), MessageIcon::Exclamation);
        return;
    }
    if (outcome.status != LoadOutcome::Status::Loaded)
        return;

    // Every picture is read before the board is touched: a saved game whose values name no card
    // picture is refused whole instead of leaving tiles and cells out of step.
    std::array<QPixmap, PositionCount> pictures;
    if (!readSavedPictures(candidate, pictures))
        return;
    for (int p = 1; p <= PositionCount; ++p) {
        Board[p].savedCard = candidate[p].savedCard;
        Board[p].savedOrientation = candidate[p].savedOrientation;
    }
    LoadSavedGame();
}

bool frm_brd::readSavedPictures(const BoardCells &board, std::array<QPixmap, PositionCount> &pictures)
{
    for (int p = 1; p <= PositionCount; ++p) {
        const QString path = cardPicturePath(board[p].savedCard, board[p].savedOrientation);
        QString reason;
        pictures[p - 1] = readCardPicture(path, &reason);
        if (pictures[p - 1].isNull()) {
            ShowMessage(QStringLiteral("The saved game could not be loaded: for position %1 it names card %2 in "
                                       "orientation %3, and there is no such card picture (\"%4\").\n\nYour game "
                                       "is unchanged.")
                            .arg(p)
                            .arg(board[p].savedCard)
                            .arg(board[p].savedOrientation)
                            .arg(path),
                        QStringLiteral("Quintrel"), MessageIcon::Exclamation);
            return false;
        }
    }
    return true;
}

void frm_brd::LoadSavedGame()
{
    std::array<QPixmap, PositionCount> pictures;
    if (!readSavedPictures(Board, pictures))
        return;
    runSequence([this, pictures] { rebuildSteps(pictures); });
}

void frm_brd::rebuildSteps(std::array<QPixmap, PositionCount> pictures)
{
    for (TileWidget *t : m_tiles)
        t->setBorderStyle(0);
    for (TileWidget *t : m_tiles)
        t->setPicture(QPixmap());
    gameWon = False16;
    tileSelected = 0;
    selectedTile = 0;

    for (int p = 1; p <= PositionCount; ++p) {
        tile(p)->setPicture(pictures[p - 1]);
        playSound(snipSound);
        pauseAfterStep();
        if (superseded())
            return;
    }
    for (int p = 1; p <= PositionCount; ++p) {
        Board[p].card = Board[p].savedCard;
        Board[p].orientation = Board[p].savedOrientation;
    }
}

void frm_brd::mnu_exit_Click()
{
    close();
}

void frm_brd::mnu_rules_Click()
{
    helpMode = 0;
    ShowHelpWindow();
}

void frm_brd::mnu_example_Click()
{
    ShowExampleWindow();
}

void frm_brd::mnu_about_Click()
{
    helpMode = 1;
    ShowHelpWindow();
}

} // namespace quintrel
