#pragma once

#include "ScopedEnvironment.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Points XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_STATE_HOME and XDG_CACHE_HOME at a fresh temporary
// folder for the life of a test, so that nothing reads or writes the user's real settings, rates,
// crash reports or cached files.
class TemporaryHome {
public:
    TemporaryHome();

    QString path() const { return m_dir.path(); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/config"); }
    QString dataHome() const { return m_dir.path() + QStringLiteral("/data"); }
    QString stateHome() const { return m_dir.path() + QStringLiteral("/state"); }
    QString cacheHome() const { return m_dir.path() + QStringLiteral("/cache"); }

private:
    QTemporaryDir m_dir;
    ScopedEnvironment m_configHome;
    ScopedEnvironment m_dataHome;
    ScopedEnvironment m_stateHome;
    ScopedEnvironment m_cacheHome;
};

// A test fixture with its own temporary home.
class TemporaryHomeTest : public ::testing::Test {
protected:
    TemporaryHome home;
};
