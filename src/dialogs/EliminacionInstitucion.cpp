#include "dialogs/EliminacionInstitucion.h"

#include "dialogs/LotesIds.h"
#include "dialogs/ProgresoEliminacion.h"
#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/locks/cProcesarBloqueos.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/vb/ErrObject.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <functional>

namespace {

using Alcance = EliminacionInstitucion::Alcance;
using Opciones = EliminacionInstitucion::Opciones;

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

// The folder of a database file, up to and including its last separator;
// "" for a bare file name (the working folder).
QString Carpeta(const QString& strDataSource)
{
    const qsizetype separador =
        qMax(strDataSource.lastIndexOf(QLatin1Char('/')), strDataSource.lastIndexOf(QLatin1Char('\\')));
    return strDataSource.left(separador + 1);
}

// Every table the removal rewrites but the link tables, locked whole.
const char* const kTablasBloqueadas[] = {
    "Padron", "Recibo", "Remesa", "Actividad", "Libro_Bautismo", "Libro_Confirmacion", "Libro_Matrimonio",
    "Libro_Defuncion", "Bautismo", "Confirmacion", "Matrimonio", "Defuncion",
};
// Locked too when a company of the accounting module is linked to it.
const char* const kTablasContables[] = {"Contab_Enlace_Bancos", "Contab_Enlace_Institucion", "Contab_Enlace_Padron"};

// A person's detail rows, keyed by the person.
const char* const kDatosPersona[] = {
    "Padron_Nacimiento", "Padron_Bautismo",   "Padron_Comunion",        "Padron_Confirmacion",
    "Padron_Matrimonio", "Padron_Defuncion",  "Padron_NotasPersonales", "Institucion_Padron",
};

// A person (the column `persona` names them) who still has something of
// another institution: a donation, a group membership, a census type or an
// accounting link. Asked once this institution's own rows are gone.
QString SinOtraInstitucion(const QString& persona)
{
    return QStringLiteral(
               "NOT EXISTS (SELECT * FROM Donativo WHERE Donativo.CodPersonaDonativo = %1) "
               "AND NOT EXISTS (SELECT * FROM Padron_Actividad WHERE Padron_Actividad.CodPadron = %1) "
               "AND NOT EXISTS (SELECT * FROM Padron_TipoPersona AS Censo WHERE Censo.CodPadron = %1 "
               "AND Censo.CodTipoPersona = 2) "
               "AND NOT EXISTS (SELECT * FROM Contab_Enlace_Padron WHERE Contab_Enlace_Padron.CodPadron = %1)")
        .arg(persona);
}

// The entries of its books and the requests it made, of one sacrament;
// two parameters (the institution, twice).
QString PartidasConSolicitudes(const char* tabla, const char* libros, const char* claveLibro)
{
    return QStringLiteral("%1.CodLibro IN (SELECT %3 FROM %2 WHERE CodInstitucion = ?) "
                          "OR (%1.CodLibro = 0 AND %1.InstitucionSolicitud = ?)")
        .arg(L(tabla), L(libros), L(claveLibro));
}

// What a removal carries from one step to the next: the rows collected
// before the first deletion, and what the person steps find.
struct Trabajo {
    db::Connection& con;
    qint32 id;
    QList<qint64> donantes;
    QList<qint64> colaboradores;
    // Everyone the removal may leave without type: its donors, the members
    // of its groups and its census members.
    QList<qint64> candidatos;
    QList<qint64> remesas;
    QList<qint64> novios;
    QList<qint64> novias;
    // Accounts that may be left unused: those of its account links, then
    // those of the persons removed.
    QList<qint64> cuentas;

