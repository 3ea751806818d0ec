#pragma once

#include "addin_doubles/GrabadoraLlamadas.h"
#include "platform/addins/RegistroClase.h"

#include <memory>

namespace dobles {

// Makes the add-in's class name create doubles for the lifetime of this
// object: `RegistroDoble<DobleVodidazaz> vodidazaz;` and the program's
// CrearObjeto("PVVodidazaz.cVodidazaz") gets a new DobleVodidazaz. Every
// double made shares this one recorder, so a test sees the calls made on
// objects the program created and released by itself.
template <class Doble>
class RegistroDoble {
public:
    explicit RegistroDoble(std::shared_ptr<GrabadoraLlamadas> grabadora = std::make_shared<GrabadoraLlamadas>())
        : m_grabadora(std::move(grabadora))
        , m_registro(QString::fromLatin1(Doble::NombreClase), [grabadora = m_grabadora] {
            grabadora->AnotarCreacion();
            return std::make_unique<Doble>(grabadora);
        })
    {
    }

    GrabadoraLlamadas& Grabadora() const { return *m_grabadora; }

private:
    std::shared_ptr<GrabadoraLlamadas> m_grabadora;
    addins::RegistroClase m_registro;
};

} // namespace dobles
