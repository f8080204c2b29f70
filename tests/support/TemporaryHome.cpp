#include "TemporaryHome.h"

#include <QtGlobal>

TemporaryHome::TemporaryHome()
    : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
    , m_oldDataHome(qgetenv("XDG_DATA_HOME"))
{
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    qputenv("XDG_DATA_HOME", dataHome().toUtf8());
}

TemporaryHome::~TemporaryHome()
{
    qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    qputenv("XDG_DATA_HOME", m_oldDataHome);
}
