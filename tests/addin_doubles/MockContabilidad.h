#pragma once

#include "platform/addins/cContabilidad.h"

// gmock prints and matches the picture list by value: it needs QIcon whole.
#include <QIcon>
#include <gmock/gmock.h>

namespace dobles {

// gmock mock of addins::cContabilidad. Unless a test says otherwise,
// ObtenerPasswordContabilidad answers the accounting database's password, as
// the add-in does, and every other member does nothing and returns an empty
// value (false, 0).
class MockContabilidad : public addins::cContabilidad {
public:
    MockContabilidad();
    ~MockContabilidad() override;

    MOCK_METHOD(QString, ObtenerPasswordContabilidad, (const QString& strAplicacion), (override));
    MOCK_METHOD(void, CargarArbol, (db::Connection& conContabilidad, QTreeWidget& trvConta,
                const addins::ListaImagenes& imlConta, qint16 intTipo, qint32& lngEmpresa), (override));
    MOCK_METHOD(void, NuevaEmpresa, (const cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngCodNuevaEmpr), (override));
    MOCK_METHOD(void, EditaEmpresa, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EliminaEmpresa, (cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngID,
                bool& blnEliminada), (override));
    MOCK_METHOD(void, NuevoAsiento, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, NuevoAsientoPredefinido, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, NuevoPresupuesto, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32 lngEmpresa), (override));
    MOCK_METHOD(void, NuevoGrupo, (cConfigContabilidad& objConfig, db::Connection& conContabilidad), (override));
    MOCK_METHOD(void, EditarAsiento, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EditarAsientoPredefinido, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EditarPresupuesto, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EditarGrupo, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EliminarAsiento, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EliminarAsientoPredefinido, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EliminarPresupuesto, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, EliminarGrupo, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngID), (override));
    MOCK_METHOD(void, NuevaCuenta, (cConfigContabilidad& objConfig, db::Connection& conContabilidad, qint32& lngEmpresa,
                bool& blnCancelar), (override));
    MOCK_METHOD(void, EditarCuenta, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa, qint32& lngCuenta, bool& blnCancelar), (override));
    MOCK_METHOD(void, EliminarCuenta, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa, qint32& lngCuenta, QTreeWidget* trvConta), (override));
    MOCK_METHOD(void, NuevaSubcuenta, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa, bool& blnCancelar), (override));
    MOCK_METHOD(void, EditarSubcuenta, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa, qint32& lngSubcuenta, bool& blnCancelar), (override));
    MOCK_METHOD(void, EliminarSubcuenta, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32 lngEmpresa, qint32& lngID), (override));
    MOCK_METHOD(void, NuevoEpigrafe, (cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento, qint32& lngNaturaleza,
                bool& blnCancelar), (override));
    MOCK_METHOD(void, EditarEpigrafe, (cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                db::Connection& conContabilidad, qint32& lngEmpresa, qint32& lngDocumento,
                bool& blnCancelar), (override));
    MOCK_METHOD(void, EliminarEpigrafe, (cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                db::Connection& conContabilidad, qint32& lngEmpresa), (override));
    MOCK_METHOD(void, AsignarCuenta, (cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza,
                bool& blnCancelar), (override));
    MOCK_METHOD(void, DesasignarCuenta, (cConfigContabilidad& objConfig, QTreeWidget& trvConta,
                db::Connection& conContabilidad, qint32& lngEmpresa, qint32 lngNaturaleza), (override));
    MOCK_METHOD(bool, AbrirEjercicio, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa), (override));
    MOCK_METHOD(bool, CerrarEjercicio, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa), (override));
    MOCK_METHOD(bool, RecalcularTotales, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa), (override));
    MOCK_METHOD(void, RenumerarAsientos, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa), (override));
    MOCK_METHOD(void, MoverSubctaDiario, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                qint32& lngEmpresa), (override));
    MOCK_METHOD(void, ConsolidarEmpresas, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                bool& blnCancelar), (override));
    MOCK_METHOD(void, AsistenteCopiarDatos, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                bool& blnCancelar, qint32& lngEmpresa), (override));
    MOCK_METHOD(void, AsistenteExportar, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                bool& blnCancelar), (override));
    MOCK_METHOD(void, AsistenteImportar, (cConfigContabilidad& objConfig, db::Connection& conContabilidad,
                bool& blnCancelar), (override));
};

} // namespace dobles
