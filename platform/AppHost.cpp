#include "platform/AppHost.h"

#include "platform/Forms.h"

namespace platform {

bool TAppHost::notify(QObject* Receiver, QEvent* Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::exception& error) {
        Application().HandleException(error);
        return true;
    }
}

} // namespace platform
