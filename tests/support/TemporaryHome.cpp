#include "TemporaryHome.h"

TemporaryHome::TemporaryHome()
    : m_configHome("XDG_CONFIG_HOME", configHome().toUtf8())
    , m_dataHome("XDG_DATA_HOME", dataHome().toUtf8())
{
}
