#pragma once

#include "FXRefreshOccasion.h"

#include <QObject>

// The computer waking from sleep, as logind announces it on the system bus
// (org.freedesktop.login1.Manager's PrepareForSleep with false). Where there is no system bus
// (a container, CI) it never calls and says nothing.
class FXSystemWake : public QObject, public FXRefreshOccasion {
    Q_OBJECT

public:
    void watch(std::function<void()> happened) override;

private slots:
    void prepareForSleep(bool sleeping);

private:
    std::function<void()> m_happened;
};
