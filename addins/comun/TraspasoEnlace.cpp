#include "comun/TraspasoEnlace.h"

#include "comun/EmpresasContabilidad.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace traspaso_enlace {

namespace {

const char* const kSubcuentasInstitucion[] = {"CodSubcuentaCaja", "CodSubcuentaGrupo7Caja",
                                              "CodSubcuentaGrupo7Banco"};

// Sub-account ids of one company to those of the same code in another.
class Equivalencias {
public:
    Equivalencias(db::Connection& con, qint32 destino) : m_con(con), m_destino(destino) {}

    // The receiving company's sub-account for `id`; Null when there is none
    // (its code is then listed in `faltan`).
    db::Value De(const db::Value& id)
    {
        if (id.isNull())
            return {};
        const qint64 clave = id.toInt64();
        if (!m_hechas.contains(clave))
            m_hechas.insert(clave, Buscar(clave));
        return m_hechas.value(clave);
    }

    QStringList faltan;

private:
    db::Value Buscar(qint64 id)
    {
        db::Recordset origen = m_con.Query(QStringLiteral("SELECT Codigo FROM Cuenta WHERE IDCuenta = ?"), {id});
        if (origen.isEOF())
            return {};
        const QString codigo = origen.value(0).toString();
        db::Recordset destino = m_con.Query(
            QStringLiteral("SELECT IDCuenta FROM Cuenta WHERE CodEmpresa = ? AND CodTipo_Cuenta = 2 AND Codigo = ?"),
            {db::Value(m_destino), codigo});
        if (destino.isEOF()) {
            if (!faltan.contains(codigo))
                faltan << codigo;
            return {};
        }
        return destino.value(0);
    }

    db::Connection& m_con;
    qint32 m_destino;
    QHash<qint64, db::Value> m_hechas;
};

int Mensaje(const QString& texto, int botones)
{
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, botones);
}

QString NombreEmpresa(db::Connection& conContabilidad, qint32 id)
{
    using addins::EmpresasContabilidad;
    EmpresasContabilidad::Empresa empresa;
    return EmpresasContabilidad::Leer(conContabilidad, id, empresa) ? EmpresasContabilidad::Nombre(empresa)
                                                                    : QString::number(id);
}

} // namespace

int Traspasar(db::Connection& conLocal, db::Connection& conContabilidad, qint32 origen, qint32 destino,
              bool preguntar)
{
    const QString donde = origen == 0 ? QStringLiteral("CodEmpresa <> ?") : QStringLiteral("CodEmpresa = ?");
    const db::Value empresa = origen == 0 ? db::Value(destino) : db::Value(origen);
    QList<qint64> instituciones;
    for (db::Recordset rs = conLocal.Query(
             QStringLiteral("SELECT CodInstitucion FROM Contab_Enlace_Institucion WHERE ") + donde, {empresa});
         !rs.isEOF(); rs.MoveNext())
        instituciones << rs.value(0).toInt64();
    if (instituciones.isEmpty() || destino == 0) {
        if (preguntar)
            Mensaje(QStringLiteral("¡Ninguna institución tiene el enlace con contabilidad en otra empresa!"),
                    ui::vbOKOnly + ui::vbInformation);
        return 0;
    }
    if (preguntar
        && Mensaje(QStringLiteral("Se dispone a pasar el enlace con contabilidad de %1 institución(es) a la empresa "
                                  "%2.\r\n¿Desea continuar?")
                       .arg(instituciones.size())
                       .arg(NombreEmpresa(conContabilidad, destino)),
                   ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2)
               != ui::vbYes)
        return 0;

    Equivalencias equivalencias(conContabilidad, destino);
    db::Transaction transaccion(conLocal);
    for (const qint64 institucion : instituciones) {
        db::Recordset enlace = conLocal.Query(
            QStringLiteral("SELECT CodSubcuentaCaja, CodSubcuentaGrupo7Caja, CodSubcuentaGrupo7Banco "
                           "FROM Contab_Enlace_Institucion WHERE CodInstitucion = ?"),
            {db::Value(institucion)});
        QList<db::Value> valores {db::Value(destino)};
        for (int i = 0; i < 3; ++i)
            valores << equivalencias.De(enlace.value(i));
        valores << db::Value(institucion);
        conLocal.Exec(QStringLiteral("UPDATE Contab_Enlace_Institucion SET CodEmpresa = ?, %1 = ?, %2 = ?, %3 = ? "
                                     "WHERE CodInstitucion = ?")
                          .arg(QLatin1String(kSubcuentasInstitucion[0]), QLatin1String(kSubcuentasInstitucion[1]),
                               QLatin1String(kSubcuentasInstitucion[2])),
                      valores);
        for (db::Recordset donante = conLocal.Query(
                 QStringLiteral("SELECT CodPadron, CodSubcuenta FROM Contab_Enlace_Padron WHERE CodInstitucion = ?"),
                 {db::Value(institucion)});
             !donante.isEOF(); donante.MoveNext())
            conLocal.Exec(QStringLiteral("UPDATE Contab_Enlace_Padron SET CodSubcuenta = ? "
                                         "WHERE CodPadron = ? AND CodInstitucion = ?"),
                          {equivalencias.De(donante.value(1)), donante.value(0), db::Value(institucion)});
    }
    transaccion.Commit();

    if (!equivalencias.faltan.isEmpty())
        Mensaje(QStringLiteral("La empresa %1 no tiene las subcuentas %2: esos enlaces han quedado vacíos y hay que "
                               "completarlos a mano.")
                    .arg(NombreEmpresa(conContabilidad, destino), equivalencias.faltan.join(QStringLiteral(", "))),
                ui::vbOKOnly + ui::vbExclamation);
    else if (preguntar)
        Mensaje(QStringLiteral("El enlace con contabilidad ha pasado a la empresa %1.")
                    .arg(NombreEmpresa(conContabilidad, destino)),
                ui::vbOKOnly + ui::vbInformation);
    return int(instituciones.size());
}

} // namespace traspaso_enlace
