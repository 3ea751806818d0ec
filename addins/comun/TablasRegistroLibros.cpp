#include "comun/TablasRegistroLibros.h"

#include "comun/TablasRegistroPersonas.h"
#include "platform/db/Connection.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

#include <QDate>
#include <map>

namespace addins {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

struct NombresSacramento {
    const char* sufijo;     // of the node kind keys: "LibrosBautismo"
    const char* libro;      // "Libro_Bautismo"
    const char* claveLibro; // "IDLibroBautismo"
    const char* partida;    // "Bautismo"
    const char* clave;      // "IDBautismo"
    const char* de;         // "de bautismo"
};

const NombresSacramento& Nombres(Sacramento s)
{
    static const NombresSacramento nombres[] = {
        {"Bautismo", "Libro_Bautismo", "IDLibroBautismo", "Bautismo", "IDBautismo", "de bautismo"},
        {"Confirmacion", "Libro_Confirmacion", "IDLibroConfirmacion", "Confirmacion", "IDConfirmacion",
         "de confirmación"},
        {"Matrimonio", "Libro_Matrimonio", "IDLibroMatrimonio", "Matrimonio", "IDMatrimonio", "de matrimonio"},
        {"Defuncion", "Libro_Defuncion", "IDLibroDefuncion", "Defuncion", "IDDifunto", "de defunción"},
    };
    return nombres[int(s)];
}

ReferenciaCampo Libros(Sacramento s)
{
    const QString libro = L(Nombres(s).libro);
    const QString clave = L(Nombres(s).claveLibro);
    return {libro, clave,
            QStringLiteral("SELECT %1.%2, Institucion.Nombre & ' - ' & %1.Nombre & IIf(%1.Cerrado, ' (cerrado)', '') "
                           "FROM %1, Institucion WHERE %1.CodInstitucion = Institucion.IDInstitucion "
                           "ORDER BY Institucion.Nombre, %1.Nombre")
                .arg(libro, clave)};
}

enum class ModoPartida { Nueva, Solicitud, Antigua };

// Inside the write of an entry that enters its book now: the book must still
// take entries, and the entry takes its next number.
void NumerarEnLibro(db::Connection& con, DialogoRegistroDatos& datos, Sacramento s)
{
    const QString libro = L(Nombres(s).libro);
    const QString clave = L(Nombres(s).claveLibro);
    const db::Value codLibro = datos.Valor(L("CodLibro"));
    db::Recordset rs = con.Query(QStringLiteral("SELECT Nombre, Cerrado, NumeroSiguiente FROM %1 WHERE %2 = ?").arg(libro, clave),
                                 {codLibro});
    if (rs.isEOF())
        throw DialogoRegistroError(L("¡Lo elegido en «Libro» ya no existe: otro puesto lo ha eliminado! Elija otro."),
                                   L("CodLibro"));
    if (rs.value(1).toBool())
        throw DialogoRegistroError(QStringLiteral("¡El libro «%1» está cerrado y no admite partidas nuevas!")
                                       .arg(rs.value(0).toString()),
                                   L("CodLibro"));
    const qint64 numero = rs.value(2).isNull() || rs.value(2).toInt64() < 1 ? 1 : rs.value(2).toInt64();
    datos.EstablecerValor(L("Numero"), QString::number(numero));
    con.Exec(QStringLiteral("UPDATE %1 SET NumeroSiguiente = ? WHERE %2 = ?").arg(libro, clave), {numero + 1, codLibro});
}

QList<CampoRegistro> CamposCabecera(Sacramento s, ModoPartida modo)
{
    if (modo == ModoPartida::Solicitud)
        return {CampoReferencia(L("Institución"), L("InstitucionSolicitud"), TablasRegistroPersonas::Instituciones())
                    .Obligatorio()};
    const CampoRegistro numero = CampoTexto(L("Número"), L("Numero"), 10);
    return {
        CampoReferencia(L("Libro"), L("CodLibro"), Libros(s)).Obligatorio().SoloAlCrear(),
        CampoEntero(L("Folio"), L("Folio"), 1, 99999).Obligatorio(),
        modo == ModoPartida::Antigua ? numero.Obligatorio() : numero.SoloLectura(),
    };
}

QList<CampoRegistro> CamposNotas()
{
    return {
        CampoMemo(L("Notas marginales"), L("NotasMarginales")),
        CampoTexto(L("Observaciones"), L("Observaciones"), 255),
    };
}

QList<CampoRegistro> CamposNombre(int seccion, bool obligatorio)
{
    CampoRegistro nombre = CampoTexto(L("Nombre"), L("Nombre"), 40).EnSeccion(seccion);
    CampoRegistro primero = CampoTexto(L("Primer apellido"), L("PrimerApellido"), 40).EnSeccion(seccion);
    if (obligatorio) {
        nombre = nombre.Obligatorio();
        primero = primero.Obligatorio();
    }
    return {nombre, primero, CampoTexto(L("Segundo apellido"), L("SegundoApellido"), 40).EnSeccion(seccion)};
}

// A date the entry must have; a request may not know it yet.
CampoRegistro Fecha(const char* etiqueta, const char* columna, bool solicitud, int seccion = 0)
{
    CampoRegistro c = CampoFecha(L(etiqueta), L(columna)).EnSeccion(seccion);
    return solicitud ? c : c.Obligatorio();
}

void Bautismo(DefinicionRegistro& d, bool solicitud)
{
    d.secciones << SeccionUnoAUno(L("Bautismo_Hijo"), L("CodBautismo"), 0, L("Bautizado"), L("los datos del bautizado"))
                       .AnchoCompleto()
                << SeccionReferida(L("Bautismo_Padres"), L("IDPadres"), 0, L("CodPadres"), L("Padre"),
                                   L("los datos del padre"))
                       .Compartida()
                << SeccionReferida(L("Bautismo_Madres"), L("IDMadres"), 0, L("CodMadres"), L("Madre"),
                                   L("los datos de la madre"))
                       .Compartida()
                << SeccionUnoAUno(L("Bautismo_Matrimonio"), L("IDMatrimonio"), 0, L("Matrimonio del bautizado"),
                                  L("la nota de matrimonio"));
    d.campos << Fecha("Fecha de bautismo", "FechaBautismo", solicitud) << CamposNombre(1, true) << CamposNombre(2, false)
             << CampoTexto(L("Abuelo paterno"), L("Abuelo"), 120).EnSeccion(2)
             << CampoTexto(L("Abuela paterna"), L("Abuela"), 120).EnSeccion(2) << CamposNombre(3, false)
             << CampoTexto(L("Abuelo materno"), L("Abuelo"), 120).EnSeccion(3)
             << CampoTexto(L("Abuela materna"), L("Abuela"), 120).EnSeccion(3)
             << CampoTexto(L("Padrino"), L("Padrino"), 120) << CampoTexto(L("Madrina"), L("Madrina"), 120)
             << CampoTexto(L("Ministro"), L("Ministro"), 120)
             << CampoTexto(L("Parroquia"), L("Parroquia"), 50).EnSeccion(4);
}

void Confirmacion(DefinicionRegistro& d, bool solicitud)
{
    d.secciones << SeccionUnoAUno(L("Confirmacion_Datos"), L("CodConfirmacion"), 0, L("Confirmación"),
                                  L("los datos de la confirmación"));
    d.campos << CamposNombre(0, true) << CampoTexto(L("Padre"), L("NombrePadre"), 120)
             << CampoTexto(L("Madre"), L("NombreMadre"), 120)
             << Fecha("Fecha de confirmación", "FechaConfirmacion", solicitud, 1)
             << CampoTexto(L("Ministro"), L("Ministro"), 120).EnSeccion(1)
             << CampoTexto(L("Padrino"), L("Padrino"), 120).EnSeccion(1);
}

QList<CampoRegistro> CamposRegistroCivil(int seccion)
{
    return {
        CampoTexto(L("Padre"), L("NombrePadre"), 120).EnSeccion(seccion),
        CampoTexto(L("Madre"), L("NombreMadre"), 120).EnSeccion(seccion),
        CampoTexto(L("Estado civil"), L("EstadoCivil"), 100).EnSeccion(seccion),
        CampoTexto(L("Página"), L("Pagina"), 10).EnSeccion(seccion),
    };
}

void Matrimonio(DefinicionRegistro& d, bool solicitud)
{
    d.secciones << SeccionReferida(L("Matrimonio_Novios"), L("IDNovios"), 0, L("CodNovios"), L("Novio"),
                                   L("los datos del novio"))
                << SeccionUnoAUno(L("Matrimonio_Novios_RegCivil"), L("CodNovios"), 1, L("Novio: registro civil"),
                                  L("el registro civil del novio"))
                << SeccionReferida(L("Matrimonio_Novias"), L("IDNovias"), 0, L("CodNovias"), L("Novia"),
                                   L("los datos de la novia"))
                << SeccionUnoAUno(L("Matrimonio_Novias_RegCivil"), L("CodNovias"), 3, L("Novia: registro civil"),
                                  L("el registro civil de la novia"))
                << SeccionUnoAUno(L("Matrimonio_Compromiso"), L("CodMatrimonio"), 0, L("Celebración"),
                                  L("los datos de la celebración"))
                << SeccionUnoAUno(L("Matrimonio_Expediente"), L("CodMatrimonio"), 0, L("Testigos"), L("los testigos"));
    d.campos << CamposNombre(1, true) << CampoTexto(L("Nacionalidad"), L("Nacionalidad"), 30).EnSeccion(1)
             << CamposNombre(3, true) << CampoTexto(L("Nacionalidad"), L("Nacionalidad"), 30).EnSeccion(3)
             << CamposRegistroCivil(2) << CamposRegistroCivil(4)
             << Fecha("Fecha", "FechaMatrimonio", solicitud, 5)
             << CampoTexto(L("Hora"), L("HoraMatrimonio"), 5).EnSeccion(5)
             << CampoTexto(L("Padrino"), L("Padrino"), 120).EnSeccion(5)
             << CampoTexto(L("Madrina"), L("Madrina"), 120).EnSeccion(5)
             << CampoTexto(L("Celebrante"), L("Celebrante"), 120).EnSeccion(5);
    for (const char* n : {"1", "2"}) {
        const QString testigo = L("Testigo %1: ").arg(L(n));
        d.campos << CampoTexto(testigo + L("nombre"), L("NombreTestigo") + L(n), 40).EnSeccion(6)
                 << CampoTexto(testigo + L("primer apellido"), L("PrimerApellidoTestigo") + L(n), 40).EnSeccion(6)
                 << CampoTexto(testigo + L("segundo apellido"), L("SegundoApellidoTestigo") + L(n), 40).EnSeccion(6);
    }
}

void Defuncion(DefinicionRegistro& d)
{
    d.secciones << SeccionUnoAUno(L("Defuncion_Datos"), L("CodDifunto"), 0, L("Defunción"), L("los datos de la defunción"));
    d.campos << CamposNombre(0, true) << Fecha("Fecha de defunción", "FechaDefuncion", false, 1)
             << CampoTexto(L("Cónyuge"), L("Consorte"), 120) << CampoTexto(L("Hijos"), L("NombresHijos"), 240)
             << CampoTexto(L("Padre"), L("NombrePadre"), 120) << CampoTexto(L("Madre"), L("NombreMadre"), 120)
             << CampoTexto(L("Párroco"), L("Parroco"), 60);
}

std::shared_ptr<const DefinicionRegistro> ConstruirPartida(Sacramento s, ModoPartida modo)
{
    const bool solicitud = modo == ModoPartida::Solicitud;
    const NombresSacramento& n = Nombres(s);
    auto d = std::make_shared<DefinicionRegistro>();
    const QString que = solicitud ? L("solicitud") : L("partida");
    d->tituloNuevo = modo == ModoPartida::Antigua ? QStringLiteral("Partida antigua %1").arg(L(n.de))
                                                  : QStringLiteral("Nueva %1 %2").arg(que, L(n.de));
    d->titulo = QStringLiteral("%1 %2").arg(solicitud ? L("Solicitud") : L("Partida"), L(n.de));
    d->nombre = QStringLiteral("la %1").arg(que);
    d->secciones = {SeccionPrincipal(L(n.partida), L(n.clave))};
    d->campos = CamposCabecera(s, modo);
    switch (s) {
    case Sacramento::Bautismo: Bautismo(*d, solicitud); break;
    case Sacramento::Confirmacion: Confirmacion(*d, solicitud); break;
    case Sacramento::Matrimonio: Matrimonio(*d, solicitud); break;
    case Sacramento::Defuncion: Defuncion(*d); break;
    }
    d->campos << CamposNotas();
    d->ganchos.alCrear = [solicitud](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("Anulada"), qint64(0));
        if (solicitud)
            datos.EstablecerValor(L("CodLibro"), qint64(0));
    };
    if (modo == ModoPartida::Nueva) {
        d->ganchos.antesDeEscribir = [s](db::Connection& con, DialogoRegistroDatos& datos) {
            if (datos.EsNuevo())
                NumerarEnLibro(con, datos, s);
        };
    }
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirSolicitudALibro(Sacramento s)
{
    const NombresSacramento& n = Nombres(s);
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = d->titulo = L("Pasar la solicitud al libro");
    d->nombre = L("la solicitud");
    d->secciones = {SeccionPrincipal(L(n.partida), L(n.clave))};
    d->campos = {
        CampoReferencia(L("Libro"), L("CodLibro"), Libros(s)).Obligatorio(),
        CampoEntero(L("Folio"), L("Folio"), 1, 99999).Obligatorio(),
        CampoTexto(L("Número"), L("Numero"), 10).SoloLectura(),
    };
    // The request was read with no book (`CodLibro` 0): a book set by
    // another workstation meanwhile is caught by the check of that column.
    d->ganchos.antesDeEscribir = [s](db::Connection& con, DialogoRegistroDatos& datos) { NumerarEnLibro(con, datos, s); };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirLibro(Sacramento s)
{
    const NombresSacramento& n = Nombres(s);
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = QStringLiteral("Nuevo libro %1").arg(L(n.de));
    d->titulo = QStringLiteral("Libro %1").arg(L(n.de));
    d->nombre = L("el libro");
    d->secciones = {SeccionPrincipal(L(n.libro), L(n.claveLibro))};
    d->campos = {
        CampoReferencia(L("Institución"), L("CodInstitucion"), TablasRegistroPersonas::Instituciones()).Obligatorio(),
        CampoTexto(L("Nombre"), L("Nombre"), 50).Obligatorio(),
        CampoSiNo(L("Libro nuevo"), L("Nuevo")),
        CampoSiNo(L("Cerrado"), L("Cerrado")),
        CampoFecha(L("Fecha de apertura"), L("FechaCreacion")),
        CampoEntero(L("Número siguiente"), L("NumeroSiguiente"), 1, 9999999).Obligatorio(),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("Nuevo"), qint64(-1));
        datos.EstablecerValor(L("FechaCreacion"), vb::DateAFechaTexto(QDate::currentDate()));
        datos.EstablecerValor(L("NumeroSiguiente"), qint64(1));
    };
    const QString partidas = QStringLiteral("SELECT COUNT(*) FROM %1 WHERE CodLibro = ?").arg(L(n.partida));
    d->ganchos.antesDeEliminar = [partidas](db::Connection& con, DialogoRegistroDatos& datos) {
        if (con.Query(partidas, {datos.Id()}).value(0).toInt64() > 0)
            throw DialogoRegistroError(L("¡El libro tiene partidas y no se puede eliminar! Elimine antes sus partidas."));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirCargo()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo cargo");
    d->titulo = L("Cargo");
    d->nombre = L("el cargo");
    d->secciones = {SeccionPrincipal(L("Cargo"), L("IDCargo"))};
    d->campos = {CampoTexto(L("Nombre"), L("Nombre"), 50).Obligatorio()};
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (con.Query(L("SELECT COUNT(*) FROM Padron_Actividad WHERE CodCargo = ?"), {datos.Id()}).value(0).toInt64() > 0)
            throw DialogoRegistroError(L("¡El cargo no se puede eliminar: lo tienen colaboradores en sus grupos!"));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirGrupo()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo grupo");
    d->titulo = L("Grupo");
    d->nombre = L("el grupo");
    d->secciones = {SeccionPrincipal(L("Grupo"), L("IDGrupo"))};
    d->campos = {CampoTexto(L("Nombre"), L("Nombre"), 50).Obligatorio()};
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (con.Query(L("SELECT COUNT(*) FROM Padron_Actividad WHERE CodGrupo = ?"), {datos.Id()}).value(0).toInt64() > 0)
            throw DialogoRegistroError(QStringLiteral("¡El grupo «%1» no se puede eliminar: tiene colaboradores!")
                                           .arg(datos.Valor(L("Nombre")).toString()));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> ConstruirActividad()
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva actividad");
    d->titulo = L("Actividad");
    d->nombre = L("la actividad");
    d->secciones = {SeccionPrincipal(L("Actividad"), L("IDActividad"))};
    d->campos = {
        CampoTexto(L("Nombre"), L("Nombre"), 50).Obligatorio(),
        CampoReferencia(L("Institución"), L("CodInstitucion"), TablasRegistroPersonas::Instituciones()).Obligatorio(),
    };
    d->detalles = {Detalle(L("Grupos"), TablasRegistroLibros::Grupo(), L("CodActividad"), {L("Nombre")})};
    return d;
}

template <class Construir>
std::shared_ptr<const DefinicionRegistro> Una(std::map<int, std::shared_ptr<const DefinicionRegistro>>& hechas, int clave,
                                              Construir construir)
{
    auto& definicion = hechas[clave];
    if (!definicion)
        definicion = construir();
    return definicion;
}

} // namespace

std::optional<Sacramento> TablasRegistroLibros::SacramentoDe(const QString& strTextDescription)
{
    for (Sacramento s : {Sacramento::Bautismo, Sacramento::Confirmacion, Sacramento::Matrimonio, Sacramento::Defuncion}) {
        const QString sufijo = L(Nombres(s).sufijo);
        for (const char* prefijo : {"Libros", "Partidas", "Solicitudes"}) {
            if (strTextDescription.compare(L(prefijo) + sufijo, Qt::CaseInsensitive) == 0)
                return s;
        }
    }
    return std::nullopt;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::Libro(Sacramento sacramento)
{
    static std::map<int, std::shared_ptr<const DefinicionRegistro>> hechas;
    return Una(hechas, int(sacramento), [sacramento] { return ConstruirLibro(sacramento); });
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::Partida(Sacramento sacramento, bool solicitud)
{
    static std::map<int, std::shared_ptr<const DefinicionRegistro>> hechas;
    const ModoPartida modo = solicitud ? ModoPartida::Solicitud : ModoPartida::Nueva;
    return Una(hechas, int(sacramento) * 2 + (solicitud ? 1 : 0),
               [sacramento, modo] { return ConstruirPartida(sacramento, modo); });
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::PartidaAntigua(Sacramento sacramento)
{
    static std::map<int, std::shared_ptr<const DefinicionRegistro>> hechas;
    return Una(hechas, int(sacramento), [sacramento] { return ConstruirPartida(sacramento, ModoPartida::Antigua); });
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::SolicitudALibro(Sacramento sacramento)
{
    static std::map<int, std::shared_ptr<const DefinicionRegistro>> hechas;
    return Una(hechas, int(sacramento), [sacramento] { return ConstruirSolicitudALibro(sacramento); });
}

QString TablasRegistroLibros::ConsultaSolicitudes(Sacramento sacramento)
{
    const QString nombre = L("%1.PrimerApellido & IIf(IsNull(%1.SegundoApellido) OR %1.SegundoApellido = '', '', ' ' & "
                             "%1.SegundoApellido) & ', ' & %1.Nombre");
    switch (sacramento) {
    case Sacramento::Bautismo:
        return L("SELECT Bautismo.IDBautismo, %1 FROM Bautismo, Bautismo_Hijo WHERE Bautismo.IDBautismo = "
                 "Bautismo_Hijo.CodBautismo AND Bautismo.CodLibro = 0 ORDER BY 2")
            .arg(nombre.arg(L("Bautismo_Hijo")));
    case Sacramento::Confirmacion:
        return L("SELECT IDConfirmacion, %1 FROM Confirmacion WHERE CodLibro = 0 ORDER BY 2")
            .arg(nombre.arg(L("Confirmacion")));
    case Sacramento::Matrimonio:
        return L("SELECT Matrimonio.IDMatrimonio, %1 & ' y ' & %2 FROM Matrimonio, Matrimonio_Novios, Matrimonio_Novias "
                 "WHERE Matrimonio.CodNovios = Matrimonio_Novios.IDNovios AND Matrimonio.CodNovias = "
                 "Matrimonio_Novias.IDNovias AND Matrimonio.CodLibro = 0 ORDER BY 2")
            .arg(nombre.arg(L("Matrimonio_Novios")), nombre.arg(L("Matrimonio_Novias")));
    case Sacramento::Defuncion: break;
    }
    return {};
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::Cargo()
{
    static const auto definicion = ConstruirCargo();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::Grupo()
{
    static const auto definicion = ConstruirGrupo();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroLibros::Actividad()
{
    static const auto definicion = ConstruirActividad();
    return definicion;
}

QString TablasRegistroLibros::TablaLibro(Sacramento sacramento)
{
    return L(Nombres(sacramento).libro);
}

QString TablasRegistroLibros::ClaveLibro(Sacramento sacramento)
{
    return L(Nombres(sacramento).claveLibro);
}

QString TablasRegistroLibros::TablaPartida(Sacramento sacramento)
{
    return L(Nombres(sacramento).partida);
}

QString TablasRegistroLibros::ClavePartida(Sacramento sacramento)
{
    return L(Nombres(sacramento).clave);
}

} // namespace addins
