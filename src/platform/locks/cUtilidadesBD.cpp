#include "platform/locks/cUtilidadesBD.h"

#include "platform/os/Paths.h"
#include "platform/locks/LockSession.h"

namespace PVAPI {

bool cUtilidadesBD::blnComprobarAccesoExclusivo(const QString& strDataSource, db::Connection&)
{
    const QString path = os::NormalizeSeparators(strDataSource);
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    return LockSession::ForFolder(folder)->otherLiveSessions() == 0;
}

} // namespace PVAPI
