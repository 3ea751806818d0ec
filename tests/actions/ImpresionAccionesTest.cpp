// The print commands as the window's record commands reach them: through
// the window's actions (`IAccionesRegistro`, `AccionesMenus`) to the action
// class's Imprimir* methods, which hand the main window's report control,
// its enabled state and the program's add-in to the printing. One table:
// each command reaches its add-in member with the row's key, and prints
// its template and title with the margins of its settings pair.

#include "AccionesFixture.h"

#include "addin_doubles/RegistroMock.h"
#include "core/AjustesUsuario.h"
#include "mainwindow/AccionesMenus.h"
#include "platform/pvapi/cCRegistry.h"
#include "platform/report/DobleControlInforme.h"
#include "printing/ExpedientesMatrimonio.h"

#include <functional>
#include <memory>

namespace {

using ::testing::_;
using ::testing::DoAll;
using ::testing::Eq;
using ::testing::Return;
using ::testing::SetArgReferee;
using ::testing::StrictMock;

// The window as the actions see it, with a report control that records.
class VentanaImpresion : public VentanaAccionesFalsa {
public:
    PVAPI::IControlInforme& crptInformes() override { return grabador; }
    dobles::DobleControlInforme grabador;
};

// Margins in twips of the two settings pairs the test stores: books and
// entries ("10" and "15" mm), every other document ("5" and "7,5" mm).
enum class Margenes { LibroPartida, Predeterminados };

class ImpresionAccionesTest : public AccionesTest {
public:
    ImpresionAccionesTest()
    {
        const AjustesUsuario ajustes{App::Title(), app.gobjInfoConfig->Usuario, app.gobjInfoConfig->idioma};
        const QString seccion = ajustes.Seccion(PVAPI::cCRegistry::DOCUMENTOS());
        ajustes.Guardar(seccion, PVAPI::cCRegistry::DOCUMENTOS_MARGENSUPERIOR(), QStringLiteral("10"));
        ajustes.Guardar(seccion, PVAPI::cCRegistry::DOCUMENTOS_MARGENIZQUIERDO(), QStringLiteral("15"));
        ajustes.Guardar(seccion, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_SUP(), QStringLiteral("5"));
        ajustes.Guardar(seccion, PVAPI::cCRegistry::DOCUMENTOS_PREDET_MARGEN_IZQ(), QStringLiteral("7,5"));
        for (const char* s :
             {"INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre, Nuevo) VALUES (5, 3, 'Quinto', True)",
              "INSERT INTO Bautismo (IDBautismo, CodLibro, Folio, Numero) VALUES (57, 5, 2, '9')",
              "INSERT INTO Institucion (IDInstitucion, Nombre, InstitucionTipo, InstitucionNombre) "
              "VALUES (3, 'San Juan', 'Parroquia', 'San Juan')",
              "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido) VALUES (1, 'Zoe', 'Abad')",
              "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, Descripcion) "
              "VALUES (1, 1, 3, 'Obras del templo')",
              "INSERT INTO Recibo (IDRecibo, CodDonativo, NumeroRecibo, Fecha, Importe, ImporteEur, PagoBanco) "
              "VALUES (100, 1, 'R-0100', '20240315', 4243, 25.5, False)"})
            app.den.conLocal.Execute(QString::fromUtf8(s));
    }

    // What an add-in member does for the guards: one row in a work table.
    std::function<void()> Escribir(const char* tabla, const char* columnas = "Orden", const char* valores = "1")
    {
        return [this, tabla, columnas, valores] {
            app.den.conInformes.Execute(
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(QString::fromLatin1(tabla), QString::fromLatin1(columnas), QString::fromUtf8(valores)));
        };
    }

    int FilasDocumentos()
    {
        int total = 0;
        for (const char* t : {"Documentos_Bautismo", "Documentos_Confirmacion", "Documentos_Matrimonio",
                              "Documentos_Matrimonio_Novios", "Documentos_Matrimonio_Novias",
                              "Documentos_Matrimonio_Otros", "Documentos_Defuncion", "Recibos"})
            total += int(app.den.conInformes.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(t))
                             .value(0)
                             .toInt64());
        return total;
    }

    VentanaImpresion ventanaImpresion;
    cIActionMenus accionesImpresion{app, &ventanaImpresion};
    AccionesMenus menus{[this]() -> cIActionMenus& { return accionesImpresion; }, ventanaImpresion};
};

