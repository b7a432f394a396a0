// The win window: a banner, applause and an OK button, shown modally when the puzzle is solved.
#pragma once

#include <QDialog>

class QPainter;
class QPushButton;

namespace quintrel {

class WinWindow : public QDialog {
    Q_OBJECT
public:
    WinWindow();
    QPushButton *okButton() const { return m_ok; }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTranslatedWords(QPainter &painter);
    QPushButton *m_ok;
    bool m_applauded = false;
};

} // namespace quintrel
