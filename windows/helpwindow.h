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

    const HelpMode m_mode;
    bool m_activatedSinceShown = false;
    bool m_appliedOnShow = false; // without an activation, right after showing
    // The activation last went to another program or to a message box, not to one of the game's windows.
    bool m_leftForOutside = false;
    bool m_linkPressed = false;
};

} // namespace quintrel
