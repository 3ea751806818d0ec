#include "LocksHelperProcess.h"

namespace {

constexpr int AnswerTimeoutMs = 30000;

} // namespace

LocksHelperProcess::LocksHelperProcess()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(LOCKS_HELPER_PATH), {});
    m_process.waitForStarted(AnswerTimeoutMs);
}

LocksHelperProcess::~LocksHelperProcess()
{
    if (m_process.state() != QProcess::NotRunning)
        kill();
}

QString LocksHelperProcess::send(const QString& command)
{
    m_process.write((command + QLatin1Char('\n')).toUtf8());
    while (!m_process.canReadLine()) {
        if (m_process.state() != QProcess::Running || !m_process.waitForReadyRead(AnswerTimeoutMs))
            return QStringLiteral("sin respuesta");
    }
    return QString::fromUtf8(m_process.readLine()).trimmed();
}

void LocksHelperProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(AnswerTimeoutMs);
}

bool LocksHelperProcess::quit()
{
    const bool said = send(QStringLiteral("salir")) == u"adios";
    return m_process.waitForFinished(AnswerTimeoutMs) && said
        && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}
