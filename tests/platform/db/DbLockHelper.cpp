#include "DbLockHelper.h"

namespace {

constexpr int AnswerTimeoutMs = 30000;

} // namespace

DbLockHelper::DbLockHelper()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(DB_LOCK_HELPER_PATH), {});
    m_process.waitForStarted(AnswerTimeoutMs);
}

DbLockHelper::~DbLockHelper()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    send(QStringLiteral("salir"));
    if (!m_process.waitForFinished(AnswerTimeoutMs))
        m_process.kill();
}

bool DbLockHelper::holdRead(const QString& file) { return send(QStringLiteral("lectura ") + file) == u"ok"; }

bool DbLockHelper::holdWrite(const QString& file) { return send(QStringLiteral("escritura ") + file) == u"ok"; }

bool DbLockHelper::holdExclusive(const QString& file) { return send(QStringLiteral("exclusivo ") + file) == u"ok"; }

bool DbLockHelper::release() { return send(QStringLiteral("soltar")) == u"ok"; }

QString DbLockHelper::send(const QString& command)
{
    m_process.write((command + QLatin1Char('\n')).toUtf8());
    while (!m_process.canReadLine()) {
        if (m_process.state() != QProcess::Running || !m_process.waitForReadyRead(AnswerTimeoutMs))
            return QStringLiteral("sin respuesta");
    }
    return QString::fromUtf8(m_process.readLine()).trimmed();
}
