#include "comun/TablasRegistroContabilidad.h"

#include "comun/EmpresasContabilidad.h"
#include "comun/MonedaComplemento.h"
#include "core/cConfigContabilidad.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "platform/vb/Fechas.h"
#include "platform/widgets/DialogoRegistroDatos.h"
#include "platform/widgets/DialogoRegistroError.h"

#include <QDate>

namespace addins {

using namespace widgets;

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

qint64 Contar(db::Connection& con, const QString& sql, const QList<db::Value>& valores)
{
    return con.Query(sql, valores).value(0).toInt64();
}

qint64 Numero(const db::Value& v)
{
    return v.isNull() ? 0 : v.toInt64();
}

void ComprobarEjercicioAbierto(db::Connection& con, qint64 empresa)
{
    if (TablasRegistroContabilidad::EjercicioCerrado(con, empresa))
        throw DialogoRegistroError(
            L("¡El ejercicio de esta empresa está cerrado: sus asientos no se pueden crear, cambiar ni eliminar!"));
}

// The accounts an entry line may use: the sub-accounts of the company.
ReferenciaCampo Subcuentas(qint64 empresa)
{
    return {L("Cuenta"), L("IDCuenta"),
            QStringLiteral("SELECT IDCuenta, Codigo & \" - \" & Descripcion FROM Cuenta "
                           "WHERE CodTipo_Cuenta = 2 AND CodEmpresa = %1 ORDER BY Codigo")
                .arg(empresa)};
}

// A line with no amount is left as 0, so the sums of the lists add it.
void ImportesACero(DialogoRegistroDatos& datos)
{
    bool alguno = false;
    for (const char* columna : {"CtdadDebe", "CtdadHaber", "CtdadDebeEuros", "CtdadHaberEuros"}) {
        const db::Value v = datos.Valor(L(columna));
        if (v.isNull())
            datos.EstablecerValor(L(columna), 0.0);
        else if (v.toDouble() != 0)
            alguno = true;
    }
    if (!alguno)
        throw DialogoRegistroError(L("¡El apunte debe tener un importe en el Debe o en el Haber!"), L("CtdadDebe"));
}

std::shared_ptr<DefinicionRegistro> Linea(const QString& tabla, const QString& clave, qint64 empresa)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo apunte");
    d->titulo = L("Apunte");
    d->nombre = L("el apunte");
    d->secciones = {SeccionPrincipal(tabla, clave)};
    d->campos = {
        CampoReferencia(L("Subcuenta"), L("CodCuenta"), Subcuentas(empresa)).Obligatorio(),
        CampoTexto(L("Concepto"), L("Concepto"), 30),
        CampoImporte(L("Debe"), L("CtdadDebe"), L("CtdadDebeEuros")),
        CampoImporte(L("Haber"), L("CtdadHaber"), L("CtdadHaberEuros")),
    };
    d->ganchos.antesDeEscribir = [](db::Connection&, DialogoRegistroDatos& datos) { ImportesACero(datos); };
    return d;
}

// The lists of entries join their lines: an entry without one would vanish
// from them.
void ComprobarLineas(const DialogoRegistroDatos& datos, const QString& texto)
{
    if (datos.Filas(0) == 0)
        throw DialogoRegistroError(texto, {}, -1, 0);
}

