// exampleviewer.h: the example picture at its natural size, scrolled up and down by a bar.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QScrollBar;

namespace quintrel {

class ExampleViewer : public QDialog {
    Q_OBJECT

public:
    // Sets the window up and loads the picture; when that cannot be read, or there is not memory
    // enough to show it, the player is told which file it was and why, and isPictureLoaded() is
    // false.
    explicit ExampleViewer(QWidget *parent = nullptr);

    bool isPictureLoaded() const { return m_pictureLoaded; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool loadPicture();
    void setUpScrollBar();
    void movePictureTo(int top);

    QFrame *m_frame = nullptr;
    QWidget *m_viewport = nullptr; // the frame's inside, which clips the picture
    QLabel *m_picture = nullptr;
    QScrollBar *m_scrollBar = nullptr;
    bool m_pictureLoaded = false;
};

// Creates the example viewer afresh and shows it modally. When the example picture cannot be read
// the player is told which file it was and the viewer does not open.
void showExampleViewer();

} // namespace quintrel
