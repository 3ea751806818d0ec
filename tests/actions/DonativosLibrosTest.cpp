#include "AccionesFixture.h"

#include "platform/vb/VbError.h"

#include <functional>

// The commands handed whole to the donations and parish add-ins: the member
// with its arguments (by reference where the caller's variables go), and
// the pointer while the add-in works and after it.

namespace {

using ::testing::InvokeWithoutArgs;
using ::testing::Ref;

using F = AccionesTest;
using Sonda = std::function<void()>;

struct CasoOrden {
    const char* nombre;
    std::function<void(F&, const Sonda&)> esperar;
    std::function<void(F&)> ejecutar;
    ui::MousePointer durante = ui::vbHourglass;
    ui::MousePointer despues = ui::vbDefault;
};

auto conLocal(F& f) { return Ref(f.app.den.conLocal); }
auto info(F& f) { return Ref(*f.app.gobjInfoConfig); }
auto id(F& f) { return Ref(f.lngID); }
auto desc(F& f) { return Ref(f.strTextDescription); }

QString gSeleccion = QStringLiteral("Libros");

const QList<CasoOrden>& Casos()
{
    static const QList<CasoOrden> casos = {
        {"ModeloHacienda",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.vodidazaz, ModeloHacienda(conLocal(f), Ref(f.app.den.conInformes), info(f),
                                                      Ref(f.ventana.informe)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.ModeloHacienda(); }},
        {"ExportarTotales",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.vodidazaz, ExportarTotales(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.ExportarTotales(); }},
        {"GenerarCertificado",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.vodidazaz, GenerarCertificado(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.GenerarCertificado(); }},
        {"GenerarDisco",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.vodidazaz, GenerarDisco(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.GenerarDisco(f.lngID); }},
        {"ImportarSolicitudes",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.gestPar, ImportarSolicitudes(conLocal(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.ImportarSolicitudes(gSeleccion, f.strTextDescription); }, ui::vbHourglass,
         ui::vbHourglass},
        {"AntiguaPartida",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.gestPar, AntiguaPartida(conLocal(f), info(f), desc(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.AntiguaPartida(gSeleccion, f.strTextDescription); }},
        {"CerrarLibrosBautismo",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.gestPar, CerrarLiBautismo(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.CerrarLibrosBautismo(gSeleccion, f.lngID); }},
        {"CerrarLibrosConfirmacion",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.gestPar, CerrarLiConfirmacion(conLocal(f), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.CerrarLibrosConfirmacion(gSeleccion, f.lngID); }},
        {"CerrarLibrosMatrimonio",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.gestPar, CerrarLiMatrimonio(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.CerrarLibrosMatrimonio(gSeleccion, f.lngID); }},
        {"CerrarLibrosDefuncion",
         [](F& f, const Sonda& s) {
             EXPECT_CALL(*f.gestPar, CerrarLiDefuncion(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         [](F& f) { f.acciones.CerrarLibrosDefuncion(gSeleccion, f.lngID); }},
    };
    return casos;
}

TEST_F(AccionesTest, OrdenesDeDonativosYLibros)
{
    for (const CasoOrden& caso : Casos()) {
        SCOPED_TRACE(caso.nombre);
        pantalla().setMousePointer(ui::vbDefault);
        bool llamado = false;
        ui::MousePointer durante = ui::vbDefault;
        caso.esperar(*this, [&] {
            llamado = true;
            durante = pantalla().mousePointer();
        });

        caso.ejecutar(*this);

        EXPECT_TRUE(llamado);
        EXPECT_EQ(durante, caso.durante);
        EXPECT_EQ(pantalla().mousePointer(), caso.despues);
    }
    EXPECT_TRUE(ventana.llamadas.isEmpty());
    EXPECT_FALSE(HayArchivoBloqueos());
}

// The add-in's own dialog shows its pointer: annulling never touches it.
TEST_F(AccionesTest, AnularUnaPartidaNoTocaElPuntero)
{
    EXPECT_CALL(*gestPar, AnularPartidas(conLocal(*this), id(*this), info(*this), desc(*this)));

    acciones.AnularDesanularPartida(lngID, strTextDescription);

    EXPECT_TRUE(pantalla().pointerHistory().isEmpty());
}

// Passing requests into the books leaves the hourglass for the list reload
// that follows, but an error does not leave it on.
TEST_F(AccionesTest, PasarSolicitudesQueFallaDevuelveElPuntero)
{
    EXPECT_CALL(*gestPar, ImportarSolicitudes)
        .WillOnce(::testing::Throw(vb::VbError(3022, QStringLiteral("Registro duplicado"))));

    EXPECT_THROW(acciones.ImportarSolicitudes(gSeleccion, strTextDescription), vb::VbError);

    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

} // namespace
