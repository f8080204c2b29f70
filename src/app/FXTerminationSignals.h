#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the program the orderly way when the system asks it to (SIGTERM, SIGINT, SIGHUP at logout):
// the event loop quits, so the window's frame and the last amount are saved as on Quit.
// One per process, made by main().
class FXTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit FXTerminationSignals(QObject *parent = nullptr);
    ~FXTerminationSignals() override;

private:
    QSocketNotifier *m_notifier = nullptr;
};
