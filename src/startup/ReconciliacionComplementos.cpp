#include "startup/ReconciliacionComplementos.h"

#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"
#include "startup/IAccionesSetup.h"

#include <utility>

const char* const ReconciliacionComplementos::kConsultaVodidazaz =
    "SELECT * "
    "FROM Institucion WHERE IDInstitucion NOT IN "
    "(SELECT IDInstitucion FROM Institucion "
    "WHERE ResponsableNombre<>'' OR "
    "ResponsablePrimerApellido<>'' OR "
    "ResponsableSegundoApellido<>'' OR "
    "ResponsableTelefono<>'' OR "
    "ResponsableCargo<>'' OR "
    "ResponsableNIF<>'' OR "
    "DiaCobro<>0 OR "
    "Delegacion<>'' OR "
    "CIF<>'')";

const char* const ReconciliacionComplementos::kConsultaGestionParroquial =
    "SELECT * "
    "FROM Institucion WHERE IDInstitucion NOT IN "
    "(SELECT IDInstitucion FROM Institucion "
    "WHERE Parroco<>'' OR "
    "EncargadoArchivo<>'' OR "
    "Diocesis<>'' OR "
    "Vicaria<>'')";

ReconciliacionComplementos::ReconciliacionComplementos(db::Connection& conLocal,
                                                       const PVAPI::cInfoConfiguracion& infoConfig,
                                                       std::function<IAccionesSetup&()> acciones,
                                                       std::function<void()> trasSetup)
    : m_conLocal(conLocal),
      m_infoConfig(infoConfig),
      m_acciones(std::move(acciones)),
      m_trasSetup(std::move(trasSetup))
{
}

std::optional<bool> ReconciliacionComplementos::ValorSiNo(const db::Value& valor)
{
    if (valor.isNull())
        return std::nullopt;
    return valor.toBool();
}

bool ReconciliacionComplementos::Ejecutar()
{
    std::optional<bool> vodidazaz;
    std::optional<bool> gestionParroquial;
    std::optional<bool> contabilidad;
    {
        db::Recordset informacion = m_conLocal.Execute(QStringLiteral("SELECT * FROM Informacion"));
        vodidazaz = ValorSiNo(informacion.value(QStringLiteral("Vodidazaz")));
        gestionParroquial = ValorSiNo(informacion.value(QStringLiteral("GestionParroquial")));
        contabilidad = ValorSiNo(informacion.value(QStringLiteral("Contabilidad")));
    }

    if (vodidazaz == false && m_infoConfig.VodidazazDLL) {
        if (!ActivarConSetup(kConsultaVodidazaz, &IAccionesSetup::SetupVodidazaz, "Vodidazaz=True"))
            return false;
    } else if (vodidazaz == true && !m_infoConfig.VodidazazDLL) {
        Actualizar("Vodidazaz=False");
    }

    if (gestionParroquial == false && m_infoConfig.GestionParroquialDLL) {
        if (!ActivarConSetup(kConsultaGestionParroquial, &IAccionesSetup::SetupGestionParroquial,
                             "GestionParroquial=True"))
            return false;
    } else if (gestionParroquial == true && !m_infoConfig.GestionParroquialDLL) {
        Actualizar("GestionParroquial=False");
    }

    if (contabilidad == false && m_infoConfig.ContabilidadDLL)
        Actualizar("Contabilidad=True");
    else if (contabilidad == true && !m_infoConfig.ContabilidadDLL)
        Actualizar("Contabilidad=False, GestionContable=False");
    return true;
}

bool ReconciliacionComplementos::ActivarConSetup(const char* consulta, bool (IAccionesSetup::*setup)(),
                                                 const char* asignacion)
{
    const bool faltanDatos = !m_conLocal.Execute(QString::fromUtf8(consulta)).isEOF();
    if (faltanDatos) {
        if (!(m_acciones().*setup)())
            return false;
    }
    Actualizar(asignacion);
    if (faltanDatos && m_trasSetup)
        m_trasSetup();
    return true;
}

void ReconciliacionComplementos::Actualizar(const char* asignacion)
{
    m_conLocal.Execute(QStringLiteral("UPDATE Informacion SET ") + QString::fromUtf8(asignacion));
}
