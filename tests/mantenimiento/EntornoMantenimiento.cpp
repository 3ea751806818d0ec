#include "EntornoMantenimiento.h"

#include "platform/locks/LockSession.h"

#include <QCryptographicHash>
#include <QFile>

EntornoMantenimiento::EntornoMantenimiento(long edicion)
    : carpeta(OpcionesCarpetaPrograma{edicion, true}), conLocal(carpeta.abrir(BaseDatosPrograma::Duzediv)),
      conInformes(carpeta.abrir(BaseDatosPrograma::Informes)),
      conContabilidad(carpeta.abrir(BaseDatosPrograma::Contabilidad)), m_edicion(edicion)
{
    info.ContabilidadDLL = true;
    info.Usuario = QStringLiteral("Administrador");
    info.Aplicacion = QString::number(edicion);
}

EntornoMantenimiento::~EntornoMantenimiento()
{
    PVAPI::LockSession::CloseAll();
}

cMantenimientoBD& EntornoMantenimiento::Servicio()
{
    OpcionesMantenimiento opciones;
    opciones.edicion = m_edicion;
    opciones.dialogos = dialogos;
    if (!accesoReal) {
        opciones.accesoExclusivo = [this] { return std::make_unique<AccesoGrabado>(llamadasAcceso, exclusivo); };
    }
    opciones.escribirArchivo = escribir;
    mantenimiento = std::make_unique<cMantenimientoBD>(servicio, opciones);
    return *mantenimiento;
}

ColeccionConexiones EntornoMantenimiento::Conexiones(bool conInformesBD)
{
    ColeccionConexiones col;
    const auto anadir = [&col](qint16 id, db::Connection& con, const char* descripcion) {
        auto c = std::make_shared<cConexion>();
        c->IDConexion = id;
        c->ConexionBD = &con;
        c->Descripcion = QString::fromUtf8(descripcion);
        col.Add(c, QString::number(id));
    };
    anadir(conexion::Parroquia, conLocal, "Datos de DUZEDIV");
    if (conInformesBD)
        anadir(conexion::Informes, conInformes, "Datos de INFORMES Y LISTADOS");
    if (contabilidad)
        anadir(conexion::Contabilidad, conContabilidad, "Datos de CONTABILIDAD");
    return col;
}

QStringList EntornoMantenimiento::Ficheros() const
{
    return {carpeta.file(QStringLiteral("Duzediv.mdb")), carpeta.file(QStringLiteral("Contabilidad.mdb")),
            carpeta.file(QStringLiteral("Informes.mdb")), carpeta.file(QStringLiteral("Imagenes.img"))};
}

void EntornoMantenimiento::RealizarCopia(const QString& archivo)
{
    dialogos->archivoNuevo = archivo;
    ColeccionConexiones col = Conexiones();
    QStringList ficheros = Ficheros();
    Servicio().RealizarCopiaSeg(col, ficheros, compresor, info);
}

bool EntornoMantenimiento::Restaurar(const QString& archivo)
{
    dialogos->archivoExistente = archivo;
    ColeccionConexiones col = Conexiones();
    QStringList ficheros = Ficheros();
    Servicio().RestaurarCopiaSeg(col, ficheros, compresor, info);
    return col.Item(QStringLiteral("1"))->RecuperadaCopiaSeg;
}

void EntornoMantenimiento::Reparar()
{
    ColeccionConexiones col = Conexiones(true);
    Servicio().CompactarRepararBD(col, info);
}

QByteArray EntornoMantenimiento::Huella(const QString& nombre) const
{
    QFile f(carpeta.file(nombre));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QList<QByteArray> EntornoMantenimiento::HuellasDatos() const
{
    return {Huella(QStringLiteral("Duzediv.mdb")), Huella(QStringLiteral("Contabilidad.mdb"))};
}
