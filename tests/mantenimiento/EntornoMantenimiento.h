#pragma once

#include "fixtures/TempProgramFolder.h"

#include "mantenimiento/IAccesoExclusivoBD.h"
#include "mantenimiento/IDialogosMantenimiento.h"
#include "mantenimiento/cMantenimientoBD.h"
#include "platform/compresor/ZlibTool.h"
#include "platform/pvapi/cDuzediv.h"
#include "platform/pvapi/cInfoConfiguracion.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// The user's answers to the maintenance dialogs.
class DialogosRespondidos : public IDialogosMantenimiento {
public:
    QString ArchivoCopiaNuevo(const QString& sugerido) override
    {
        sugeridos << sugerido;
        return archivoNuevo;
    }
    QString ArchivoCopiaExistente(const QString&) override { return archivoExistente; }
    std::optional<EleccionMunicipios> ElegirMunicipios(db::Connection&) override { return municipios; }

    QString archivoNuevo;
    QString archivoExistente;
    std::optional<EleccionMunicipios> municipios;
    QStringList sugeridos;
};

// The locking service as a test states it: whether another workstation is
// connected, and the calls in order (shared by every object made).
class AccesoGrabado : public IAccesoExclusivoBD {
public:
    AccesoGrabado(std::shared_ptr<QStringList> llamadas, bool exclusivo) : m_llamadas(std::move(llamadas)), m_exclusivo(exclusivo) {}
    void Inicializar(const QString&) override { *m_llamadas << QStringLiteral("Inicializar"); }
    void EstablecerBloqueoEntradaAplicacion() override { *m_llamadas << QStringLiteral("BloqueoEntrada"); }
    bool blnComprobarAccesoExclusivo(const QString&, db::Connection&) override
    {
        *m_llamadas << QStringLiteral("AccesoExclusivo");
        return m_exclusivo;
    }
    void LiberarBloqueos() override { *m_llamadas << QStringLiteral("Liberar"); }

private:
    std::shared_ptr<QStringList> m_llamadas;
    bool m_exclusivo;
};

// A program folder with its three databases open, as the main window holds
// them, and the maintenance service over it.
class EntornoMantenimiento {
public:
    explicit EntornoMantenimiento(long edicion = PVAPI::cCAplicacion::EdicionDeLaCompilacion);
    // Closes the lock sessions while the folder is still there.
    ~EntornoMantenimiento();

    // Descriptors 1 and 3 (backup, restore) or 1, 2 and 3 (repair).
    ColeccionConexiones Conexiones(bool conInformes = false);
    QStringList Ficheros() const;

    // Another workstation is connected from now on.
    void OtroPuestoConectado() { exclusivo = false; }

    void RealizarCopia(const QString& archivo);
    // Runs the restore of `archivo`; true when the parish descriptor says it
    // was restored.
    bool Restaurar(const QString& archivo);
    void Reparar();

    // SHA-256 of a file of the program folder.
    QByteArray Huella(const QString& nombre) const;
    // The hashes of the parish and accounting databases.
    QList<QByteArray> HuellasDatos() const;

    QTemporaryDir fuera; // where archives go, outside the program folder
    TempProgramFolder carpeta;
    db::Connection conLocal;
    db::Connection conInformes;
    db::Connection conContabilidad;
    PVAPI::cDuzediv servicio;
    PVAPI::cInfoConfiguracion info;
    std::shared_ptr<compresor::ZlibTool> compresor;
    std::shared_ptr<DialogosRespondidos> dialogos = std::make_shared<DialogosRespondidos>();
    std::shared_ptr<QStringList> llamadasAcceso = std::make_shared<QStringList>();
    bool exclusivo = true;
    // Descriptor 3 in the lists (the accounting add-in is present).
    bool contabilidad = true;
    bool accesoReal = false;
    FuncionEscritura escribir;
    std::unique_ptr<cMantenimientoBD> mantenimiento;

private:
    cMantenimientoBD& Servicio();
    long m_edicion;
};
