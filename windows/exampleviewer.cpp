// exampleviewer.cpp: the example viewer, its picture and the bar that scrolls it.
#include "windows/exampleviewer.h"

#include "platform/filereading.h"
#include "platform/scaledpicture.h"
#include "platform/windowsizing.h"
#include "windows/languagefile.h"
#include "windows/modalwindow.h"

#include <QCoreApplication>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quintrel {

namespace {

constexpr int ClientWidth = 349;
constexpr int ClientHeight = 316;
constexpr int ScrollBarWidth = 17;

} // namespace

ExampleViewer::ExampleViewer(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ScrollerForm"));
    setWindowTitle(tr("Example - Quintrel"));
    setWindowIcon(noWindowIcon());
    setFixedSize(ClientWidth, ClientHeight);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("picOuter"));
    m_frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_frame->setLineWidth(2);
    m_viewport = new QWidget(m_frame);
    m_picture = new QLabel(m_viewport);
    m_picture->setObjectName(QStringLiteral("picInner"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QStringLiteral("vbarScroller"));
    // The picture follows the thumb while it is dragged as well as after every change.
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int position) { movePictureTo(-position); });
    connect(m_scrollBar, &QScrollBar::sliderMoved, this, [this](int position) { movePictureTo(-position); });

    setAccessibleDescription(tr("A picture that shows how the cards fit, how a card turns and how two cards "
                                "change places. The arrow keys, Page Up and Page Down scroll it."));
    m_picture->setAccessibleName(tr("Example picture"));
    m_scrollBar->setAccessibleName(tr("Scrolls the example"));

    m_pictureLoaded = loadPicture();
}

bool ExampleViewer::loadPicture()
{
    using namespace FrameMetrics;
    centreOnScreen(this,
                   QSize(ClientWidth + 2 * FixedFrameWidth, ClientHeight + ToolCaptionHeight + 2 * FixedFrameWidth));

    const QByteArray path = dataFileInLanguage("SOUND/example.gif");
    PictureReading read = readPictureFile(path, ExamplePictureCap);
    if (read.outOfMemory) {
        reportPictureOutOfMemory(path, read.reason);
        return false;
    }
    if (read.image.isNull()) {
        reportUnreadableFile(path, read.reason);
        return false;
    }
    // Moved, so that the screen's copy takes the decoded pixels over where it can instead of
    // holding them twice.
    const QSize size = read.image.size();
    // On a screen with more pixels the 2x picture, when there is a good one, in the same place.
    QPixmap pixmap = readDoubleSizePicture(path, size, ExamplePictureCap, devicePixelRatioF());
    if (pixmap.isNull())
        pixmap = QPixmap::fromImage(std::move(read.image));
    if (pixmap.isNull()) {
        reportPictureOutOfMemory(path, notEnoughMemoryFor(size));
        return false;
    }
    m_picture->setPixmap(pixmap);
    m_picture->resize(size);

    // The border's share of the frame's height is the same whatever its size. A picture that fits
    // exactly gets no bar.
    const int neededHeight = 2 * m_frame->frameWidth() + m_picture->height();
    const bool scrollBarNeeded = neededHeight > ClientHeight;
    const int width = scrollBarNeeded ? ClientWidth - ScrollBarWidth : ClientWidth;
    m_frame->setGeometry(0, 0, width, ClientHeight);
    m_viewport->setGeometry(m_frame->contentsRect());
    if (scrollBarNeeded) {
        m_scrollBar->setGeometry(width, 0, ScrollBarWidth, ClientHeight);
        m_scrollBar->show();
    } else {
        m_scrollBar->hide();
    }
    setUpScrollBar();
    return true;
}

void ExampleViewer::setUpScrollBar()
{
    const int viewport = m_viewport->height();
    // The bar counts how far the picture has gone up, from 0 to where its bottom edge meets the
    // viewport's. Counted in int: a picture tens of thousands of pixels taller still fits.
    m_scrollBar->setRange(0, std::max(0, m_picture->height() - viewport));
    m_scrollBar->setPageStep(viewport);
    m_scrollBar->setSingleStep(static_cast<int>(std::lround(viewport / 5.0)));
}

void ExampleViewer::movePictureTo(int top) { m_picture->move(0, top); }

void ExampleViewer::keyPressEvent(QKeyEvent *event)
{
    const auto act = [this](QAbstractSlider::SliderAction action) {
        if (!m_scrollBar->isHidden())
            m_scrollBar->triggerAction(action);
    };
    switch (event->key()) {
    case Qt::Key_Up:
        act(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        act(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_PageUp:
        act(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        act(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        act(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        act(QAbstractSlider::SliderToMaximum);
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void ExampleViewer::wheelEvent(QWheelEvent *event)
{
    // Wheel turns over the picture scroll it as they would over the bar.
    if (!m_scrollBar->isHidden())
        QCoreApplication::sendEvent(m_scrollBar, event);
    else
        QDialog::wheelEvent(event);
}

void showExampleViewer()
{
    QPointer<ExampleViewer> window = new ExampleViewer;
    if (window && window->isPictureLoaded())
        window->exec();
    delete window.data();
}

} // namespace quintrel
