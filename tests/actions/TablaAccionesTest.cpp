#include "AccionesFixture.h"

#include "platform/pvapi/cCOrigen.h"
#include "platform/ui/AvisoNoDisponible.h"
#include "platform/ui/ErrorReporting.h"
#include "platform/ui/RunHandler.h"
#include "platform/vb/VbError.h"

#include <functional>

// Every record kind of New, Properties and Delete: the owner's member with
// its arguments (the caller's own variables where they go by reference),
// the pointer and the window while it runs and after it, and no lock.

namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::Eq;
using ::testing::InvokeWithoutArgs;
using ::testing::IsNull;
using ::testing::Ref;
using ::testing::Return;

enum class Accion { Nuevo, Editar, Eliminar };

using Sonda = std::function<void()>;
// Sets the one expected call on the fixture's doubles; the call runs `sonda`.
using Esperar = std::function<void(AccionesTest&, const Sonda&)>;

enum class Ventana { Habilitada, Deshabilitada };

struct Caso {
    Accion accion;
    const char* caption;
    // Null: the command is not part of this installation yet and says so.
    Esperar esperar;
    ui::MousePointer durante = ui::vbHourglass;
    Ventana ventana = Ventana::Habilitada;
};

const char* Nombre(Accion accion)
{
    switch (accion) {
    case Accion::Nuevo:
        return "Nuevo";
    case Accion::Editar:
        return "Editar";
    case Accion::Eliminar:
        return "Eliminar";
    }
    return "";
}

void Ejecutar(AccionesTest& f, Accion accion, const QString& caption)
{
    QString strTextSelect = caption;
    switch (accion) {
    case Accion::Nuevo:
        f.acciones.Nuevo(strTextSelect, f.strTextDescription);
        break;
    case Accion::Editar:
        f.acciones.Editar(strTextSelect, f.lngID, f.strTextDescription);
        break;
    case Accion::Eliminar:
        f.acciones.Eliminar(strTextSelect, f.lngID, f.strTextDescription);
        break;
    }
}

// Matchers for the shared objects: the very objects, not copies.
auto conLocal(AccionesTest& f) { return Ref(f.app.den.conLocal); }
auto conConta(AccionesTest& f) { return Ref(f.app.den.conContabilidad); }
auto info(AccionesTest& f) { return Ref(*f.app.gobjInfoConfig); }
auto config(AccionesTest& f) { return Ref(f.ventana.estado.mobjConfigContab); }
auto id(AccionesTest& f) { return Ref(f.lngID); }
auto desc(AccionesTest& f) { return Ref(f.strTextDescription); }
auto empresa() { return Eq(AccionesTest::kEmpresaSeleccionada); }
auto titulo() { return Eq(App::Title()); }

using F = AccionesTest;

Esperar NuevoEpigrafe(qint32 documento, qint32 naturaleza)
{
    return [documento, naturaleza](F& f, const Sonda& s) {
        EXPECT_CALL(*f.contabilidad, NuevoEpigrafe(config(f), Ref(f.ventana.arbol), conConta(f), empresa(),
                                                   Eq(documento), Eq(naturaleza), _))
            .WillOnce(InvokeWithoutArgs(s));
    };
}
using S = const Sonda&;
constexpr auto kD = Ventana::Deshabilitada;