QString TextoCodigo(const DialogoRegistroDatos& datos, const char* columna)
{
    return datos.Valor(L(columna)).toString().trimmed();
}

} // namespace

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::Empresa(bool nueva)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nueva empresa");
    d->titulo = L("Empresa");
    d->nombre = L("la empresa");
    d->secciones = {SeccionPrincipal(L("Empresa"), L("IDEmpresa"))};
    d->campos = {
        CampoTexto(L("Nombre"), L("Nombre"), 100).Obligatorio(),
        CampoTexto(L("Abreviatura"), L("Abreviatura"), 10).Obligatorio(),
        CampoEntero(L("Año del ejercicio"), L("AñoEjercicio"), 1900, 9999).Obligatorio(),
        CampoReferencia(L("Grupo"), L("CodGrupo"),
                        {L("Grupo"), L("IDGrupo"), L("SELECT IDGrupo, Nombre FROM Grupo ORDER BY Nombre")}),
    };
    d->ganchos.alCrear = [](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("AñoEjercicio"), qint64(QDate::currentDate().year()));
        datos.EstablecerValor(L("EjercicioCerrado"), qint64(0));
        datos.EstablecerValor(L("CodEmpresaAnterior"), qint64(0));
        datos.EstablecerValor(L("CodEmpresaSiguiente"), qint64(0));
        datos.EstablecerValor(L("CodGrupo"), qint64(0));
    };
    if (nueva) {
        d->ganchos.despuesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
            EmpresasContabilidad::CopiarPlanPredeterminado(con, datos.Id());
        };
    }
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        EmpresasContabilidad::EliminarDependientes(con, datos.Id());
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::Grupo()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = [] {
        auto d = std::make_shared<DefinicionRegistro>();
        d->tituloNuevo = L("Nuevo grupo");
        d->titulo = L("Grupo");
        d->nombre = L("el grupo");
        d->secciones = {SeccionPrincipal(L("Grupo"), L("IDGrupo"))};
        d->campos = {CampoTexto(L("Nombre"), L("Nombre"), 40).Obligatorio()};
        d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
            if (Contar(con, L("SELECT COUNT(*) FROM Empresa WHERE CodGrupo = ?"), {datos.Id()}) > 0)
                throw DialogoRegistroError(L("¡El grupo no se puede eliminar: tiene empresas!"));
        };
        return d;
    }();
    return definicion;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::Cuenta(qint64 empresa, int tipo)
{
    auto d = std::make_shared<DefinicionRegistro>();
    const bool subcuenta = tipo == 2;
    d->tituloNuevo = subcuenta ? L("Nueva subcuenta") : L("Nueva cuenta");
    d->titulo = subcuenta ? L("Subcuenta") : L("Cuenta");
    d->nombre = subcuenta ? L("la subcuenta") : L("la cuenta");
    d->secciones = {SeccionPrincipal(L("Cuenta"), L("IDCuenta")).Leyendo({L("CodEmpresa"), L("CodTipo_Cuenta")})};
    d->campos = {
        CampoTexto(L("Código"), L("Codigo"), 12).Obligatorio(),
        CampoTexto(L("Descripción"), L("Descripcion"), 100).Obligatorio(),
    };
    d->ganchos.alCrear = [empresa, tipo](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("CodEmpresa"), empresa);
        datos.EstablecerValor(L("CodTipo_Cuenta"), qint64(tipo));
        datos.EstablecerValor(L("PresupuestoTotal"), L("0"));
        datos.EstablecerValor(L("PresupuestoTotalEuros"), L("0"));
    };
    d->ganchos.antesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        const QString codigo = TextoCodigo(datos, "Codigo");
        for (const QChar c : codigo) {
            if (!c.isDigit())
                throw DialogoRegistroError(L("¡«Código» sólo admite cifras!"), L("Codigo"));
        }
        // The structure tree and the lookups find an account by its code.
        if (Contar(con, L("SELECT COUNT(*) FROM Cuenta WHERE CodEmpresa = ? AND Codigo = ? AND IDCuenta <> ?"),
                   {Numero(datos.Valor(L("CodEmpresa"))), codigo, datos.Id()})
            > 0)
            throw DialogoRegistroError(QStringLiteral("¡Ya hay una cuenta con el código %1 en esta empresa!").arg(codigo),
                                       L("Codigo"));
        datos.EstablecerValor(L("Nivel"), qint64(codigo.size()));
    };
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        if (Contar(con, L("SELECT COUNT(*) FROM Apunte WHERE CodCuenta = ?"), {datos.Id()})
                + Contar(con, L("SELECT COUNT(*) FROM ApuntePredefinido WHERE CodCuenta = ?"), {datos.Id()})
            > 0)
            throw DialogoRegistroError(QStringLiteral("¡La cuenta %1 no se puede eliminar: tiene apuntes!")
                                           .arg(TextoCodigo(datos, "Codigo")));
        con.Exec(L("DELETE FROM Rel_Estructura_Cuenta WHERE codCuenta = ?"), {datos.Id()});
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::Epigrafe(qint64 empresa, qint64 documento,
                                                                               qint64 naturaleza)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo epígrafe");
    d->titulo = L("Epígrafe");
    d->nombre = L("el epígrafe");
    d->secciones = {SeccionPrincipal(L("Estructura"), L("IDEstructura"))
                       .Leyendo({L("codEmpresa"), L("codDocumento"), L("codNaturaleza")})};
    d->campos = {
        CampoTexto(L("Código"), L("CodigoEpigrafe"), 10).Obligatorio().SoloAlCrear(),
        CampoTexto(L("Descripción"), L("Descripcion"), 100).Obligatorio(),
        CampoTexto(L("Fórmula"), L("Formula"), 50),
    };
    d->ganchos.alCrear = [empresa, documento, naturaleza](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("codEmpresa"), empresa);
        datos.EstablecerValor(L("codDocumento"), documento);
        datos.EstablecerValor(L("codNaturaleza"), naturaleza);
        datos.EstablecerValor(L("Formula"), QString());
    };
    d->ganchos.antesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        const QString codigo = TextoCodigo(datos, "CodigoEpigrafe");
        const qint64 empresa = Numero(datos.Valor(L("codEmpresa")));
        const qint64 documento = Numero(datos.Valor(L("codDocumento")));
        if (Contar(con,
                   L("SELECT COUNT(*) FROM Estructura WHERE codEmpresa = ? AND codDocumento = ? "
                     "AND CodigoEpigrafe = ? AND IDEstructura <> ?"),
                   {empresa, documento, codigo, datos.Id()})
            > 0)
            throw DialogoRegistroError(QStringLiteral("¡Ya hay un epígrafe con el código %1!").arg(codigo),
                                       L("CodigoEpigrafe"));
        // Its level: how many headings of the document its code lies under.
        qint64 nivel = 0;
        for (qsizetype n = 1; n < codigo.size(); ++n)
            nivel += Contar(con,
                            L("SELECT COUNT(*) FROM Estructura WHERE codEmpresa = ? AND codDocumento = ? "
                              "AND CodigoEpigrafe = ?"),
                            {empresa, documento, codigo.left(n)})
                > 0;
        datos.EstablecerValor(L("OrdenEpigrafe"), QString::number(nivel));
    };
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        const QString codigo = TextoCodigo(datos, "CodigoEpigrafe");
        db::Recordset rs = con.Query(L("SELECT CodigoEpigrafe FROM Estructura WHERE codEmpresa = ? AND codDocumento = ? "
                                       "AND IDEstructura <> ?"),
                                     {Numero(datos.Valor(L("codEmpresa"))), Numero(datos.Valor(L("codDocumento"))),
                                      datos.Id()});
        for (; !rs.isEOF(); rs.MoveNext()) {
            const QString otro = rs.value(0).toString();
            if (otro.size() > codigo.size() && otro.startsWith(codigo))
                throw DialogoRegistroError(
                    QStringLiteral("¡El epígrafe %1 no se puede eliminar: tiene otros epígrafes debajo!").arg(codigo));
        }
        con.Exec(L("DELETE FROM Rel_Estructura_Cuenta WHERE codEstructura = ?"), {datos.Id()});
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::Asiento(qint64 empresa)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo asiento");
    d->titulo = L("Asiento");
    d->nombre = L("el asiento");
    d->secciones = {SeccionPrincipal(L("Asiento"), L("IDAsiento")).Leyendo({L("CodEmpresa")})};
    d->campos = {
        CampoEntero(L("Número"), L("Numero"), 1, 2147483647).Obligatorio(),
        CampoFecha(L("Fecha"), L("Fecha")).Obligatorio(),
        CampoTexto(L("Concepto"), L("ConceptoAsiento"), 30),
    };
    d->detalles = {Detalle(L("Apuntes"), Linea(L("Apunte"), L("IDApunte"), empresa), L("CodAsiento"),
                           {L("CodCuenta"), L("Concepto"), L("CtdadDebe"), L("CtdadHaber")})};
    d->ganchos.alCrear = [empresa](DialogoRegistroDatos& datos) {
        datos.EstablecerValor(L("CodEmpresa"), empresa);
        datos.EstablecerValor(L("Fecha"), vb::DateAFechaTexto(QDate::currentDate()));
        datos.EstablecerValor(L("ConceptoAsiento"), QString());
    };
    d->ganchos.antesDeEscribir = [](db::Connection& con, DialogoRegistroDatos& datos) {
        ComprobarEjercicioAbierto(con, Numero(datos.Valor(L("CodEmpresa"))));
        ComprobarLineas(datos, L("¡El asiento debe tener al menos un apunte!"));
        // The entry's text is the first line's when none is given.
        if (TextoCodigo(datos, "ConceptoAsiento").isEmpty())
            datos.EstablecerValor(L("ConceptoAsiento"), datos.Fila(0, 0).Valor(L("Concepto")).toString());
    };
    d->ganchos.antesDeEliminar = [](db::Connection& con, DialogoRegistroDatos& datos) {
        ComprobarEjercicioAbierto(con, Numero(datos.Valor(L("CodEmpresa"))));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::AsientoPredefinido(qint64 empresa)
{
    auto d = std::make_shared<DefinicionRegistro>();
    d->tituloNuevo = L("Nuevo asiento predefinido");
    d->titulo = L("Asiento predefinido");
    d->nombre = L("el asiento predefinido");
    d->secciones = {SeccionPrincipal(L("AsientoPredefinido"), L("IDAsientoPredefinido")).Leyendo({L("codEmpresa")})};
    d->campos = {CampoTexto(L("Nombre"), L("Nombre"), 50).Obligatorio()};
    d->detalles = {Detalle(L("Apuntes"), Linea(L("ApuntePredefinido"), L("IDApuntePredefinido"), empresa),
                           L("CodAsientoPredefinido"), {L("CodCuenta"), L("Concepto"), L("CtdadDebe"), L("CtdadHaber")})};
    d->ganchos.alCrear = [empresa](DialogoRegistroDatos& datos) { datos.EstablecerValor(L("codEmpresa"), empresa); };
    d->ganchos.antesDeEscribir = [](db::Connection&, DialogoRegistroDatos& datos) {
        ComprobarLineas(datos, L("¡El asiento predefinido debe tener al menos un apunte!"));
    };
    return d;
}

std::shared_ptr<const DefinicionRegistro> TablasRegistroContabilidad::Presupuesto()
{
    static const std::shared_ptr<const DefinicionRegistro> definicion = [] {
        auto d = std::make_shared<DefinicionRegistro>();
        d->tituloNuevo = L("Nuevo presupuesto");
        d->titulo = L("Presupuesto");
        d->nombre = L("el presupuesto");
        d->secciones = {SeccionPrincipal(L("Cuenta"), L("IDCuenta"))};
        d->campos = {
            CampoTexto(L("Subcuenta"), L("Codigo"), 12).SoloLectura(),
            CampoTexto(L("Descripción"), L("Descripcion"), 100).SoloLectura(),
            CampoImporte(L("Presupuesto"), L("PresupuestoTotal"), L("PresupuestoTotalEuros")).Obligatorio(),
        };
        // Budgets are texts: the lists compare them with '0'.
        d->ganchos.antesDeEscribir = [](db::Connection&, DialogoRegistroDatos& datos) {
            for (const char* columna : {"PresupuestoTotal", "PresupuestoTotalEuros"}) {
                const db::Value v = datos.Valor(L(columna));
                if (v.type() != db::Value::Kind::Text)
                    datos.EstablecerValor(L(columna),
                                          EmpresasContabilidad::TextoPresupuesto(v.isNull() ? 0.0 : v.toDouble()));
            }
        };
        return d;
    }();
    return definicion;
}

widgets::MonedaRegistro TablasRegistroContabilidad::Moneda(const cConfigContabilidad& objConfig)
{
    PVAPI::cInfoConfiguracion config;
    config.TrabajarConPesetas = objConfig.TrabajarConPesetas();
    return MonedaComplemento(config);
}

QString TablasRegistroContabilidad::ColumnaDebe(bool pesetas)
{
    return pesetas ? L("CtdadDebe") : L("CtdadDebeEuros");
}

QString TablasRegistroContabilidad::ColumnaHaber(bool pesetas)
{
    return pesetas ? L("CtdadHaber") : L("CtdadHaberEuros");
}

bool TablasRegistroContabilidad::EjercicioCerrado(db::Connection& con, qint64 empresa)
{
    EmpresasContabilidad::Empresa fila;
    return !EmpresasContabilidad::Leer(con, empresa, fila) || fila.cerrado;
}

} // namespace addins
