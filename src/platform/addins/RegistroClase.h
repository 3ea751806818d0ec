#pragma once

#include "platform/addins/HostComplementos.h"

#include <QString>

namespace addins {

// Makes a class creatable by name inside the process for the lifetime of
// this object, ahead of any library (tests register their doubles so). A
// later registration of the same name hides this one until it ends.
class RegistroClase {
public:
    RegistroClase(QString nombreClase, HostComplementos::Fabrica fabrica);
    ~RegistroClase();
    RegistroClase(const RegistroClase&) = delete;
    RegistroClase& operator=(const RegistroClase&) = delete;

private:
    QString m_nombreClase;
    quint64 m_id;
};

} // namespace addins
