#include "PVGestionParroquial/PartidaSinLibro.h"

#include "PVGestionParroquial/DocumentosParroquia.h"
#include "comun/TablasRegistroPersonas.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/vb/Fechas.h"
#include "platform/vb/Texto.h"
#include "platform/ui/UiConstants.h"
#include "platform/widgets/DialogoRegistro.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QApplication>
#include <QDate>

namespace partida_sin_libro {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

enum Seccion { Persona = 0, Confirmacion = 1, Bautismo = 2 };

} // namespace

std::shared_ptr<const DefinicionRegistro> Definicion()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = d->titulo = L("Notificación sin libro");
    d->nombre = L("la notificación");
    d->secciones = {
        SeccionPrincipal(L("Confirmacion"), L("IDConfirmacion")),
        SeccionUnoAUno(L("Confirmacion_Datos"), L("CodConfirmacion"), Persona, L("Confirmación"),
                       L("los datos de la confirmación")),
        SeccionUnoAUno(L("Confirmacion_Bautismo"), L("CodConfirmacion"), Persona, L("Partida de bautismo"),
                       L("los datos del bautismo"))
            .AnchoCompleto(),
    };
    d->campos = {
        CampoReferencia(L("Parroquia que notifica"), L("InstitucionSolicitud"),
                        addins::TablasRegistroPersonas::Instituciones())
            .Obligatorio(),
        CampoTexto(L("Nombre"), L("Nombre"), 40).Obligatorio(),
        CampoTexto(L("Primer apellido"), L("PrimerApellido"), 40).Obligatorio(),
        CampoTexto(L("Segundo apellido"), L("SegundoApellido"), 40),
        CampoTexto(L("Padre"), L("NombrePadre"), 120),
        CampoTexto(L("Madre"), L("NombreMadre"), 120),
        CampoFecha(L("Fecha de confirmación"), L("FechaConfirmacion")).EnSeccion(Confirmacion).Obligatorio(),
        CampoTexto(L("Ministro"), L("Ministro"), 120).EnSeccion(Confirmacion),
        CampoTexto(L("Padrino"), L("Padrino"), 120).EnSeccion(Confirmacion),
        // The notification goes to this parish: without it there is no one to send it to.
        CampoTexto(L("Parroquia"), L("Parroquia"), 50).EnSeccion(Bautismo).Obligatorio(),
        CampoTexto(L("Libro"), L("Libro"), 50).EnSeccion(Bautismo),
        CampoTexto(L("Folio"), L("Folio"), 10).EnSeccion(Bautismo),
        CampoTexto(L("Número"), L("Numero"), 10).EnSeccion(Bautismo),
        CampoFecha(L("Fecha de bautismo"), L("FechaBautismo")).EnSeccion(Bautismo),
    };
    return d;
}

void Preparar(db::Connection& conLocal, db::Connection& conInformes)
{
    DialogoRegistroDatos datos(Definicion());
    datos.Nuevo();
    {
        DialogoRegistro dialogo(conLocal, datos, DialogoRegistro::Modo::Memoria, QApplication::activeWindow());
        if (DialogoRegistroEjecutor::Ejecutar(dialogo) != QDialog::Accepted)
            return;
    }
    const auto v = [&datos](const char* columna, int seccion = Persona) {
        const db::Value valor = datos.Valor(L(columna), seccion);
        return valor.isNull() ? QString() : vb::Trim(valor.toString());
    };

    db::Recordset rs = conLocal.Query(
        L("SELECT I.InstitucionTipo, I.InstitucionNombre, I.Domicilio, I.CP, M.Nombre AS Poblacion, "
          "PR.Nombre AS Provincia, I.Diocesis, I.Parroco, I.EncargadoArchivo FROM Institucion AS I "
          "LEFT JOIN Municipio AS M ON M.IDMunicipio = I.CodMunicipio "
          "LEFT JOIN Provincia AS PR ON PR.IDProvincia = M.CodProvincia WHERE I.IDInstitucion = ?"),
        {datos.Valor(L("InstitucionSolicitud"))});
    if (rs.isEOF()) {
        DialogoRegistroEjecutor::Mensaje(
            L("¡La parroquia elegida ya no existe: otro puesto la ha eliminado! No se imprime la notificación."),
            ui::vbOKOnly + ui::vbExclamation);
        return;
    }
    const auto i = [&rs](const char* columna) {
        const db::Value valor = rs.value(L(columna));
        return valor.isNull() ? QString() : vb::Trim(valor.toString());
    };
    // Signed like a certificate: the priest, else the archivist; a parish
    // with neither leaves the line to be signed by hand.
    const documentos_parroquia::Firma firma =
        documentos_parroquia::FirmaDeParroquia(i("Parroco"), i("EncargadoArchivo"));

    conInformes.Exec(
        L("INSERT INTO Documentos_Confirmacion (Orden, Libro, Numero, InstitucionTipo, InstitucionNombre, "
          "Institucion_Domicilio, Institucion_CP, Institucion_Poblacion, Institucion_Provincia, "
          "Institucion_Diocesis, Institucion_Parroco, Nombre, PrimerApellido, SegundoApellido, NombrePadre, "
          "NombreMadre, FechaConfirmacion, Ministro, Padrino, ParroquiaBautismo, LibroBautismo, FolioBautismo, "
          "NumeroBautismo, FechaBautismo, Firmante, CargoFirmante, FechaExpedicion) "
          "VALUES (1, '', '', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {i("InstitucionTipo"), i("InstitucionNombre"), i("Domicilio"), i("CP"), i("Poblacion"), i("Provincia"),
         i("Diocesis"), i("Parroco"), v("Nombre"), v("PrimerApellido"), v("SegundoApellido"), v("NombrePadre"),
         v("NombreMadre"), v("FechaConfirmacion", Confirmacion), v("Ministro", Confirmacion),
         v("Padrino", Confirmacion), v("Parroquia", Bautismo), v("Libro", Bautismo), v("Folio", Bautismo),
         v("Numero", Bautismo), v("FechaBautismo", Bautismo), firma.firmante, firma.cargo,
         vb::DateAFechaTexto(QDate::currentDate())});
}

} // namespace partida_sin_libro
