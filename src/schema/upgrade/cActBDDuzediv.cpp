#include "schema/upgrade/cActBDDuzediv.h"

#include "schema/upgrade/ActualizarEstructura201.h"
#include "schema/upgrade/ActualizarEstructura210.h"
#include "schema/upgrade/ActualizarEstructura220.h"
#include "schema/upgrade/ActualizarImportesAEuros.h"
#include "schema/upgrade/AvisoFalloActualizacion.h"
#include "schema/upgrade/CompactacionEnSitio.h"
#include "schema/upgrade/CopiaSeguridadBD.h"
#include "schema/upgrade/PasoVersion.h"
#include "schema/upgrade/PreparacionPaso.h"
#include "schema/upgrade/RutaActualizacion.h"

#include "platform/db/Connection.h"
#include "platform/db/Transaction.h"
#include "platform/pvapi/cParchearBd.h"
#include "platform/vb/Texto.h"
#include "platform/vb/VbError.h"
#include "schema/Estructura.h"
#include "schema/RecuentoCenso.h"
#include "seed/SemillasContabilidad.h"
#include "seed/SemillasDuzediv.h"
#include "core/cConstante.h"

#include <QtDebug>
#include <optional>

namespace {

const QString kCopiaContabilidad = QStringLiteral("ContV212");
const QString kCopiaContabilidadSinPredeterminados = QStringLiteral("ContSinDatPredetV212");

// The step's failure, raised when the schema step or the repair report one
// through their result.
[[noreturn]] void FallarPaso(const QString& motivo)
{
    throw vb::VbError(vb::ErrInvalidCall, motivo, QStringLiteral("cActBDDuzediv"));
}

} // namespace

cActBDDuzediv::cActBDDuzediv(db::Connection& conLocal, db::Connection* conContabilidad,
                             OpcionesActualizacion opciones)
    : m_conLocal(conLocal), m_conContabilidad(conContabilidad), m_opciones(std::move(opciones))
{
}

void cActBDDuzediv::ComprobarVersionBD()
{
    LimpiarTemporalesAbandonados(m_conLocal);
    db::Recordset rs = m_conLocal.Execute(QStringLiteral("SELECT Version FROM Informacion"));
    if (rs.RecordCount() == 0)
        return;
    QString version = vb::Trim(rs.value(QStringLiteral("Version")).toString());
    rs.Close();
    ActualizarVersion(version);
}

void cActBDDuzediv::ActualizarVersion(QString& version)
{
    const QList<int> ruta = RutaActualizacion(cConstante(m_opciones.edicion).Aplicacion());
    if (ruta.isEmpty())
        return;

    bool terminado = false;
    bool fallido = false;
    bool actualizada = false;
    bool compactar = false;
    while (!terminado && !fallido) {
        terminado = true;
        for (int numero : ruta) {
            const PasoVersion& paso = PasoNumero(numero);
            if (paso.desde != version)
                continue;
            fallido = !EjecutarPasoVersion(paso);
            actualizada = actualizada || !fallido;
            compactar = compactar || (!fallido && paso.compactar);
            version = paso.hasta;
            terminado = false;
            break;
        }
    }

    if (actualizada || (!fallido && version == VERSION_DUZEDIV)) {
        // An upgraded database gets the indexes a new one has, so that its
        // lists are as fast; so does a current one made before an index was
        // added. A failure here loses nothing.
        try {
            CrearIndicesQueFalten(m_conLocal, EsquemaDuzediv());
        } catch (const vb::VbError& error) {
            qWarning().noquote() << "No se han podido crear los índices:" << error.description();
        }
        // And the census count kept by the database, made again when a
        // rebuilt table lost its triggers. Without it the list counts the
        // census itself, as before.
        try {
            CrearRecuentoCenso(m_conLocal);
        } catch (const vb::VbError& error) {
            qWarning().noquote() << "No se ha podido crear el recuento del censo:" << error.description();
        }
    }
    // The steps that emptied tables set their counters back inside their
    // transaction; what the compaction still gives is a tidy file, which one
    // compaction after the last committed step gives as well as one per step.
    if (compactar && !Compactar())
        fallido = true;
    if (fallido)
        AvisarFalloActualizacion(version, m_opciones.terminarPrograma);
}

bool cActBDDuzediv::EjecutarPasoVersion(const PasoVersion& paso)
{
    const bool conContabilidad = paso.renuevaContabilidad && ContabilidadAbierta();
    try {
        HacerCopias(paso, conContabilidad);
        EjecutarTransaccion(paso, conContabilidad);
    } catch (const vb::VbError& error) {
        qWarning().noquote() << "Falla la actualización a la versión" << paso.hasta << ":" << error.number()
                             << error.description();
        return false;
    }
    return true;
}

