// boardwindow.h: the main window: nine tiles and spin handles over the game, the menus, and the
// timing of the steps of a deal, a swap and a rebuild.
#pragma once

#include "game/game.h"
#include "windows/stepplayer.h"

#include <QByteArray>
#include <QMainWindow>

#include <functional>

class QAction;
class QMenu;

namespace quintrel {

class BoardView;
class SpinHandle;
class TileWidget;

class BoardWindow : public QMainWindow {
    Q_OBJECT
public:
    BoardWindow();

    // The window's set-up: size, display check, tiles and handles, icon, move sounds. False when
    // the program must end here (a large-font display, a missing icon); exitCode() then says with
    // which status.
    bool setUp();
    int exitCode() const { return m_exitCode; }

    const Game &game() const { return m_game; }
    TileWidget *tile(int position) const;
    SpinHandle *spinHandle(int position) const;

    // True while a deal, a swap or a rebuild has steps or a pause left.
    bool isBusy() const { return m_player.isPlaying(); }
    // Plays the steps of every deal, swap and rebuild; a test gives it a clock of its own.
    StepPlayer &stepPlayer() { return m_player; }

    // Shows the window after the pause that follows the splash; its first activation deals.
    void showAfterPause();

public slots:
    void newGame();
    void saveGame();
    void loadSavedGame();
    void showRules();
    void showExample();
    void showAbout();
    void onTileClicked(int position);
    void onSpinHandleClicked(int position);

signals:
    // A move's or a step's sound has been handed to the player.
    void soundPlayed(const QByteArray &image);
    // The board window has closed: the program ends.
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onActivated();
    void createMenus();
    void addEntry(QMenu *menu, const char *name, const QString &caption, std::function<void()> command);

    // Shows what a move or a step did: the tiles redrawn, its sound, and on a win the win window.
    void present(const Change &change);
    void playSound(Sound sound);

    Game m_game;
    QByteArray m_snipSound;
    QByteArray m_clickSound;
    BoardView *m_view = nullptr;
    StepPlayer m_player;

    bool m_firstDealArmed = false;
    bool m_closing = false;
    int m_exitCode = 0;
};

} // namespace quintrel
