#include "actions/EliminacionBanco.h"

#include "platform/db/Connection.h"
#include "platform/locks/cProcesarBloqueos.h"

namespace {

QString L(const char* texto)
{
    return QString::fromUtf8(texto);
}

// The rows that depend on the bank, each as the FROM and WHERE of a
// selection with one parameter, the bank's id.
struct Dependientes {
    const char* tabla;
    const char* clave;
    const char* desde;
};

const Dependientes kRecibos{
    "Recibo", "Recibo.IDRecibo",
    "FROM Recibo, Remesa, Presentador, Sucursal WHERE Sucursal.CodBanco = ? "
    "AND Presentador.CodSucursal = Sucursal.IDSucursal AND Remesa.CodPresentador = Presentador.IDPresentador "
    "AND Recibo.CodRemesa = Remesa.IDRemesa"};
const Dependientes kRemesas{
    "Remesa", "Remesa.IDRemesa",
    "FROM Remesa, Presentador, Sucursal WHERE Sucursal.CodBanco = ? "
    "AND Presentador.CodSucursal = Sucursal.IDSucursal AND Remesa.CodPresentador = Presentador.IDPresentador"};
const Dependientes kEnlacesInstituciones{
    "Institucion_TipoDonativo_Cuenta", "Institucion_TipoDonativo_Cuenta.IDITC",
    "FROM Institucion_TipoDonativo_Cuenta, Cuenta, Sucursal WHERE Sucursal.CodBanco = ? "
    "AND Cuenta.CodSucursal = Sucursal.IDSucursal AND Institucion_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta"};
const Dependientes kEnlacesDonantes{
    "PersonaDonativo_TipoDonativo_Cuenta", "PersonaDonativo_TipoDonativo_Cuenta.IDPTC",
    "FROM PersonaDonativo_TipoDonativo_Cuenta, Cuenta, Sucursal WHERE Sucursal.CodBanco = ? "
    "AND Cuenta.CodSucursal = Sucursal.IDSucursal "
    "AND PersonaDonativo_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta"};
const Dependientes kCuentas{"Cuenta", "Cuenta.IDCuenta",
                            "FROM Cuenta, Sucursal WHERE Sucursal.CodBanco = ? AND Cuenta.CodSucursal = Sucursal.IDSucursal"};
// The donations of a donor of the type that the donor pays through an
// account of the bank.
const Dependientes kDonativos{
    "Donativo", "Donativo.IDDonativo",
    "FROM Donativo, Tipo_Donativo, Cuenta, Sucursal, PersonaDonativo_TipoDonativo_Cuenta, Padron "
    "WHERE Sucursal.CodBanco = ? AND Cuenta.CodSucursal = Sucursal.IDSucursal "
    "AND PersonaDonativo_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta "
    "AND PersonaDonativo_TipoDonativo_Cuenta.CodTipoDonativo = Tipo_Donativo.IDTipo_Donativo "
    "AND Donativo.CodTipoDonativo = Tipo_Donativo.IDTipo_Donativo AND Donativo.CodPersonaDonativo = Padron.IDPadron "
    "AND PersonaDonativo_TipoDonativo_Cuenta.CodPersonaDonativo = Padron.IDPadron"};

const Dependientes* const kTodos[] = {&kRecibos, &kRemesas, &kEnlacesInstituciones, &kEnlacesDonantes, &kCuentas,
                                      &kDonativos};

QString Seleccion(const Dependientes& d)
{
    return QStringLiteral("SELECT DISTINCT %1 %2").arg(L(d.clave), L(d.desde));
}

} // namespace

EliminacionBanco::EliminacionBanco(db::Connection& conLocal, qint32 lngIDBanco) : m_con(conLocal), m_id(lngIDBanco) {}

EliminacionBanco::Bloqueo EliminacionBanco::Comprobar() const
{
    const auto hay = [this](const char* sql) { return !m_con.Query(L(sql), {m_id}).isEOF(); };
    if (hay("SELECT Institucion.IDInstitucion FROM Institucion, Sucursal, Cuenta, Institucion_TipoDonativo_Cuenta "
            "WHERE Institucion.IDInstitucion = Institucion_TipoDonativo_Cuenta.CodInstitucion "
            "AND Institucion_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta "
            "AND Cuenta.CodSucursal = Sucursal.IDSucursal AND Sucursal.CodBanco = ?"))
        return Bloqueo::Instituciones;
    if (hay("SELECT Padron.IDPadron FROM Padron, Sucursal, Cuenta, PersonaDonativo_TipoDonativo_Cuenta "
            "WHERE Padron.IDPadron = PersonaDonativo_TipoDonativo_Cuenta.CodPersonaDonativo "
            "AND PersonaDonativo_TipoDonativo_Cuenta.CodCuenta = Cuenta.IDCuenta "
            "AND Cuenta.CodSucursal = Sucursal.IDSucursal AND Sucursal.CodBanco = ?"))
        return Bloqueo::Donantes;
    if (hay("SELECT Presentador.IDPresentador FROM Presentador, Sucursal "
            "WHERE Presentador.CodSucursal = Sucursal.IDSucursal AND Sucursal.CodBanco = ?"))
        return Bloqueo::Presentadores;
    return Bloqueo::Ninguno;
}

