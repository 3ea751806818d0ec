#pragma once

#include <QString>

namespace PVAPI {

// Passwords of the parish ("Duzediv.mdb") and report ("Informes.mdb")
// databases. They are fixed: databases made by one build must open in another.
class cCPassword {
public:
    static QString PASSWORD_NORVIAPARVANTA() { return QStringLiteral("NvP2000#Parroquia"); }
    static QString PASSWORD_INFORMES() { return QStringLiteral("NvP2000#Informes"); }
};

} // namespace PVAPI