    void Ejecutar(const QString& sql, int veces = 1)
    {
        QList<db::Value> parametros;
        for (int i = 0; i < veces; ++i)
            parametros << db::Value(id);
        con.Exec(sql, parametros);
    }
    QList<qint64> Ids(const QString& sql, int veces = 1)
    {
        QList<db::Value> parametros;
        for (int i = 0; i < veces; ++i)
            parametros << db::Value(id);
        return LotesIds::Leer(con, sql, parametros);
    }
};

struct Paso {
    const char* nombre;
    std::function<void(Trabajo&)> ejecutar;
};

void Recoger(Trabajo& t, Alcance alcance)
{
    t.donantes = t.Ids(L("SELECT DISTINCT CodPersonaDonativo FROM Donativo WHERE CodInstitucion = ? "
                         "AND CodPersonaDonativo IS NOT NULL"));
    t.remesas = t.Ids(L("SELECT DISTINCT Recibo.CodRemesa FROM Recibo, Donativo "
                        "WHERE Recibo.CodDonativo = Donativo.IDDonativo AND Donativo.CodInstitucion = ? "
                        "AND Recibo.CodRemesa <> 0"));
    t.cuentas = t.Ids(L("SELECT DISTINCT CodCuenta FROM Institucion_TipoDonativo_Cuenta WHERE CodInstitucion = ? "
                        "AND CodCuenta IS NOT NULL"));
    t.candidatos = t.donantes;
    if (alcance == Alcance::Donativos)
        return;
    t.colaboradores = t.Ids(L("SELECT DISTINCT Padron_Actividad.CodPadron FROM Padron_Actividad, Grupo, Actividad "
                              "WHERE Padron_Actividad.CodGrupo = Grupo.IDGrupo "
                              "AND Grupo.CodActividad = Actividad.IDActividad AND Actividad.CodInstitucion = ? "
                              "AND Padron_Actividad.CodPadron IS NOT NULL"));
    t.candidatos = LotesIds::Unir({t.donantes, t.colaboradores,
                                   t.Ids(L("SELECT IDPadron FROM Padron WHERE CodInstitucionEmpadronado = ?"))});
    const QString matrimonios = PartidasConSolicitudes("Matrimonio", "Libro_Matrimonio", "IDLibroMatrimonio");
    t.novios = t.Ids(L("SELECT DISTINCT CodNovios FROM Matrimonio WHERE (%1) AND CodNovios IS NOT NULL").arg(matrimonios),
                     2);
    t.novias = t.Ids(L("SELECT DISTINCT CodNovias FROM Matrimonio WHERE (%1) AND CodNovias IS NOT NULL").arg(matrimonios),
                     2);
}

// An entry with the rows keyed by it, of one sacrament.
void BorrarPartidas(Trabajo& t, const char* tabla, const char* clave, const QString& condicion, int parametros,
                    std::initializer_list<std::pair<const char*, const char*>> detalles)
{
    for (const auto& [detalle, columna] : detalles)
        t.Ejecutar(QStringLiteral("DELETE FROM %1 WHERE %2 IN (SELECT %3 FROM %4 WHERE %5)")
                       .arg(L(detalle), L(columna), L(clave), L(tabla), condicion),
                   parametros);
    t.Ejecutar(QStringLiteral("DELETE FROM %1 WHERE %2").arg(L(tabla), condicion), parametros);
}

// A party of a marriage (a groom or a bride with their civil-register and
// baptism rows) that no marriage left uses.
void BorrarContrayentes(Trabajo& t, const QList<qint64>& ids, const char* tabla, const char* clave,
                        const char* columnaMatrimonio, const char* registroCivil, const char* bautismo)
{
    const auto borrar = [&](const char* detalle, const char* columna) {
        LotesIds::Ejecutar(t.con,
                           QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3) AND NOT EXISTS "
                                          "(SELECT * FROM Matrimonio WHERE Matrimonio.%4 = %1.%2)")
                               .arg(L(detalle), L(columna), LotesIds::kMarcas, L(columnaMatrimonio)),
                           ids);
    };
    borrar(registroCivil, columnaMatrimonio);
    borrar(bautismo, columnaMatrimonio);
    borrar(tabla, clave);
}

void QuitarTipo(Trabajo& t, const QList<qint64>& personas, int tipo)
{
    LotesIds::Ejecutar(t.con,
                       QStringLiteral("DELETE FROM Padron_TipoPersona WHERE CodTipoPersona = %1 AND CodPadron IN (%2) "
                                      "AND %3")
                           .arg(tipo)
                           .arg(LotesIds::kMarcas, SinOtraInstitucion(L("Padron_TipoPersona.CodPadron"))),
                       personas);
}