QString EliminacionBanco::TextoBloqueo(Bloqueo bloqueo)
{
    switch (bloqueo) {
    case Bloqueo::Ninguno: break;
    case Bloqueo::Instituciones:
        return L("¡El banco que pretende eliminar tiene instituciones asociadas! \rDeberá eliminar manualmente las "
                 "instituciones asociadas al banco para poder continuar.");
    case Bloqueo::Donantes:
        return L("¡El banco que pretende eliminar tiene donantes asociados! \rDeberá eliminar manualmente los donantes "
                 "asociados al banco para poder continuar.");
    case Bloqueo::Presentadores:
        return L("¡El banco que pretende eliminar tiene presentadores asociados! \rDeberá eliminar manualmente estos "
                 "presentadores para poder continuar.");
    }
    return {};
}

std::optional<QString> EliminacionBanco::Nombre() const
{
    db::Recordset rs = m_con.Query(L("SELECT Nombre FROM Banco WHERE IDBanco = ?"), {m_id});
    if (rs.isEOF())
        return std::nullopt;
    return rs.value(0).toString();
}

qint64 EliminacionBanco::ContarCuentas() const
{
    return m_con.Query(L("SELECT COUNT(*) ") + L(kCuentas.desde), {m_id}).value(0).toInt64();
}

QString EliminacionBanco::TextoConfirmacion(qint64 cuentas, const QString& nombre)
{
    QString texto;
    if (cuentas > 0)
        texto = L("Este banco tiene ") + QString::number(cuentas)
            + L(" cuentas asociadas. Si elimina el banco también se perderán las cuentas.\r\r");
    return texto + L("Si tiene algún donativo asociado a este banco, la forma de pago pasará a ser por caja.\r\r"
                     "¿Esta seguro de que desea eliminar el Banco ")
        + nombre + L(" junto con todos los datos asociados a él?");
}

void EliminacionBanco::DeclararBloqueos(PVAPI::cProcesarBloqueos& bloqueos) const
{
    const QString id = QString::number(m_id);
    const auto seleccion = [&id](const Dependientes& d) { return Seleccion(d).replace(QLatin1Char('?'), id); };
    bloqueos.DefinirBloqueo({.strTabla = L("Banco"),
                             .conBD = &m_con,
                             .strRegistro = id,
                             .blnComprobarExisteRegistro = true,
                             .strSQLExisteRegistro = L("SELECT IdBanco FROM Banco WHERE IdBanco=") + id});
    bloqueos.DefinirBloqueo(L("Sucursal"), m_con, L("SELECT IdSucursal FROM Sucursal WHERE codBanco=") + id);
    for (const Dependientes* d : kTodos)
        bloqueos.DefinirBloqueo(L(d->tabla), m_con, seleccion(*d));
    bloqueos.DefinirBloqueo(L("Contab_Enlace_Bancos"), m_con,
                            L("SELECT CodInstitucion, CodBanco, CodSubcuenta FROM Contab_Enlace_Bancos WHERE CodBanco = ")
                                + id);
}

qint64 EliminacionBanco::ContarDependientes() const
{
    qint64 total = 0;
    for (const Dependientes* d : kTodos)
        total += m_con.Query(QStringLiteral("SELECT COUNT(DISTINCT %1) %2").arg(L(d->clave), L(d->desde)), {m_id})
                     .value(0)
                     .toInt64();
    return total;
}

void EliminacionBanco::EliminarDependientes(const std::function<void(qint64)>& avance)
{
    m_con.Exec(L("DELETE FROM Contab_Enlace_Bancos WHERE CodBanco = ?"), {m_id});
    qint64 hechas = m_con.Exec(L("UPDATE Donativo SET PagoBanco = False WHERE IDDonativo IN (%1)").arg(Seleccion(kDonativos)),
                               {m_id});
    avance(hechas);
    for (const Dependientes* d : {&kRecibos, &kRemesas, &kEnlacesInstituciones, &kEnlacesDonantes, &kCuentas}) {
        const QString clave = L(d->clave).section(QLatin1Char('.'), 1);
        hechas += m_con.Exec(QStringLiteral("DELETE FROM %1 WHERE %2 IN (%3)").arg(L(d->tabla), clave, Seleccion(*d)),
                             {m_id});
        avance(hechas);
    }
}

bool EliminacionBanco::Existe() const
{
    return !m_con.Query(L("SELECT IDBanco FROM Banco WHERE IDBanco = ?"), {m_id}).isEOF();
}
