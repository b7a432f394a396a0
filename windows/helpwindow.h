// helpwindow.h: the rules or the about text, beside the title picture or the maker's logo and link.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quintrel {

// The maker's home page, opened by the help window's link, and the name the link shows.
constexpr auto MakerWebAddress = "https://quintrel.example.org/";
constexpr auto MakerHostName = "quintrel.example.org";

// What the help window shows whenever it becomes active: the board's Rules or About command.
enum class HelpMode { Rules, About };

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(HelpMode mode, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyMode();
    void showRulesView();
    void showAboutView();
    void displayDocument(const char *fileName);
    void openMakerPage();

    QPlainTextEdit *m_text = nullptr;
    QPushButton *m_rulesButton = nullptr;
    QPushButton *m_aboutButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QLabel *m_titlePicture = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_link = nullptr;

    // What the next activation comes back from, which decides whether it applies the mode.
    enum class NextActivation {
        First,             // the first since the window was shown: applies the mode
        FirstAfterApplied, // the first, late, after the mode was applied without one: keeps the view
        FromGameWindow,    // back from one of the game's windows: applies the mode
        FromOutside,       // back from another program or a message box: keeps the view
    };

    const HelpMode m_mode;
    NextActivation m_nextActivation = NextActivation::First;
    bool m_linkPressed = false;
};

} // namespace quintrel