// The candidates left without any type and without anything of another
// institution go, with their details and their account links; their
// accounts are looked at by the step that follows.
void BorrarPersonasSinTipo(Trabajo& t)
{
    const QList<qint64> personas = LotesIds::LeerEnLotes(
        t.con,
        QStringLiteral("SELECT IDPadron FROM Padron WHERE IDPadron IN (%1) "
                       "AND NOT EXISTS (SELECT * FROM Padron_TipoPersona WHERE Padron_TipoPersona.CodPadron = "
                       "Padron.IDPadron) AND %2")
            .arg(LotesIds::kMarcas, SinOtraInstitucion(L("Padron.IDPadron"))),
        t.candidatos);
    t.cuentas = LotesIds::Unir(
        {t.cuentas,
         LotesIds::LeerEnLotes(t.con,
                               QStringLiteral("SELECT DISTINCT CodCuenta FROM PersonaDonativo_TipoDonativo_Cuenta "
                                              "WHERE CodPersonaDonativo IN (%1) AND CodCuenta IS NOT NULL")
                                   .arg(LotesIds::kMarcas),
                               personas)});
    LotesIds::Ejecutar(t.con,
                       QStringLiteral("DELETE FROM PersonaDonativo_TipoDonativo_Cuenta WHERE CodPersonaDonativo IN (%1)")
                           .arg(LotesIds::kMarcas),
                       personas);
    for (const char* tabla : kDatosPersona)
        LotesIds::Ejecutar(t.con,
                           QStringLiteral("DELETE FROM %1 WHERE CodPadron IN (%2)").arg(L(tabla), LotesIds::kMarcas),
                           personas);
    LotesIds::Ejecutar(t.con, QStringLiteral("DELETE FROM Padron WHERE IDPadron IN (%1)").arg(LotesIds::kMarcas),
                       personas);
}

