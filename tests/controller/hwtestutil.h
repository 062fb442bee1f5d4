#pragma once

// Small helpers shared by the controller tests.

#include "sthwconfig.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace Ky::Test {

// A cleared record, as the setup dialog creates it.
inline std::unique_ptr<ST_HwConfig> ClearedConfig()
{
    return std::unique_ptr<ST_HwConfig>(new ST_HwConfig()); // value-initialised: all zero
}

inline std::unique_ptr<ST_HwConfig> FreshConfig()
{
    auto config = ClearedConfig();
    InitHwConfig(*config);
    return config;
}

// A document with the given elements inside the root.
inline QByteArray Document(const QByteArray& body)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><BoxHwConfig>") + body
           + QByteArray("</BoxHwConfig>");
}

inline QByteArray Element(const char* name, const QByteArray& value)
{
    return QByteArray("<") + name + " Value=\"" + value + "\"/>";
}

// Switches the process time zone for the lifetime of the object.
class TimeZoneScope
{
public:
    explicit TimeZoneScope(const char* tz)
        : m_had(qEnvironmentVariableIsSet("TZ"))
        , m_old(qgetenv("TZ"))
    {
        qputenv("TZ", tz);
        tzset();
    }
    ~TimeZoneScope()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

} // namespace Ky::Test
