#pragma once

#include <QString>

namespace PVAPI {

// A text held on its own, e.g. one filter cell kept while a list is rebuilt.
struct cAuxStringID {
    QString Nombre;
};

} // namespace PVAPI
