#pragma once

#include "platform/widgets/DialogoRegistroDefinicion.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace addins {

// Every record table of the stand-in add-ins, by a name for the messages of
// the checks that run over all of them (the dependent records' tables are
// reached through their owners).
class TablasRegistro {
public:
    static QList<QPair<QString, std::shared_ptr<const widgets::DefinicionRegistro>>> Todas();
};

} // namespace addins
