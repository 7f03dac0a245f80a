#ifndef HX_FUZZ_FINISHINPUT_H
#define HX_FUZZ_FINISHINPUT_H

#include <hx/system/systemui.h>

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>
#include <QtCore/QThreadPool>

namespace hx {
namespace fuzz {

// Lets what an input started run to its end before the next input (and the leak check after
// it): the background jobs finish and deliver, and every dialog left open is answered the way a
// user would (the confirm button, else the cancel button, else the first button) and let go.
inline void finishInput()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    using hx::system::SystemUi;
    using hx::system::SystemUiResult;
    for (const hx::system::SystemUiRecord &record : SystemUi::visible()) {
        if (!SystemUi::pressButton(record.serial, SystemUiResult::ConfirmButtonSelection)
            && !SystemUi::pressButton(record.serial, SystemUiResult::CancelButtonSelection))
            SystemUi::pressButton(record.serial, SystemUiResult::ButtonSelection);
    }
    SystemUi::clearHistory();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace fuzz
} // namespace hx

#endif