bool cActBDDuzediv::Compactar()
{
    try {
        CompactarEnSitio(m_conLocal);
        return true;
    } catch (const vb::VbError& error) {
        // The steps are committed, but without its connection the program
        // cannot go on.
        qWarning().noquote() << "No se ha podido abrir de nuevo la base de datos:" << error.description();
        return false;
    }
}

// Every copy is made before anything changes: a copy that cannot be made
// fails the step with both databases untouched.
void cActBDDuzediv::HacerCopias(const PasoVersion& paso, bool conContabilidad)
{
    for (const QString& etiqueta : paso.copias)
        CopiarBDAntesDeActualizar(m_conLocal, etiqueta);
    if (!conContabilidad)
        return;
    CopiarBDAntesDeActualizar(*m_conContabilidad, kCopiaContabilidad);
    CopiarCopiaPreparada(*m_conContabilidad, kCopiaContabilidad, kCopiaContabilidadSinPredeterminados,
                         [](db::Connection& copia) { BorrarTablasPredeterminadas(copia); });
}

// The accounting defaults and the parish step commit together as far as two
// files allow: the accounting transaction is committed just before the
// parish one and rolled back with it on any failure before.
void cActBDDuzediv::EjecutarTransaccion(const PasoVersion& paso, bool conContabilidad)
{
    std::optional<db::Transaction> transaccionContabilidad;
    if (conContabilidad) {
        transaccionContabilidad.emplace(*m_conContabilidad);
        RenovarTablasPredeterminadas(*m_conContabilidad);
    }
    db::Transaction transaccion(m_conLocal);
    PrepararPaso(m_conLocal, paso.tablasABorrar, paso.tablasAVaciar);
    EjecutarSubpasos(paso);
    m_conLocal.Execute(QStringLiteral("UPDATE Informacion SET Version = '%1'").arg(paso.hasta));
    if (transaccionContabilidad)
        transaccionContabilidad->Commit();
    transaccion.Commit();
}

void cActBDDuzediv::EjecutarSubpasos(const PasoVersion& paso)
{
    for (SubPaso subpaso : paso.subpasos) {
        switch (subpaso) {
        case SubPaso::Estructura201: ActualizarEstructura201(m_conLocal); break;
        case SubPaso::Estructura210: ActualizarEstructura210(m_conLocal); break;
        case SubPaso::Estructura203: ActualizarEstructura203(m_conLocal); break;
        case SubPaso::ImportesAEuros: ActualizarImportesAEuros(m_conLocal, m_opciones.servicio); break;
        case SubPaso::ComunidadesAutonomas: InsertarComunidadesAutonomas(m_conLocal); break;
        case SubPaso::Deducciones: InsertarDeducciones(m_conLocal); break;
        case SubPaso::Nodos: InsertarNodos(m_conLocal); break;
        case SubPaso::Campos: InsertarCampos(m_conLocal); break;
        case SubPaso::Informes: InsertarInformes(m_conLocal); break;
        case SubPaso::InformesValdena: InsertarInformesValdena(m_conLocal); break;
        case SubPaso::TiposVia: InsertarTiposVia(m_conLocal); break;
        case SubPaso::CamposConClave: InsertarCamposConClave(m_conLocal); break;
        case SubPaso::NodosConClave: InsertarNodosConClave(m_conLocal); break;
        case SubPaso::InformesMirante: InsertarInformesMirante(m_conLocal); break;
        case SubPaso::Estructura220YReparacion: {
            const bool estructura = ActualizarEstructura220(m_conLocal);
            const bool reparacion = RepararBautismo();
            if (!estructura)
                FallarPaso(QStringLiteral("Ha fallado la actualización de la estructura a la versión 2.2.0."));
            if (!reparacion)
                FallarPaso(QStringLiteral("Ha fallado la corrección de los datos de bautismo."));
            break;
        }
        }
    }
}

bool cActBDDuzediv::RepararBautismo()
{
    if (m_opciones.repararBautismo)
        return m_opciones.repararBautismo(m_conLocal);
    return PVAPI::cParchearBd().blnCorregirProblemasBautismo(m_conLocal);
}

bool cActBDDuzediv::ContabilidadAbierta() const
{
    return m_conContabilidad && m_conContabilidad->isOpen();
}
