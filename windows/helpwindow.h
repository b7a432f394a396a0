// The help window: the rules or the about text, the title picture or the maker's logo and link.
#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quintrel {

// The maker's home page, opened by the help window's link, and the name the link shows.
constexpr auto MakerWebAddress = "https://quintrel.example.org/";
constexpr auto MakerHostName = "quintrel.example.org";

// What the help window shows when it becomes active: the board's Rules or About command.
enum class HelpMode { Rules, About };

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(HelpMode mode, QWidget *parent = nullptr);

    // Gives the OK button the focus and shows the view that helpMode asks for (0 rules, 1 about,
    // anything else leaves the window as it is). Runs when the window becomes active after showing,
    // or right after showing where the window manager does not activate it.
    void Form_Activate();
    // 0 Rules, 5 About, 4 OK; other indexes do nothing.
    void btn_help_Click(int16_t Index);
    // Reads the document of that name in the program folder, afresh, into the text box.
    void DisplayHelp(const QString &AFile);

    static constexpr int ClientWidth = 440;
    static constexpr int ClientHeight = 280;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showRulesView();
    void showAboutView();
    void lbl_url_Click();

    QPlainTextEdit *txt_help = nullptr;
    QPushButton *btn_help_0 = nullptr;
    QPushButton *btn_help_4 = nullptr;
    QPushButton *btn_help_5 = nullptr;
    QLabel *img_help2 = nullptr;
    QLabel *img_logo = nullptr;
    QLabel *lbl_url = nullptr;

    // Activation re-applies helpMode once per showing; coming back from the link's message box or
    // from another program must not throw away the view the player switched to.
    HelpMode m_mode;
    bool m_activatedSinceShown = false;
    bool m_urlPressed = false;
};

// Creates the help window afresh, shows it modally (it shows the rules or the about text as the
// mode says when it becomes active) and returns when it has closed.
void showHelpWindow(HelpMode mode);

} // namespace quintrel
