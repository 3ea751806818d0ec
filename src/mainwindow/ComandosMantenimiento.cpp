#include "mainwindow/ComandosMantenimiento.h"

#include "core/RegistroComandos.h"
#include "core/denDuzediv.h"
#include "mantenimiento/IServicioMantenimiento.h"
#include "platform/compresor/ZlibTool.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/cInfoConfiguracion.h"

namespace {

using V = IVentanaMantenimiento;

void Anadir(ColeccionConexiones& col, qint16 id, db::Connection& con, const QString& descripcion)
{
    auto descriptor = std::make_shared<cConexion>();
    descriptor->IDConexion = id;
    descriptor->ConexionBD = &con;
    descriptor->Descripcion = descripcion;
    descriptor->RecuperadaCopiaSeg = false;
    col.Add(descriptor, QString::number(id));
}

// The connection's data source; its usual bare name means the program folder.
QString Fichero(V& v, const db::Connection& con, const QString& nombre)
{
    const QString origen = con.Property(QStringLiteral("Data Source"));
    if (origen.compare(nombre, Qt::CaseInsensitive) == 0)
        return v.CarpetaPrograma() + QLatin1Char('\\') + nombre;
    return origen;
}

// The backup and the restore hand the same lists over.
using Llamada = void (IServicioMantenimiento::*)(ColeccionConexiones&, QStringList&,
                                                  std::shared_ptr<compresor::ZlibTool>&, PVAPI::cInfoConfiguracion&);

ColeccionConexiones CopiaORestauracion(V& v, Llamada llamada)
{
    ColeccionConexiones colConexiones;
    ObtenerConexionesDatos(v, colConexiones, true, false, true);
    QStringList ficheros = ObtenerFicherosDatos(v);
    std::shared_ptr<compresor::ZlibTool>& compresor = v.zltCompresor();
    if (!compresor)
        compresor = std::make_shared<compresor::ZlibTool>();
    (v.ServicioMantenimiento().*llamada)(colConexiones, ficheros, compresor, v.InfoConfig());
    return colConexiones;
}

void mnuHerramientasSeguridadCopia_Click(V& v)
{
    CopiaORestauracion(v, &IServicioMantenimiento::RealizarCopiaSeg);
}

void mnuHerramientasSeguridadRecuperar_Click(V& v)
{
    const ColeccionConexiones colConexiones = CopiaORestauracion(v, &IServicioMantenimiento::RestaurarCopiaSeg);
    bool recuperada = false;
    for (const auto& c : colConexiones)
        recuperada = recuperada || c->RecuperadaCopiaSeg;
    if (recuperada)
        v.RecargarTrasRestaurar();
    // The list may show rows of the data that was replaced.
    v.ActualizarLista();
}

void mnuHerramientasCompactar_Click(V& v)
{
    ColeccionConexiones colConexiones;
    ObtenerConexionesDatos(v, colConexiones, true, true, true);
    v.ServicioMantenimiento().CompactarRepararBD(colConexiones, v.InfoConfig());
}

void mnuHerramientasCambiarMunicipios_Click(V& v)
{
    v.ServicioMantenimiento().CambiarMunicipios(v.Datos().conLocal);
}

} // namespace

void ObtenerConexionesDatos(IVentanaMantenimiento& ventana, ColeccionConexiones& colConexiones, bool blnLocal,
                            bool blnInformes, bool blnContabilidad)
{
    denDuzediv& datos = ventana.Datos();
    if (blnLocal)
        Anadir(colConexiones, conexion::Parroquia, datos.conLocal, QStringLiteral("Datos de DUZEDIV"));
    if (blnInformes)
        Anadir(colConexiones, conexion::Informes, datos.conInformes, QStringLiteral("Datos de INFORMES Y LISTADOS"));
    if (blnContabilidad && ventana.InfoConfig().ContabilidadDLL)
        Anadir(colConexiones, conexion::Contabilidad, datos.conContabilidad, QStringLiteral("Datos de CONTABILIDAD"));
}

QStringList ObtenerFicherosDatos(IVentanaMantenimiento& ventana)
{
    denDuzediv& datos = ventana.Datos();
    return {Fichero(ventana, datos.conLocal, QStringLiteral("duzediv.mdb")),
            Fichero(ventana, datos.conContabilidad, QStringLiteral("contabilidad.mdb")),
            Fichero(ventana, datos.conInformes, QStringLiteral("informes.mdb")),
            ventana.CarpetaPrograma() + QStringLiteral("\\Imagenes.img")};
}

void RegistrarComandosMantenimiento(RegistroComandos& comandos, IVentanaMantenimiento& ventana)
{
    IVentanaMantenimiento* v = &ventana;
    comandos.Registrar(QStringLiteral("mnuHerramientasSeguridadCopia"), [v] { mnuHerramientasSeguridadCopia_Click(*v); });
    comandos.Registrar(QStringLiteral("mnuHerramientasSeguridadRecuperar"),
                       [v] { mnuHerramientasSeguridadRecuperar_Click(*v); });
    comandos.Registrar(QStringLiteral("mnuHerramientasCompactar"), [v] { mnuHerramientasCompactar_Click(*v); });
    comandos.Registrar(QStringLiteral("mnuHerramientasCambiarMunicipios"),
                       [v] { mnuHerramientasCambiarMunicipios_Click(*v); });
}
