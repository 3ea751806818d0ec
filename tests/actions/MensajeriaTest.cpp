#include "AccionesFixture.h"

#include "platform/pvapi/cCOperacion.h"
#include "platform/vb/VbError.h"

// The messaging commands: the add-in's member with the message id and the
// operation code where each goes; the pointer is never touched.

namespace {

using ::testing::_;
using ::testing::Eq;
using ::testing::Ref;

TEST_F(AccionesTest, OrdenesDeMensajeria)
{
    db::Connection& con = app.den.conLocal;
    {
        ::testing::InSequence orden;
        EXPECT_CALL(*mensajeria, ReenviarMensaje(Ref(lngID), Ref(con), Ref(*app.gobjInfoConfig)));
        EXPECT_CALL(*mensajeria, EnviarRecibirMensajes(Ref(con), Eq(quint8(PVAPI::cCOperacion::ENVIAR))));
        EXPECT_CALL(*mensajeria, ImportarMensaje(Ref(con), Eq(PVAPI::cCOperacion::importar)));
        EXPECT_CALL(*mensajeria, ExportarMensaje(Ref(con), Eq(PVAPI::cCOperacion::EXPORTAR), Ref(lngID)));
        EXPECT_CALL(*mensajeria, ConexionServidor(Ref(con), Eq(PVAPI::cCOperacion::CONEXION),
                                                  Eq(App::Title() + QStringLiteral(" - Administrador"))));
        EXPECT_CALL(*mensajeria, AsistenteCuentasCorreo(Ref(con)));
    }

    acciones.ReenviarMensaje(lngID);
    acciones.EnviarRecibirMensajes(PVAPI::cCOperacion::ENVIAR);
    acciones.ImportarMensaje(PVAPI::cCOperacion::importar);
    acciones.ExportarMensaje(PVAPI::cCOperacion::EXPORTAR, lngID);
    acciones.ConexionServidor();
    acciones.AsistenteCuentasCorreo();

    EXPECT_TRUE(pantalla().pointerHistory().isEmpty());
}

// The exchange takes its code as a byte: a code outside it is an overflow,
// never another code.
TEST_F(AccionesTest, UnCodigoQueNoCabeEnUnByteEsDesbordamiento)
{
    for (const qint16 codigo : {qint16(256), qint16(-1)}) {
        try {
            acciones.EnviarRecibirMensajes(codigo);
            ADD_FAILURE() << codigo;
        } catch (const vb::VbError& error) {
            EXPECT_EQ(error.number(), vb::ErrOverflow);
        }
    }
}

} // namespace
