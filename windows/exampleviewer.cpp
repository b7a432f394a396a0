// The example viewer: the example picture at its natural size, scrolled up and down by a bar.
#include "windows/exampleviewer.h"

#include "platform/desktop.h"
#include "platform/programfolder.h"
#include "platform/windowsizing.h"
#include "platform/filereading.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quintrel {

ExampleViewer::ExampleViewer(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ScrollerForm"));
    setWindowTitle(QStringLiteral("Example - Quintrel"));
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));
    setFixedSize(ClientWidth, ClientHeight);

    picOuter = new QFrame(this);
    picOuter->setObjectName(QStringLiteral("picOuter"));
    picOuter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picOuter->setLineWidth(2);
    m_viewport = new QWidget(picOuter);
    picInner = new QLabel(m_viewport);
    picInner->setObjectName(QStringLiteral("picInner"));
    picInner->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    vbarScroller = new QScrollBar(Qt::Vertical, this);
    vbarScroller->setObjectName(QStringLiteral("vbarScroller"));
    // The picture follows the thumb while it is dragged as well as after every change.
    connect(vbarScroller, &QScrollBar::valueChanged, this, [this](int position) { vbarScroller_Change(-position); });
    connect(vbarScroller, &QScrollBar::sliderMoved, this, [this](int position) { vbarScroller_Change(-position); });

    m_pictureLoaded = Form_Load();
}

bool ExampleViewer::Form_Load()
{
    using namespace FrameMetrics;
    centreOnScreen(this, QSize(ClientWidth + 2 * FixedFrameWidth, ClientHeight + ToolCaptionHeight + 2 * FixedFrameWidth));

    const QString path = programFile(QStringLiteral("SOUND/example.gif"));
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        reportUnreadableFile(path);
        return false;
    }
    picInner->setPixmap(QPixmap::fromImage(picture));
    picInner->resize(picture.size());

    // The border's share of picOuter's height is the same whatever its size.
    const int border = 2 * picOuter->frameWidth();
    const int neededHeight = border + picInner->height();
    int width = ClientWidth;
    const int height = ClientHeight;
    const bool scrollBarNeeded = neededHeight > height;
    if (scrollBarNeeded)
        width -= ScrollBarWidth;
    picOuter->setGeometry(0, 0, width, height);
    m_viewport->setGeometry(picOuter->contentsRect());
    if (scrollBarNeeded) {
        vbarScroller->setGeometry(width, 0, ScrollBarWidth, height);
        vbarScroller->show();
    } else {
        vbarScroller->hide();
    }
    SetupScrollBar();
    return true;
}

void ExampleViewer::SetupScrollBar()
{
    const int viewport = viewportHeight();
    // Counted in int: a picture tens of thousands of pixels taller than the viewport still fits.
    m_scrollMaximum = viewport - picInner->height();
    // The bar counts downwards from 0 as the picture's top goes up, so it runs 0 .. -maximum.
    vbarScroller->setRange(0, std::max(0, -m_scrollMaximum));
    vbarScroller->setPageStep(viewport);
    vbarScroller->setSingleStep(static_cast<int>(std::lround(viewport / 5.0)));
}

int ExampleViewer::scrollValue() const
{
    return -vbarScroller->value();
}

int ExampleViewer::viewportHeight() const
{
    return m_viewport->height();
}

void ExampleViewer::vbarScroller_Change(int value)
{
    picInner->move(0, value);
}

void ExampleViewer::keyPressEvent(QKeyEvent *event)
{
    const auto act = [this](QAbstractSlider::SliderAction action) {
        if (!vbarScroller->isHidden())
            vbarScroller->triggerAction(action);
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
    if (!vbarScroller->isHidden())
        QCoreApplication::sendEvent(vbarScroller, event);
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
