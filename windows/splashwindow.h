// The splash window: the title picture and an OK button, shown once at start.
#pragma once

#include "windows/artpicture.h"

#include <QDialog>

class QPushButton;

namespace quintrel {

class SplashWindow : public QDialog {
    Q_OBJECT
public:
    SplashWindow();
    QPushButton *startButton() const { return m_start; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPushButton *m_start;
    // The title picture with its words in the player's language.
    ArtPicture m_title;
};

} // namespace quintrel
