// The board window: the nine tiles and spin handles, the menus, and the sequences that pause.
#pragma once

#include "game/board.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMenu;

namespace quintrel {

class TileWidget;
class SpinHandle;
class frm_splash;

class frm_brd : public QMainWindow {
    Q_OBJECT
public:
    frm_brd();
    ~frm_brd() override;

    // The window's set-up. False when the program must end here (a large-font display, a missing
    // icon); exitCode() then says with which status.
    bool Form_Load();
    int exitCode() const { return m_exitCode; }

    // The splash window made during the set-up; the program entry shows it once and lets it go.
    frm_splash *takeSplash();

    // What the player does; the tests and the menus call these.
    void img_tile_Click(int16_t index);
    void img_spin_DragDrop(int16_t index);
    void mnu_new_Click();
    void mnu_save_Click();
    void mnu_load_Click();
    void mnu_exit_Click();
    void mnu_rules_Click();
    void mnu_example_Click();
    void mnu_about_Click();

    void NewGame();
    void RotateTile(int16_t position);
    void GameWin();
    void LoadSavedGame();

    TileWidget *tile(int position) const;
    SpinHandle *spinHandle(int position) const;
    const QPixmap &bufferPicture() const { return m_buffer; }
    // True while a deal, a swap or a saved-game rebuild is between its steps.
    bool isBusy() const { return m_busy; }
    bool isClosing() const { return m_closing; }

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
    void Form_Activate();
    void createMenus();
    QAction *addEntry(QMenu *menu, const char *name, const QString &caption, void (frm_brd::*handler)());
    void addSeparator(QMenu *menu, const char *name);

    // Loads the picture of (card, orientation) into tile p; a picture that cannot be loaded is
    // named to the player and leaves the tile empty.
    void showCardPicture(int position, int16_t card, int16_t orientation);

    void playSound(const QByteArray &image);
    // Shows the step just taken at once, then waits the pause between steps.
    void pauseAfterStep();

    using Sequence = std::function<void()>;
    void runSequence(Sequence sequence);
    bool superseded() const;
    void dealSteps();
    void swapSteps(int16_t selected, int16_t clicked);
    void rebuildSteps(std::array<QPixmap, PositionCount> pictures);
    // Reads the pictures that the saved fields name; tells the player and returns false when one
    // cannot be read.
    bool readSavedPictures(const BoardCells &board, std::array<QPixmap, PositionCount> &pictures);

    std::array<TileWidget *, PositionCount> m_tiles{};
    std::array<SpinHandle *, PositionCount> m_handles{};
    QPixmap m_buffer; // img_buffer: the selected tile's picture until the swap takes it
    QPointer<frm_splash> m_splash;

    bool m_busy = false;
    Sequence m_pending;
    bool m_closing = false;
    bool m_firstDealStarted = false;
    int m_exitCode = 0;
};

} // namespace quintrel
