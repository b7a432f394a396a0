// The example viewer: the example picture at its natural size, scrolled up and down by a bar.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QScrollBar;

namespace quintrel {

class ExampleViewer : public QDialog {
    Q_OBJECT

public:
    // Sets the window up and loads the picture; when that cannot be read the player is told which
    // file it was and isPictureLoaded() is false.
    explicit ExampleViewer(QWidget *parent = nullptr);

    bool isPictureLoaded() const { return m_pictureLoaded; }

    // The bar's range and steps from the viewport and picture heights.
    void SetupScrollBar();

    // The scroll position as the picture's top in the viewport: 0 at the top of the picture, down
    // to scrollMaximum() (viewport height - picture height, negative for a tall picture).
    int scrollValue() const;
    int scrollMaximum() const { return m_scrollMaximum; }
    int viewportHeight() const;

    static constexpr int ClientWidth = 349;
    static constexpr int ClientHeight = 316;
    static constexpr int ScrollBarWidth = 17;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool Form_Load();
    void vbarScroller_Change(int value);

    QFrame *picOuter = nullptr;
    QWidget *m_viewport = nullptr; // picOuter's inside, which clips the picture
    QLabel *picInner = nullptr;
    QScrollBar *vbarScroller = nullptr;
    int m_scrollMaximum = 0;
    bool m_pictureLoaded = false;
};

// Creates the example viewer afresh and shows it modally. When the example picture cannot be read
// the player is told which file it was and the viewer does not open.
void showExampleViewer();

} // namespace quintrel
