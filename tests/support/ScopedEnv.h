#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

namespace testsupport {

// Sets (or, with nullopt, unsets) an environment variable for the scope and
// puts back what was there before.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<QByteArray> value) : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_previous = qgetenv(name);
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_previous)
            qputenv(m_name, *m_previous);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_previous;
};

} // namespace testsupport
