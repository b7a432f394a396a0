// Opening the help window and the example viewer from the board.
#include "windows/help/helpwindows.h"

#include "windows/help/frm_help.h"
#include "windows/help/scrollerform.h"

#include <QPointer>

namespace quintrel {

// Both windows are made without an owner and on the heap: whatever closes or deletes windows while
// one of them runs its modal loop, the pointer learns of it and nothing is deleted twice.

void ShowHelpWindow()
{
    QPointer<frm_help> window = new frm_help;
    window->exec();
    delete window.data();
}

void ShowExampleWindow()
{
    QPointer<ScrollerForm> window = new ScrollerForm;
    if (window && window->isPictureLoaded())
        window->exec();
    delete window.data();
}

} // namespace quintrel