QList<Paso> PasosDonativos()
{
    return {
        {"Contab_Enlace_Institucion",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Contab_Enlace_Institucion WHERE CodInstitucion = ?")); }},
        {"Contab_Enlace_Bancos",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Contab_Enlace_Bancos WHERE CodInstitucion = ?")); }},
        {"Contab_Enlace_Padron",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Contab_Enlace_Padron WHERE CodInstitucion = ?")); }},
        {"Institucion_TipoDonativo_Cuenta",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Institucion_TipoDonativo_Cuenta WHERE CodInstitucion = ?")); }},
        {"Presentador_Institucion",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Presentador_Institucion WHERE CodInstitucion = ?")); }},
        {"Recibo",
         [](Trabajo& t) {
             t.Ejecutar(L("DELETE FROM Recibo WHERE CodDonativo IN "
                          "(SELECT IDDonativo FROM Donativo WHERE CodInstitucion = ?)"));
         }},
        {"Donativo", [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Donativo WHERE CodInstitucion = ?")); }},
        // The remittances that held its receipts: gone when none is left,
        // else the sums of the receipts left (other institutions').
        {"Remesa",
         [](Trabajo& t) {
             LotesIds::Ejecutar(t.con,
                                QStringLiteral("DELETE FROM Remesa WHERE IDRemesa IN (%1) AND NOT EXISTS "
                                               "(SELECT * FROM Recibo WHERE Recibo.CodRemesa = Remesa.IDRemesa)")
                                    .arg(LotesIds::kMarcas),
                                t.remesas);
             LotesIds::Ejecutar(
                 t.con,
                 QStringLiteral("UPDATE Remesa SET "
                                "ImporteTotal = (SELECT Round(Sum(Recibo.Importe), 0) FROM Recibo "
                                "WHERE Recibo.CodRemesa = Remesa.IDRemesa), "
                                "ImporteTotalEur = (SELECT Round(Sum(Recibo.ImporteEur), 2) FROM Recibo "
                                "WHERE Recibo.CodRemesa = Remesa.IDRemesa) "
                                "WHERE IDRemesa IN (%1)")
                     .arg(LotesIds::kMarcas),
                 t.remesas);
         }},
    };
}

QList<Paso> PasosLibrosYActividades()
{
    return {
        {"Padron_Actividad",
         [](Trabajo& t) {
             t.Ejecutar(L("DELETE FROM Padron_Actividad WHERE CodGrupo IN (SELECT Grupo.IDGrupo FROM Grupo, Actividad "
                          "WHERE Grupo.CodActividad = Actividad.IDActividad AND Actividad.CodInstitucion = ?)"));
         }},
        {"Grupo",
         [](Trabajo& t) {
             t.Ejecutar(L("DELETE FROM Grupo WHERE CodActividad IN "
                          "(SELECT IDActividad FROM Actividad WHERE CodInstitucion = ?)"));
         }},
        {"Actividad_Grupo",
         [](Trabajo& t) {
             t.Ejecutar(L("DELETE FROM Actividad_Grupo WHERE CodActividad IN "
                          "(SELECT IDActividad FROM Actividad WHERE CodInstitucion = ?)"));
         }},
        {"Actividad", [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Actividad WHERE CodInstitucion = ?")); }},
        {"Bautismo",
         [](Trabajo& t) {
             BorrarPartidas(t, "Bautismo", "IDBautismo",
                            PartidasConSolicitudes("Bautismo", "Libro_Bautismo", "IDLibroBautismo"), 2,
                            {{"Bautismo_Hijo", "CodBautismo"}, {"Bautismo_Matrimonio", "IDMatrimonio"}});
         }},
        {"Libro_Bautismo", [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Libro_Bautismo WHERE CodInstitucion = ?")); }},
        {"Confirmacion",
         [](Trabajo& t) {
             BorrarPartidas(t, "Confirmacion", "IDConfirmacion",
                            PartidasConSolicitudes("Confirmacion", "Libro_Confirmacion", "IDLibroConfirmacion"), 2,
                            {{"Confirmacion_Datos", "CodConfirmacion"}, {"Confirmacion_Bautismo", "CodConfirmacion"}});
         }},
        {"Libro_Confirmacion",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Libro_Confirmacion WHERE CodInstitucion = ?")); }},
        {"Matrimonio",
         [](Trabajo& t) {
             BorrarPartidas(t, "Matrimonio", "IDMatrimonio",
                            PartidasConSolicitudes("Matrimonio", "Libro_Matrimonio", "IDLibroMatrimonio"), 2,
                            {{"Matrimonio_Compromiso", "CodMatrimonio"}, {"Matrimonio_Expediente", "CodMatrimonio"}});
             BorrarContrayentes(t, t.novios, "Matrimonio_Novios", "IDNovios", "CodNovios",
                                "Matrimonio_Novios_RegCivil", "Matrimonio_Novios_Bautismo");
             BorrarContrayentes(t, t.novias, "Matrimonio_Novias", "IDNovias", "CodNovias",
                                "Matrimonio_Novias_RegCivil", "Matrimonio_Novias_Bautismo");
         }},
        {"Libro_Matrimonio",
         [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Libro_Matrimonio WHERE CodInstitucion = ?")); }},
        {"Defuncion",
         [](Trabajo& t) {
             BorrarPartidas(t, "Defuncion", "IDDifunto",
                            L("Defuncion.CodLibro IN (SELECT IDLibroDefuncion FROM Libro_Defuncion "
                              "WHERE CodInstitucion = ?)"),
                            1, {{"Defuncion_Datos", "CodDifunto"}});
         }},
        {"Libro_Defuncion", [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Libro_Defuncion WHERE CodInstitucion = ?")); }},
        // Entries of other institutions' books that began as its requests.
        {"InstitucionSolicitud",
         [](Trabajo& t) {
             for (const char* tabla : {"Bautismo", "Confirmacion", "Matrimonio"})
                 t.Ejecutar(QStringLiteral("UPDATE %1 SET InstitucionSolicitud = 0 WHERE InstitucionSolicitud = ?")
                                .arg(L(tabla)));
         }},
        // Parent records no baptism uses any more, whoever wrote them.
        {"Bautismo_Padres",
         [](Trabajo& t) {
             t.con.Exec(L("DELETE FROM Bautismo_Padres WHERE NOT EXISTS "
                          "(SELECT * FROM Bautismo WHERE Bautismo.CodPadres = Bautismo_Padres.IDPadres)"));
         }},
        {"Bautismo_Madres",
         [](Trabajo& t) {
             t.con.Exec(L("DELETE FROM Bautismo_Madres WHERE NOT EXISTS "
                          "(SELECT * FROM Bautismo WHERE Bautismo.CodMadres = Bautismo_Madres.IDMadres)"));
         }},
        {"Tipo empadronado",
         [](Trabajo& t) {
             t.Ejecutar(L("DELETE FROM Padron_TipoPersona WHERE CodTipoPersona = 2 AND CodPadron IN "
                          "(SELECT IDPadron FROM Padron WHERE CodInstitucionEmpadronado = ?)"));
         }},
        {"CodInstitucionEmpadronado",
         [](Trabajo& t) {
             t.Ejecutar(L("UPDATE Padron SET CodInstitucionEmpadronado = 0 WHERE CodInstitucionEmpadronado = ?"));
         }},
    };
}

QList<Paso> Construir(Alcance alcance, const Opciones& opciones)
{
    QList<Paso> pasos = PasosDonativos();
    if (alcance == Alcance::Completo)
        pasos << PasosLibrosYActividades();
    if (alcance == Alcance::Donativos || opciones.Donantes)
        pasos << Paso{"Tipo donante", [](Trabajo& t) { QuitarTipo(t, t.donantes, 1); }};
    if (alcance == Alcance::Completo && opciones.Colaboradores)
        pasos << Paso{"Tipo colaborador", [](Trabajo& t) { QuitarTipo(t, t.colaboradores, 3); }};
    pasos << Paso{"Padron", BorrarPersonasSinTipo}
          << Paso{"Cuenta",
                  [](Trabajo& t) {
                      LotesIds::Ejecutar(
                          t.con,
                          QStringLiteral("DELETE FROM Cuenta WHERE IDCuenta IN (%1) "
                                         "AND NOT EXISTS (SELECT * FROM PersonaDonativo_TipoDonativo_Cuenta "
                                         "WHERE PersonaDonativo_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta) "
                                         "AND NOT EXISTS (SELECT * FROM Institucion_TipoDonativo_Cuenta "
                                         "WHERE Institucion_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta)")
                              .arg(LotesIds::kMarcas),
                          t.cuentas);
                  }}
          << Paso{"Institucion_Padron",
                  [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Institucion_Padron WHERE CodInstitucion = ?")); }}
          << Paso{"Institucion_Encargado",
                  [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Institucion_Encargado WHERE CodInstitucion = ?")); }}
          << Paso{"Institucion",
                  [](Trabajo& t) { t.Ejecutar(L("DELETE FROM Institucion WHERE IDInstitucion = ?")); }};
    return pasos;
}

// The progress ends however the steps end.
class ProgresoIniciado {
public:
    ProgresoIniciado(ProgresoEliminacion& progreso, int maximo) : m_progreso(progreso) { m_progreso.Iniciar(maximo); }
    ~ProgresoIniciado() { m_progreso.Terminar(); }
    ProgresoIniciado(const ProgresoIniciado&) = delete;
    ProgresoIniciado& operator=(const ProgresoIniciado&) = delete;

private:
    ProgresoEliminacion& m_progreso;
};

void Avisar(const QString& texto, int icono = ui::vbExclamation)
{
    ui::Beep();
    widgets::DialogoRegistroEjecutor::Mensaje(texto, ui::vbOKOnly + icono);
}

std::optional<qint64> Contar(db::Connection& con, const QString& sql, qint32 id, int veces, bool& error)
{
    try {
        QList<db::Value> parametros;
        for (int i = 0; i < veces; ++i)
            parametros << db::Value(id);
        db::Recordset rs = con.Query(sql, parametros);
        return rs.isEOF() || rs.value(0).isNull() ? 0 : rs.value(0).toInt64();
    } catch (...) {
        if (!error)
            vb::Err().SetFromException(std::current_exception());
        error = true;
        return std::nullopt;
    }
}

QString Pieza(const std::optional<qint64>& cifra, const char* texto)
{
    return cifra && *cifra > 0 ? QString::number(*cifra) + L(texto) : QString();
}

QString PiezaLibros(const std::optional<qint64>& libros, const char* textoLibros,
                    const std::optional<qint64>& partidas, const char* textoPartidas)
{
    if (!libros || *libros <= 0)
        return {};
    return QString::number(*libros) + L(textoLibros) + QString::number(partidas.value_or(0)) + L(textoPartidas);
}

} // namespace

QString TextoResumen(const RecuentoInstitucion& r)
{
    return Pieza(r.Donantes, " donantes. ") + Pieza(r.Donativos, " donativos. ")
        + Pieza(r.Empadronados, " empadronados. ") + Pieza(r.Colaboradores, " colaboradores. ")
        + Pieza(r.Actividades, " actividades. ")
        + PiezaLibros(r.LibrosBautismo, " libros de bautismo con ", r.PartidasBautismo, " partidas de bautismo. ")
        + PiezaLibros(r.LibrosConfirmacion, " libros de confirmación con ", r.PartidasConfirmacion,
                      " partidas de confirmación. ")
        + PiezaLibros(r.LibrosMatrimonio, " libros de matrimonio con ", r.PartidasMatrimonio,
                      " partidas de matrimonio. ")
        + PiezaLibros(r.LibrosDefuncion, " libros de defunción con ", r.PartidasDefuncion, " partidas de defunción. ")
        + Pieza(r.Solicitudes, " solicitudes. ");
}

EliminacionInstitucion::EliminacionInstitucion(db::Connection& conLocal, db::Connection& conContabilidad,
                                               qint32 lngID)
    : m_conLocal(conLocal), m_conContabilidad(conContabilidad), m_id(lngID)
{
}

RecuentoInstitucion EliminacionInstitucion::LeerRecuento() const
{
    RecuentoInstitucion r;
    bool& error = r.ErrorDeLectura;
    const auto contar = [&](const char* sql, int veces = 1) { return Contar(m_conLocal, L(sql), m_id, veces, error); };
    r.Donativos = contar("SELECT COUNT(*) FROM Donativo WHERE CodInstitucion = ?");
    r.Donantes = contar("SELECT COUNT(DISTINCT Padron.IDPadron) FROM Padron, Padron_TipoPersona, Donativo "
                        "WHERE Donativo.CodInstitucion = ? AND Padron.IDPadron = Donativo.CodPersonaDonativo "
                        "AND Padron.IDPadron = Padron_TipoPersona.CodPadron AND Padron_TipoPersona.CodTipoPersona = 1");
    r.Empadronados = contar("SELECT COUNT(DISTINCT Padron.IDPadron) FROM Padron, Padron_TipoPersona "
                            "WHERE Padron_TipoPersona.CodPadron = Padron.IDPadron AND Padron_TipoPersona.CodTipoPersona = 2 "
                            "AND Padron.CodInstitucionEmpadronado = ?");
    r.Colaboradores = contar("SELECT COUNT(DISTINCT Padron.IDPadron) FROM Padron, Padron_TipoPersona, Padron_Actividad, "
                             "Grupo, Actividad WHERE Padron_TipoPersona.CodPadron = Padron.IDPadron "
                             "AND Padron_TipoPersona.CodTipoPersona = 3 AND Padron_Actividad.CodPadron = Padron.IDPadron "
                             "AND Padron_Actividad.CodGrupo = Grupo.IDGrupo AND Grupo.CodActividad = Actividad.IDActividad "
                             "AND Actividad.CodInstitucion = ?");
    r.Actividades = contar("SELECT COUNT(*) FROM Actividad WHERE CodInstitucion = ?");
    r.LibrosMatrimonio = contar("SELECT COUNT(*) FROM Libro_Matrimonio WHERE CodInstitucion = ?");
    r.LibrosBautismo = contar("SELECT COUNT(*) FROM Libro_Bautismo WHERE CodInstitucion = ?");
    r.LibrosDefuncion = contar("SELECT COUNT(*) FROM Libro_Defuncion WHERE CodInstitucion = ?");
    r.LibrosConfirmacion = contar("SELECT COUNT(*) FROM Libro_Confirmacion WHERE CodInstitucion = ?");
    r.PartidasMatrimonio = contar("SELECT COUNT(*) FROM Matrimonio, Libro_Matrimonio "
                                  "WHERE Matrimonio.CodLibro = Libro_Matrimonio.IDLibroMatrimonio "
                                  "AND Libro_Matrimonio.CodInstitucion = ?");
    r.PartidasBautismo = contar("SELECT COUNT(*) FROM Bautismo, Libro_Bautismo "
                                "WHERE Bautismo.CodLibro = Libro_Bautismo.IDLibroBautismo "
                                "AND Libro_Bautismo.CodInstitucion = ?");
    r.PartidasDefuncion = contar("SELECT COUNT(*) FROM Defuncion, Libro_Defuncion "
                                 "WHERE Defuncion.CodLibro = Libro_Defuncion.IDLibroDefuncion "
                                 "AND Libro_Defuncion.CodInstitucion = ?");
    r.PartidasConfirmacion = contar("SELECT COUNT(*) FROM Confirmacion, Libro_Confirmacion "
                                    "WHERE Confirmacion.CodLibro = Libro_Confirmacion.IDLibroConfirmacion "
                                    "AND Libro_Confirmacion.CodInstitucion = ?");
    r.Solicitudes = contar("SELECT (SELECT COUNT(*) FROM Bautismo WHERE CodLibro = 0 AND InstitucionSolicitud = ?) "
                           "+ (SELECT COUNT(*) FROM Confirmacion WHERE CodLibro = 0 AND InstitucionSolicitud = ?) "
                           "+ (SELECT COUNT(*) FROM Matrimonio WHERE CodLibro = 0 AND InstitucionSolicitud = ?)",
                           3);
    try {
        db::Recordset rs = m_conLocal.Query(L("SELECT Nombre FROM Institucion WHERE IDInstitucion = ?"), {m_id});
        if (!rs.isEOF())
            r.Nombre = rs.value(0).toString();
    } catch (...) {
        if (!error)
            vb::Err().SetFromException(std::current_exception());
        error = true;
    }
    return r;
}

bool EliminacionInstitucion::TieneDatosFueraDeDonativos() const
{
    db::Recordset rs = m_conLocal.Query(
        L("SELECT IDInstitucion FROM Institucion WHERE IDInstitucion = ? AND ("
          "EXISTS (SELECT * FROM Libro_Bautismo WHERE CodInstitucion = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Libro_Confirmacion WHERE CodInstitucion = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Libro_Matrimonio WHERE CodInstitucion = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Libro_Defuncion WHERE CodInstitucion = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Bautismo WHERE InstitucionSolicitud = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Confirmacion WHERE InstitucionSolicitud = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Matrimonio WHERE InstitucionSolicitud = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Actividad WHERE CodInstitucion = Institucion.IDInstitucion) "
          "OR EXISTS (SELECT * FROM Padron WHERE CodInstitucionEmpadronado = Institucion.IDInstitucion))"),
        {m_id});
    return !rs.isEOF();
}

QStringList EliminacionInstitucion::Pasos(Alcance alcance, const Opciones& opciones)
{
    QStringList nombres;
    for (const Paso& paso : Construir(alcance, opciones))
        nombres << L(paso.nombre);
    return nombres;
}

QString EliminacionInstitucion::TextoEnUso()
{
    return L("¡No se puede eliminar la institución ahora: otro puesto de trabajo está usando sus datos! "
             "Inténtelo más tarde.");
}

QString EliminacionInstitucion::TextoNoExiste()
{
    return L("¡La institución ya no existe: otro puesto la ha eliminado!");
}

QString EliminacionInstitucion::TextoFueraDeAlcance()
{
    return L("¡No puede eliminar esta institución desde aquí!\rTiene libros, partidas, solicitudes, actividades o "
             "empadronados, que sólo se eliminan desde la lista de instituciones.");
}

// With accounting management on, a company of the accounting module
// linked to the institution is named to the user, who may only take note:
// its accounting data will be incomplete. The link rows are tested first
// for locks; a refusal ends the removal.
bool EliminacionInstitucion::AvisarEmpresaEnlazada(PVAPI::cProcesarBloqueos& bloqueos, Resultado& resultado)
{
    db::Recordset informacion = m_conLocal.Execute(L("SELECT GestionContable FROM Informacion"));
    if (informacion.isEOF() || !informacion.value(0).toBool())
        return false;
    const QString enlaces = L("SELECT CodEmpresa FROM Contab_Enlace_Institucion WHERE CodInstitucion = %1").arg(m_id);
    bloqueos.DefinirBloqueo(L("Contab_Enlace_Institucion"), m_conLocal, enlaces);
    if (bloqueos.lngEfectuarBloqueos(true) != PVAPI::cProcesarBloqueos::BloqueoConcedido) {
        resultado = Resultado::EnUso;
        return false;
    }
    db::Recordset enlace = m_conLocal.Execute(enlaces);
    if (enlace.isEOF() || !m_conContabilidad.isOpen())
        return false;
    db::Recordset empresa =
        m_conContabilidad.Query(L("SELECT Nombre FROM Empresa WHERE IDEmpresa = ?"), {enlace.value(0)});
    if (empresa.isEOF())
        return false;
    Avisar(L("La Institución que pretende eliminar, tiene asociada la empresa ") + empresa.value(0).toString()
               + L(", del módulo de contabilidad. Si elimina la Institución, los datos correspondientes al módulo de "
                   "contabilidad quedarán incompletos."),
           ui::vbInformation);
    return true;
}

EliminacionInstitucion::Resultado EliminacionInstitucion::Eliminar(Alcance alcance, const Opciones& opciones,
                                                                  ProgresoEliminacion& progreso)
{
    ui::HourglassGuard reloj;
    Resultado resultado = Resultado::Eliminada;
    {
        PVAPI::cProcesarBloqueos bloqueos;
        bloqueos.Inicializar(Carpeta(m_conLocal.Property(L("Data Source"))));
        const bool enlaceContable = AvisarEmpresaEnlazada(bloqueos, resultado);
        if (resultado == Resultado::Eliminada) {
            bloqueos.DefinirBloqueo({.strTabla = L("Institucion"),
                                     .conBD = &m_conLocal,
                                     .strRegistro = QString::number(m_id),
                                     .blnComprobarExisteRegistro = true,
                                     .strSQLExisteRegistro =
                                         L("SELECT IdInstitucion FROM Institucion WHERE IdInstitucion=%1").arg(m_id)});
            for (const char* tabla : kTablasBloqueadas)
                bloqueos.DefinirBloqueo(L(tabla), true);
            if (enlaceContable) {
                for (const char* tabla : kTablasContables)
                    bloqueos.DefinirBloqueo(L(tabla), true);
            }
            const qint32 tomados = bloqueos.lngEfectuarBloqueos();
            if (tomados == PVAPI::cProcesarBloqueos::BloqueoRegistroInexistente)
                resultado = Resultado::NoExiste;
            else if (tomados != PVAPI::cProcesarBloqueos::BloqueoConcedido)
                resultado = Resultado::EnUso;
            else
                resultado = EliminarEnTransaccion(alcance, opciones, progreso);
        }
        bloqueos.LiberarBloqueos();
    }
    switch (resultado) {
    case Resultado::Eliminada: break;
    case Resultado::EnUso: Avisar(TextoEnUso()); break;
    case Resultado::NoExiste: Avisar(TextoNoExiste()); break;
    case Resultado::FueraDeAlcance: Avisar(TextoFueraDeAlcance()); break;
    }
    return resultado;
}

EliminacionInstitucion::Resultado EliminacionInstitucion::EliminarEnTransaccion(Alcance alcance,
                                                                               const Opciones& opciones,
                                                                               ProgresoEliminacion& progreso)
{
    db::Transaction transaccion(m_conLocal);
    if (m_conLocal.Query(L("SELECT IDInstitucion FROM Institucion WHERE IDInstitucion = ?"), {m_id}).isEOF())
        return Resultado::NoExiste;
    if (alcance == Alcance::Donativos && TieneDatosFueraDeDonativos())
        return Resultado::FueraDeAlcance;
    Trabajo trabajo{m_conLocal, m_id, {}, {}, {}, {}, {}, {}, {}};
    Recoger(trabajo, alcance);
    const QList<Paso> pasos = Construir(alcance, opciones);
    {
        ProgresoIniciado iniciado(progreso, int(pasos.size()));
        int hechos = 0;
        for (const Paso& paso : pasos) {
            progreso.Paso(hechos++, L(paso.nombre));
            paso.ejecutar(trabajo);
        }
    }
    transaccion.Commit();
    return Resultado::Eliminada;
}