const QList<Caso>& Casos()
{
    static const QList<Caso> casos = {
        // ---------------------------------------------------------------- New
        {Accion::Nuevo, "Solicitudes",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, nuevasolicitud(conLocal(f), info(f), desc(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Libros",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, nuevolibro(conLocal(f), info(f), desc(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Partidas",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, nuevapartida(conLocal(f), info(f), desc(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Bancos",
         [](F& f, S s) { EXPECT_CALL(*f.bancos, NuevoBanco(conLocal(f), titulo())).WillOnce(InvokeWithoutArgs(s)); },
         ui::vbDefault},
        {Accion::Nuevo, "Donantes",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, NuevoDonante(conLocal(f), conConta(f), Eq(PVAPI::cCOrigen::CARITATIVO), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Instituciones",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, NuevaInstitucion(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Presentadores",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, NuevoPresentador(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Tipos de Vodidazaz",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, NuevoTipoDonativo(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Remesas",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, GenerarRemesa(conLocal(f), conConta(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Recibos por caja",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, GenerarReciboCaja(conLocal(f), conConta(f), info(f)))
                 .WillOnce(DoAll(InvokeWithoutArgs(s), Return(addins::ColeccionRecibos{})));
         }},
        {Accion::Nuevo, "Municipios",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, NuevoMunicipio(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Provincias",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, NuevaProvincia(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Padrón",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, NuevoEmpadronado(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Colaboradores",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, NuevoColaborador(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Cargos",
         [](F& f, S s) { EXPECT_CALL(*f.gestPar, NuevoCargo(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s)); }},
        {Accion::Nuevo, "Actividades",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, NuevaActividad(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Bandeja de entrada",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, NuevoMensaje(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Bandeja de salida",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, NuevoMensaje(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Elementos enviados",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, NuevoMensaje(conLocal(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Asientos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, NuevoAsiento(config(f), conConta(f), empresa()))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Asientos predefinidos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, NuevoAsientoPredefinido(config(f), conConta(f), empresa()))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Presupuesto",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, NuevoPresupuesto(config(f), conConta(f), empresa()))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "Cuentas",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, NuevaCuenta(config(f), conConta(f), empresa(), _))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Nuevo, "SubCuentas",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, NuevaSubcuenta(config(f), conConta(f), empresa(), _))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        // A new heading of the structure tree, with its document and nature.
        {Accion::Nuevo, "Activo", NuevoEpigrafe(1, 1)},
        {Accion::Nuevo, "Pasivo", NuevoEpigrafe(1, 2)},
        {Accion::Nuevo, "Debe", NuevoEpigrafe(2, 3)},
        {Accion::Nuevo, "Haber", NuevoEpigrafe(2, 4)},
        {Accion::Nuevo, "Grupos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, NuevoGrupo(config(f), conConta(f))).WillOnce(InvokeWithoutArgs(s));
         }},

        // --------------------------------------------------------- Properties
        {Accion::Editar, "Solicitudes",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, PropiedadesSolicitudes(conLocal(f), id(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Partidas",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, PropiedadesPartida(conLocal(f), id(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Libros",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, PropiedadesLibro(conLocal(f), id(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Bancos",
         [](F& f, S s) {
             EXPECT_CALL(*f.bancos, EditaBanco(conLocal(f), id(f), titulo(), _, Eq(false)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbDefault},
        {Accion::Editar, "Donantes",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz,
                         EditaDonante(conLocal(f), conConta(f), Eq(PVAPI::cCOrigen::CARITATIVO), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Instituciones",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, EditaInstitucion(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Presentadores",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EditaPresentador(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Tipos de Vodidazaz",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EditaTipoDonativo(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Remesas",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EditaRecibosRemesa(conLocal(f), conConta(f), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Municipios",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, EditaMunicipio(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Provincias",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, EditaProvincia(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Colaboradores",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EditaColaborador(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Padrón",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EditaEmpadronado(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Cargos",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EditaCargo(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Actividades",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EditaActividad(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Bandeja de entrada",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, PropiedadesMensaje(id(f), conLocal(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Bandeja de salida",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, PropiedadesMensaje(id(f), conLocal(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Elementos enviados",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, PropiedadesMensaje(id(f), conLocal(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Empresas",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EditaEmpresa(config(f), conConta(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Asientos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EditarAsiento(config(f), conConta(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Asientos predefinidos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EditarAsientoPredefinido(config(f), conConta(f), id(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Presupuesto",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EditarPresupuesto(config(f), conConta(f), id(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Editar, "Grupos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EditarGrupo(config(f), conConta(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},

        // ------------------------------------------------------------- Delete
        {Accion::Eliminar, "Solicitudes",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminarSolicitud(conLocal(f), id(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Partidas",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminarPartida(conLocal(f), id(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Libros",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminarLibro(conLocal(f), id(f), info(f), desc(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Donantes",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EliminaDonante(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Presentadores",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EliminaPresentador(conLocal(f), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Tipos de Vodidazaz",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EliminaTipoDonativo(conLocal(f), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Remesas",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EliminaRemesa(conLocal(f), conConta(f), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Recibos por caja",
         [](F& f, S s) {
             EXPECT_CALL(*f.vodidazaz, EliminaRecibosCaja(conLocal(f), conConta(f), id(f), info(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Municipios",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, EliminaMunicipio(conLocal(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Provincias",
         [](F& f, S s) {
             EXPECT_CALL(*f.registros, EliminaProvincia(conLocal(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Padrón",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminaEmpadronado(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Colaboradores",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminaColaborador(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Cargos",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminaCargo(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Actividades",
         [](F& f, S s) {
             EXPECT_CALL(*f.gestPar, EliminaActividad(conLocal(f), id(f), info(f))).WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Bandeja de entrada",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, EliminarMensaje(conLocal(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Eliminar, "Bandeja de salida",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, EliminarMensaje(conLocal(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Eliminar, "Elementos enviados",
         [](F& f, S s) {
             EXPECT_CALL(*f.mensajeria, EliminarMensaje(conLocal(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},
        {Accion::Eliminar, "Empresas",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminaEmpresa(config(f), conConta(f), id(f), Eq(false)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Asientos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminarAsiento(config(f), conConta(f), id(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Asientos predefinidos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminarAsientoPredefinido(config(f), conConta(f), id(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Presupuesto",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminarPresupuesto(config(f), conConta(f), id(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Cuentas",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminarCuenta(config(f), conConta(f), empresa(), id(f), IsNull()))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "SubCuentas",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminarSubcuenta(config(f), conConta(f), empresa(), id(f)))
                 .WillOnce(InvokeWithoutArgs(s));
         },
         ui::vbHourglass, kD},
        {Accion::Eliminar, "Grupos",
         [](F& f, S s) {
             EXPECT_CALL(*f.contabilidad, EliminarGrupo(config(f), conConta(f), id(f))).WillOnce(InvokeWithoutArgs(s));
         }},
    };
    return casos;
}

class TablaAccionesTest : public AccionesTest, public ::testing::WithParamInterface<Caso> {};

TEST_P(TablaAccionesTest, LlamaAlDuenoConSusArgumentosYDevuelveLaVentana)
{
    const Caso& caso = GetParam();
    bool llamado = false;
    ui::MousePointer punteroDurante = ui::vbDefault;
    bool habilitadaDurante = true;
    if (caso.esperar) {
        caso.esperar(*this, [&] {
            llamado = true;
            punteroDurante = pantalla().mousePointer();
            habilitadaDurante = ventana.habilitada;
        });
    } else {
        pantalla().queueAnswer(ui::vbOK);
    }

    Ejecutar(*this, caso.accion, QString::fromUtf8(caso.caption));

    if (caso.esperar) {
        EXPECT_TRUE(llamado);
        EXPECT_EQ(punteroDurante, caso.durante);
        EXPECT_EQ(habilitadaDurante, caso.ventana == Ventana::Habilitada);
        EXPECT_TRUE(pantalla().messages().isEmpty());
    } else {
        EXPECT_EQ(pantalla().lastMessage().text, ui::TextoNoDisponible());
    }
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
    EXPECT_TRUE(ventana.habilitada);
    const QStringList marco = caso.ventana == Ventana::Deshabilitada
                                  ? QStringList{QStringLiteral("Habilitar(False)"), QStringLiteral("Habilitar(True)"),
                                                QStringLiteral("TraerAlFrente")}
                                  : QStringList{};
    EXPECT_EQ(ventana.llamadas, marco);
    EXPECT_EQ(lngID, 57);
    EXPECT_EQ(strTextDescription, QStringLiteral("LibrosBautismo"));
    EXPECT_FALSE(HayArchivoBloqueos());
}

std::string NombreCaso(const ::testing::TestParamInfo<Caso>& info)
{
    std::string nombre = Nombre(info.param.accion);
    nombre += '_';
    for (const QChar c : QString::fromUtf8(info.param.caption)) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            nombre += char(c.unicode());
    }
    return nombre;
}

INSTANTIATE_TEST_SUITE_P(Acciones, TablaAccionesTest, ::testing::ValuesIn(Casos().begin(), Casos().end()),
                         NombreCaso);

// ------------------------------------------------------------------------

// Captions that are no kind of the command, or differ from one in letter
// case or accent, call nothing (the mocks are strict), say nothing, and
// leave pointer and window alone.
TEST_F(AccionesTest, UnTituloQueNoEsDeLaAccionNoHaceNada)
{
    const QList<QPair<Accion, const char*>> casos = {
        {Accion::Nuevo, "Empresas"},         {Accion::Nuevo, "Contabilidad"},     {Accion::Nuevo, "Padron"},
        {Accion::Nuevo, "padrón"},           {Accion::Nuevo, "Informes"},         {Accion::Nuevo, ""},
        {Accion::Editar, "Recibos por caja"}, {Accion::Editar, "Cuentas"},        {Accion::Editar, "SubCuentas"},
        {Accion::Editar, "Activo"},          {Accion::Editar, "Haber"},           {Accion::Editar, "BANCOS"},
        {Accion::Eliminar, "Activo"},        {Accion::Eliminar, "Pasivo"},        {Accion::Eliminar, "Debe"},
        {Accion::Eliminar, "Haber"},         {Accion::Eliminar, "Contabilidad"},  {Accion::Eliminar, "Donantes "},
    };
    for (const auto& [accion, caption] : casos) {
        SCOPED_TRACE(std::string(Nombre(accion)) + " " + caption);
        Ejecutar(*this, accion, QString::fromUtf8(caption));
    }
    EXPECT_TRUE(pantalla().messages().isEmpty());
    EXPECT_TRUE(pantalla().pointerHistory().isEmpty());
    EXPECT_TRUE(ventana.llamadas.isEmpty());
    EXPECT_FALSE(HayArchivoBloqueos());
}

// An add-in that raises: the window is enabled again and the pointer is the
// default one before the error reaches the handler, which reports it.
TEST_F(AccionesTest, UnErrorDelComplementoDevuelveVentanaYPunteroYSeInforma)
{
    const vb::VbError error(3022, QStringLiteral("Registro duplicado"));
    EXPECT_CALL(*gestPar, EliminaEmpadronado).WillOnce(::testing::Throw(error));
    EXPECT_CALL(*vodidazaz, NuevoDonante).WillOnce(::testing::Throw(error));
    EXPECT_CALL(*bancos, EditaBanco).WillOnce(::testing::Throw(error));
    QString padron = QStringLiteral("Padrón");
    QString donantes = QStringLiteral("Donantes");
    QString bancosNodo = QStringLiteral("Bancos");

    EXPECT_THROW(acciones.Eliminar(padron, lngID, strTextDescription), vb::VbError);
    EXPECT_TRUE(ventana.habilitada);
    EXPECT_EQ(ventana.llamadas.last(), QStringLiteral("TraerAlFrente"));
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);

    EXPECT_THROW(acciones.Nuevo(donantes, strTextDescription), vb::VbError);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);

    // Through the handler wrapper of the window, as a command runs.
    pantalla().queueAnswer(ui::vbOK);
    EXPECT_FALSE(ui::RunHandler("mnuArchivoPropiedades_Click", "frmPrincipal", "NorviaParvanta2000",
                                [&] { acciones.Editar(bancosNodo, lngID, strTextDescription); }));
    EXPECT_TRUE(pantalla().lastMessage().text.contains(QStringLiteral("Registro duplicado")));
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
    EXPECT_TRUE(ventana.habilitada);
}

// Cash receipts just created go to the printer (receipts 4 and 5 are not
// in this database: the print says that it found none); none created,
// nothing printed, nothing said.
TEST_F(AccionesTest, LosRecibosCreadosVanALaImpresora)
{
    QString recibos = QStringLiteral("Recibos por caja");
    EXPECT_CALL(*vodidazaz, GenerarReciboCaja)
        .WillOnce(Return(addins::ColeccionRecibos{4, 5}))
        .WillOnce(Return(addins::ColeccionRecibos{}));
    pantalla().queueAnswer(ui::vbOK);

    acciones.Nuevo(recibos, strTextDescription);
    ASSERT_EQ(pantalla().messages().size(), 1);
    EXPECT_EQ(pantalla().lastMessage().text, QStringLiteral("¡No se ha encontrado ningún registro!"));

    acciones.Nuevo(recibos, strTextDescription);
    EXPECT_EQ(pantalla().messages().size(), 1);
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

// An add-in that is not installed has no object: its command says that it
// is not available instead of failing.
TEST_F(AccionesTest, SinElComplementoLaOrdenNoEstaDisponible)
{
    app.gobjGestPar.reset();
    QString solicitudes = QStringLiteral("Solicitudes");
    pantalla().queueAnswer(ui::vbOK);

    acciones.Eliminar(solicitudes, lngID, strTextDescription);

    EXPECT_EQ(pantalla().lastMessage().text, ui::TextoNoDisponible());
    EXPECT_TRUE(ventana.llamadas.isEmpty());
    EXPECT_EQ(pantalla().mousePointer(), ui::vbDefault);
}

} // namespace
