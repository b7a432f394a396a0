// The splash window: the title picture and an OK button, shown once at start.
#pragma once

#include <QDialog>

class QPushButton;

namespace quintrel {

class frm_splash : public QDialog {
    Q_OBJECT
public:
    frm_splash();
    QPushButton *startButton() const { return m_start; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void btn_start_Click();

    QPushButton *m_start;
};

} // namespace quintrel