// An add-in object the print makes of its own by class name (the signer,
// the exhortation, the notification without book), held while it runs.
using ObjetoPropio = std::shared_ptr<void>;

template <class Preparar>
ObjetoPropio GestParPropio(Preparar preparar)
{
    return std::make_shared<dobles::RegistroMock<StrictMock<dobles::MockGestPar>>>(
        [preparar](StrictMock<dobles::MockGestPar>& m) { preparar(m); });
}

struct CasoImpresion {
    const char* nombre;
    std::function<void(IAccionesRegistro&)> llamar;
    std::function<ObjetoPropio(ImpresionAccionesTest&)> esperar;
    const char* plantilla;
    const char* titulo;
    Margenes margenes;
    // The window is disabled while the add-in fills the tables.
    bool deshabilita;
};

void Imprimir(IAccionesRegistro& a, DocumentoRegistro documento, qint32 id, const char* descripcion)
{
    QString d = QString::fromLatin1(descripcion);
    a.Imprimir(documento, id, d);
}

const CasoImpresion kCasos[] = {
    {"Libro", [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::Libro, 5, "LibrosBautismo"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeLibroBautismo(_, _, Eq(5))).WillOnce(t.Escribir("Documentos_Bautismo"));
         return ObjetoPropio();
     },
     "infGP_bautismo.rpt", "Libro de bautismo", Margenes::LibroPartida, true},
    {"IndiceLibro", [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::IndiceLibro, 5, "LibrosMatrimonio"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeIndiceLibroMatrimonio(_, _, Eq(5)))
             .WillOnce(t.Escribir("Documentos_Matrimonio"));
         return ObjetoPropio();
     },
     "infGP_IndiceLibroMatrimonio.rpt", "Índice del libro de matrimonio", Margenes::Predeterminados, true},
    {"Partida", [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::Partida, 57, "PartidasBautismo"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformePartidaBautismo(_, _, Eq(57))).WillOnce(t.Escribir("Documentos_Bautismo"));
         return ObjetoPropio();
     },
     "infGP_Bautismo.rpt", "Partida de bautismo", Margenes::LibroPartida, true},
    {"Certificado", [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::Certificado, 57, "PartidasBautismo"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeCertificadoPartidaBautismo(_, _, Eq(57), Eq(QStringLiteral("D. Tomás")),
                                                                   Eq(QStringLiteral("Párroco"))))
             .WillOnce(t.Escribir("Documentos_Bautismo"));
         return GestParPropio([](dobles::MockGestPar& m) {
             EXPECT_CALL(m, selecencargado(_, Eq(QStringLiteral("Bautismo")), Eq(57), _))
                 .WillOnce(DoAll(SetArgReferee<3>(QStringLiteral("Párroco")), Return(QStringLiteral("D. Tomás"))));
         });
     },
     "infGP_Certificadobautismo.rpt", "Certificado de partida de bautismo", Margenes::Predeterminados, true},
    {"CertificadoLiteral",
     [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::CertificadoLiteral, 57, "PartidasMatrimonio"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeCertificadoLiteralPartidaMatrimonio(_, _, Eq(57)))
             .WillOnce(t.Escribir("Documentos_Matrimonio"));
         return ObjetoPropio();
     },
     "infGP_CertificadoLiteralMatrimonio.rpt", "Certificado literal de partida de matrimonio",
     Margenes::Predeterminados, true},
    {"Volante", [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::Volante, 57, "PartidasMatrimonio"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeVolanteMatrimonio(_, _, Eq(57))).WillOnce(t.Escribir("Documentos_Matrimonio"));
         return ObjetoPropio();
     },
     "infGP_VolanteMatr.rpt", "Volante de matrimonio", Margenes::Predeterminados, true},
    {"Notificacion",
     [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::Notificacion, 57, "PartidasConfirmacion"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeNotificacionConfirmacion(_, _, Eq(57)))
             .WillOnce(t.Escribir("Documentos_Confirmacion"));
         return ObjetoPropio();
     },
     "infGP_NotificacionConfirmacion.rpt", "Notificación de confirmación", Margenes::Predeterminados, true},
    {"SolicitudDatos",
     [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::SolicitudDatos, 57, "SolicitudesBautismo"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeSolicitudPartidaBautismoDatos(_, _, Eq(57)))
             .WillOnce(t.Escribir("Documentos_Bautismo"));
         return ObjetoPropio();
     },
     "infGP_SolicitudBautismoDatos.rpt", "Solicitud de partida de bautismo", Margenes::Predeterminados, true},
    {"ComunicacionMatrimonio",
     [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::ComunicacionMatrimonio, 57, "PartidasMatrimonio"); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeComunicacionMatrimonio(_, _, Eq(57)))
             .WillOnce(t.Escribir("Documentos_Matrimonio"));
         return ObjetoPropio();
     },
     "infGP_ComunicacionMatr.rpt", "Comunicación de matrimonio a la parroquia de bautismo",
     Margenes::Predeterminados, true},
    {"ExhortoAmonestaciones",
     [](IAccionesRegistro& a) { Imprimir(a, DocumentoRegistro::ExhortoAmonestaciones, 57, "SolicitudesMatrimonio"); },
     [](ImpresionAccionesTest& t) {
         const std::function<void()> escribir =
             t.Escribir("Documentos_Matrimonio", "Orden, ParroquiaResidenciaNovio", "1, ' --- '");
         return GestParPropio([escribir](dobles::MockGestPar& m) {
             EXPECT_CALL(m, InformeExhortoMatrimonio(_, _, Eq(57))).WillOnce(escribir);
         });
     },
     "infGP_ExhortoAmonestacionesMatrimonio.rpt", "Exhorto de amonestaciones", Margenes::Predeterminados, true},
    {"PartidaSinLibro", [](IAccionesRegistro& a) { a.ImprimirPartidaSinLibro(); },
     [](ImpresionAccionesTest& t) {
         const std::function<void()> escribir =
             t.Escribir("Documentos_Confirmacion", "Orden, InstitucionNombre", "1, 'San Juan'");
         return GestParPropio([escribir](dobles::MockGestPar& m) {
             EXPECT_CALL(m, ImprimirPartidaSinLibro).WillOnce(escribir);
         });
     },
     "infGP_NotificacionConfirmacion.rpt", "Notificación de confirmación", Margenes::Predeterminados, false},
    {"RecibosCaja", [](IAccionesRegistro& a) { a.ImprimirRecibosCaja(); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.vodidazaz, ImprimirRecibosCaja).WillOnce(Return(addins::ColeccionRecibos{100}));
         return ObjetoPropio();
     },
     "infDO_Recibo.rpt", "Recibos por caja", Margenes::Predeterminados, false},
    {"ExpedienteFormato3",
     [](IAccionesRegistro& a) { a.ImprimirExpediente(ExpedienteMatrimonio::Formato3, QStringLiteral("57")); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeExpedienteFormato3(_, _, Eq(QStringLiteral("57")), _, _, _))
             .WillOnce(DoAll(SetArgReferee<4>(true), t.Escribir("Documentos_Matrimonio")));
         return ObjetoPropio();
     },
     "infGP_ExpedienteMatrimonioFormato3.rpt", "Expediente matrimonial (formato 3)", Margenes::Predeterminados,
     false},
    {"ResumenMatrimonio2",
     [](IAccionesRegistro& a) { a.ImprimirExpediente(ExpedienteMatrimonio::Resumen2, QStringLiteral("57")); },
     [](ImpresionAccionesTest& t) {
         EXPECT_CALL(*t.gestPar, InformeResumenMatrimonio2(_, _, Eq(QStringLiteral("57"))))
             .WillOnce(t.Escribir("Documentos_Matrimonio"));
         return ObjetoPropio();
     },
     "infGP_allegato_V_2.rpt", "Resumen matrimonial (Allegato V) página 2", Margenes::Predeterminados, false},
};

