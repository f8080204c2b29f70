#include "TemporaryHome.h"

TemporaryHome::TemporaryHome()
    : m_configHome("XDG_CONFIG_HOME", configHome().toUtf8())
    , m_dataHome("XDG_DATA_HOME", dataHome().toUtf8())
    , m_stateHome("XDG_STATE_HOME", stateHome().toUtf8())
    , m_cacheHome("XDG_CACHE_HOME", cacheHome().toUtf8())
{
}
