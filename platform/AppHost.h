#pragma once
// The Qt application the program runs on. An exception escaping an event handler (a key press, a
// paint, a menu command) is shown by the application's error box and the event loop goes on, as the
// platform does for every command; Qt itself cannot carry exceptions through its event loop.

#include <QApplication>

namespace platform {

class TAppHost : public QApplication {
    Q_OBJECT
public:
    TAppHost(int& Argc, char** Argv) : QApplication(Argc, Argv) {}
    bool notify(QObject* Receiver, QEvent* Event) override;
};

} // namespace platform