class ImpresionAccionesTablaTest : public ImpresionAccionesTest,
                                   public ::testing::WithParamInterface<CasoImpresion> {};

TEST_P(ImpresionAccionesTablaTest, ReachesItsPrintWithTheKeyAndTheMarginsOfItsSettings)
{
    const CasoImpresion& caso = GetParam();
    {
        const ObjetoPropio propio = caso.esperar(*this);
        caso.llamar(menus);
    }
    const QList<dobles::ImpresionGrabada>& impresiones = ventanaImpresion.grabador.impresiones();
    ASSERT_EQ(impresiones.size(), 1);
    const dobles::ImpresionGrabada& p = impresiones[0];
    EXPECT_TRUE(p.plantilla.endsWith(QLatin1Char('/') + QString::fromUtf8(caso.plantilla))) << p.plantilla.toStdString();
    EXPECT_EQ(p.titulo, QString::fromUtf8(caso.titulo));
    if (caso.margenes == Margenes::LibroPartida) {
        EXPECT_EQ(p.margenSuperior, 567);
        EXPECT_EQ(p.margenIzquierdo, 850);
    } else {
        EXPECT_EQ(p.margenSuperior, 284);
        EXPECT_EQ(p.margenIzquierdo, 425);
    }
    EXPECT_EQ(ventanaImpresion.llamadas.contains(QStringLiteral("Habilitar(False)")), caso.deshabilita);
    EXPECT_TRUE(ventanaImpresion.habilitada);
    EXPECT_EQ(FilasDocumentos(), 0);
    EXPECT_TRUE(pantalla().messageTexts().isEmpty()) << pantalla().messageTexts().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Comandos, ImpresionAccionesTablaTest, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The receipts the donations add-in chooses are the ones printed; none
// chosen prints nothing and says nothing.
TEST_F(ImpresionAccionesTest, CashReceiptsPrintTheOnesTheAddInChose)
{
    EXPECT_CALL(*vodidazaz, ImprimirRecibosCaja).WillOnce(Return(addins::ColeccionRecibos{100}));
    menus.ImprimirRecibosCaja();
    ASSERT_EQ(ventanaImpresion.grabador.impresiones().size(), 1);
    EXPECT_EQ(ventanaImpresion.grabador.ultima().texto(QStringLiteral("Recibos"), 0, QStringLiteral("NumeroRecibo")),
              QStringLiteral("R-0100"));

    EXPECT_CALL(*vodidazaz, ImprimirRecibosCaja).WillOnce(Return(addins::ColeccionRecibos{}));
    menus.ImprimirRecibosCaja();
    EXPECT_EQ(ventanaImpresion.grabador.impresiones().size(), 1);
    EXPECT_TRUE(pantalla().messageTexts().isEmpty());
}

// The three marriage-file prints whose template follows the edition get the
// program's edition and their own document kind.
TEST_F(ImpresionAccionesTest, MarriageFilesOfTheEditionGetTheRequestKey)
{
    const QString aplicacion = app.gobjConstante().Aplicacion();
    const struct {
        ExpedienteMatrimonio expediente;
        expedientes::Documento documento;
    } casos[] = {{ExpedienteMatrimonio::Formato1, expedientes::Documento::Formato1},
                 {ExpedienteMatrimonio::Formato2, expedientes::Documento::Formato2},
                 {ExpedienteMatrimonio::Resumen, expedientes::Documento::Resumen1}};
    for (const auto& caso : casos) {
        if (!expedientes::Elegir(caso.documento, aplicacion).datos.isEmpty())
            GTEST_SKIP() << "this edition asks for the extra data";
    }
    EXPECT_CALL(*gestPar, InformeExpedienteFormato1(_, _, Eq(QStringLiteral("57"))))
        .WillOnce(Escribir("Documentos_Matrimonio"));
    EXPECT_CALL(*gestPar, InformeExpedienteFormato2(_, _, Eq(QStringLiteral("57"))))
        .WillOnce(Escribir("Documentos_Matrimonio"));
    EXPECT_CALL(*gestPar, InformeResumenMatrimonio(_, _, Eq(QStringLiteral("57"))))
        .WillOnce(Escribir("Documentos_Matrimonio"));
    for (const auto& caso : casos) {
        const expedientes::Eleccion e = expedientes::Elegir(caso.documento, aplicacion);
        menus.ImprimirExpediente(caso.expediente, QStringLiteral("57"));
        const QString plantilla = e.plantilla.mid(1); // without its leading "\\"
        EXPECT_TRUE(ventanaImpresion.grabador.ultima().plantilla.endsWith(QLatin1Char('/') + plantilla));
        EXPECT_EQ(ventanaImpresion.grabador.ultima().titulo, e.titulo);
    }
    EXPECT_EQ(ventanaImpresion.grabador.impresiones().size(), 3);
    EXPECT_EQ(FilasDocumentos(), 0);
}

// An empty row key prints nothing: the add-in is not even asked.
TEST_F(ImpresionAccionesTest, AMarriageFileWithoutAKeyDoesNothing)
{
    menus.ImprimirExpediente(ExpedienteMatrimonio::Formato3, QString());
    EXPECT_TRUE(ventanaImpresion.grabador.impresiones().isEmpty());
    EXPECT_TRUE(ventanaImpresion.llamadas.isEmpty());
}

} // namespace
