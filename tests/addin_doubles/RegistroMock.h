#pragma once

#include "platform/addins/RegistroClase.h"

#include <QString>

#include <functional>
#include <memory>

namespace dobles {

// Makes the add-in's class name create mocks while this object lives, ahead
// of any installed library:
//
//     RegistroMock<NiceMock<MockVodidazaz>> vodidazaz([](MockVodidazaz& m) {
//         EXPECT_CALL(m, DatosSetup).WillOnce(Return(false));
//     });
//
// Every object the program creates by that name is a new mock, given to
// `preparar` before the program gets it; its expectations are checked when
// the program releases it. Expectations that span several objects (call
// order, a total count) go on a Sequence or counter the callback shares.
template <class Mock>
class RegistroMock {
public:
    using Preparar = std::function<void(Mock&)>;

    explicit RegistroMock(Preparar preparar = {})
        : m_estado(std::make_shared<Estado>(std::move(preparar)))
        , m_registro(QString::fromLatin1(Mock::NombreClase), [estado = m_estado] {
            auto mock = std::make_unique<Mock>();
            ++estado->creados;
            if (estado->preparar)
                estado->preparar(*mock);
            return mock;
        })
    {
    }

    // Objects made by the class name so far.
    int ObjetosCreados() const { return m_estado->creados; }

private:
    struct Estado {
        explicit Estado(Preparar p) : preparar(std::move(p)) {}
        Preparar preparar;
        int creados = 0;
    };

    // Shared with the factory, which the host may keep a copy of.
    std::shared_ptr<Estado> m_estado;
    addins::RegistroClase m_registro;
};

} // namespace dobles
