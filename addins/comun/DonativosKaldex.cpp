#include "comun/DonativosKaldex.h"

#include "comun/LectorDbf.h"
#include "comun/LibrosKaldex.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/Paths.h"
#include "platform/vb/VbError.h"

#include <QHash>
#include <QRegularExpression>

#include <cmath>
#include <memory>

namespace {

constexpr double kPesetasPorEuro = 166.386;

// A table of the module, open, with the positions of the mapped fields.
struct Tabla {
    std::unique_ptr<LectorDbf> lector;
    QHash<QString, int> indices;
    QString nombre;

    QVariant Valor(const char* campo) const
    {
        const int i = indices.value(QString::fromLatin1(campo), -1);
        return i < 0 ? QVariant() : lector->Valor(i);
    }
    QString Texto(const char* campo) const { return Valor(campo).toString().trimmed(); }
};

// Opens a table and checks it against the mapping: unmapped fields are
// incidences, a missing required field refuses the whole module.
Tabla Abrir(const QString& carpeta, const char* archivo, const QStringList& campos, const QStringList& requeridos,
            QStringList& incidencias)
{
    Tabla tabla;
    tabla.nombre = QString::fromLatin1(archivo);
    const QString ruta = os::FindFileCaseInsensitive(os::NormalizeSeparators(carpeta), tabla.nombre);
    if (ruta.isEmpty())
        throw LectorDbf::ErrorDbf(QStringLiteral("No se encuentra el archivo '%1'.").arg(tabla.nombre));
    tabla.lector = std::make_unique<LectorDbf>(ruta);
    for (int i = 0; i < tabla.lector->Campos().size(); ++i) {
        const QString nombre = tabla.lector->Campos()[i].nombre;
        if (campos.contains(nombre))
            tabla.indices.insert(nombre, i);
        else
            incidencias << QStringLiteral("%1: el campo %2 no se importa").arg(tabla.nombre, nombre);
    }
    QStringList faltan;
    for (const QString& requerido : requeridos) {
        if (!tabla.indices.contains(requerido))
            faltan << requerido;
    }
    if (!faltan.isEmpty())
        throw LectorDbf::ErrorDbf(QStringLiteral("Al archivo '%1' le faltan los campos %2.")
                                      .arg(tabla.nombre, faltan.join(QStringLiteral(", "))));
    return tabla;
}

bool Digitos(const QString& texto, int largo)
{
    static const QRegularExpression digitos(QStringLiteral("^\\d+$"));
    return texto.size() == largo && digitos.match(texto).hasMatch();
}

class Transaccion {
public:
    explicit Transaccion(db::Connection& con) : m_con(con) { m_con.BeginTrans(); }
    ~Transaccion()
    {
        if (!m_hecha) {
            try {
                m_con.RollbackTrans();
            } catch (const std::exception& error) {
                qWarning("No se ha podido deshacer la importación: %s", error.what());
            }
        }
    }
    void Confirmar()
    {
        m_con.CommitTrans();
        m_hecha = true;
    }
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

private:
    db::Connection& m_con;
    bool m_hecha = false;
};

class Importador {
public:
    Importador(db::Connection& con, const OpcionesDonativosKaldex& op, ResultadoDonativosKaldex& r,
               const std::function<void(int, qint64, qint64)>& progreso)
        : m_con(con), m_op(op), m_r(r), m_progreso(progreso)
    {
    }

    void Importar()
    {
        QStringList& inc = m_r.incidencias;
        Tabla sucu = Abrir(m_op.carpeta, "sucu.dbf", {"BANCO", "SUCURSAL", "NOMBRE"}, {"BANCO", "SUCURSAL"}, inc);
        Tabla reci = Abrir(m_op.carpeta, "reci.dbf",
                           {"CODIGO", "NOMBRE", "NIF", "DIRECCION", "CP", "BANCO", "SUCURSAL", "DC", "CUENTA"},
                           {"CODIGO", "NOMBRE"}, inc);
        Tabla lineas = Abrir(m_op.carpeta, "re_l.dbf", {"CODIGO", "IMPORTE", "DESCRIP"}, {"CODIGO", "IMPORTE"}, inc);

        Sucursales(sucu);
        m_tipo = TipoDonativo();
        Donantes(reci);
        Donativos(lineas);
    }

private:
    void Incidencia(const Tabla& tabla, qint64 registro, const QString& texto)
    {
        m_r.incidencias << QStringLiteral("%1: registro %2, %3").arg(tabla.nombre).arg(registro).arg(texto);
    }

    // Banks by code, branches by bank and code; both reused when present.
    void Sucursales(Tabla& sucu)
    {
        qint64 n = 0;
        Avance(0, sucu, 0);
        while (sucu.lector->Siguiente()) {
            ++n;
            if (sucu.lector->Borrado())
                continue;
            const QString banco = sucu.Texto("BANCO");
            const QString sucursal = sucu.Texto("SUCURSAL");
            if (!Digitos(banco, 4) || !Digitos(sucursal, 4)) {
                Incidencia(sucu, n,
                           QStringLiteral("banco con datos incorrectos ('%1' '%2'): sus donativos serán por caja")
                               .arg(banco, sucursal));
                continue;
            }
            qint64 idBanco = Buscar(QStringLiteral("SELECT IDBanco FROM Banco WHERE Codigo = ?"), {banco});
            if (idBanco == 0) {
                const QString nombre = sucu.Texto("NOMBRE");
                m_con.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)"),
                           {banco, nombre.isEmpty() ? banco : nombre.left(100)});
                idBanco = m_con.LastInsertId();
            }
            qint64 idSucursal = Buscar(QStringLiteral("SELECT IDSucursal FROM Sucursal WHERE CodBanco = ? AND "
                                                      "Codigo = ?"),
                                       {idBanco, sucursal});
            if (idSucursal == 0) {
                m_con.Exec(QStringLiteral("INSERT INTO Sucursal (CodBanco, Codigo) VALUES (?, ?)"), {idBanco, sucursal});
                idSucursal = m_con.LastInsertId();
                ++m_r.sucursales;
            }
            m_sucursales.insert(banco + sucursal, idSucursal);
            if (n % 256 == 0)
                Avance(0, sucu, n);
        }
        Avance(0, sucu, n);
    }

    void Avance(int paso, const Tabla& tabla, qint64 leidos)
    {
        if (m_progreso)
            m_progreso(paso, leidos, tabla.lector->NumeroRegistros());
    }

    qint64 TipoDonativo()
    {
        const QString descripcion = QStringLiteral("Donativos de KALDEX");
        qint64 id = Buscar(QStringLiteral("SELECT IDTipo_Donativo FROM Tipo_Donativo WHERE Descripcion = ?"),
                           {descripcion});
        if (id == 0) {
            m_con.Exec(QStringLiteral("INSERT INTO Tipo_Donativo (Descripcion) VALUES (?)"), {descripcion});
            id = m_con.LastInsertId();
        }
        return id;
    }

    void Donantes(Tabla& reci)
    {
        qint64 n = 0;
        Avance(1, reci, 0);
        while (reci.lector->Siguiente()) {
            ++n;
            if (n % 256 == 0)
                Avance(1, reci, n);
            if (reci.lector->Borrado())
                continue;
            const QVariant codigo = reci.Valor("CODIGO");
            const NombreKaldex nombre = DividirNombreKaldex(reci.Texto("NOMBRE"), m_op.ordenNombres);
            const QString nif = reci.Texto("NIF");
            const QString direccion = reci.Texto("DIRECCION");
            const QString cp = reci.Texto("CP");
            QStringList faltas = reci.lector->Incidencias();
            if (codigo.isNull())
                faltas << QStringLiteral("sin CODIGO");
            else if (m_donantes.contains(codigo.toLongLong()))
                faltas << QStringLiteral("CODIGO %1 repetido").arg(codigo.toLongLong());
            if (nombre.nombre.isEmpty() && nombre.primerApellido.isEmpty())
                faltas << QStringLiteral("sin NOMBRE");
            for (const QString& parte : {nombre.nombre, nombre.primerApellido, nombre.segundoApellido}) {
                if (parte.size() > 40)
                    faltas << QStringLiteral("'%1' no cabe en 40 caracteres").arg(parte);
            }
            if (nif.size() > 15 || direccion.size() > 100 || cp.size() > 5)
                faltas << QStringLiteral("NIF, DIRECCION o CP no caben en su columna");
            if (!faltas.isEmpty()) {
                Incidencia(reci, n, QStringLiteral("no importado: ") + faltas.join(QStringLiteral("; ")));
                continue;
            }
            m_con.Exec(QStringLiteral("INSERT INTO Padron (Nombre, PrimerApellido, SegundoApellido, Direccion, "
                                      "CodMunicipio, CPostal, DNI, CodInstitucionEmpadronado) "
                                      "VALUES (?, ?, ?, ?, 0, ?, ?, 0)"),
                       {nombre.nombre, nombre.primerApellido, nombre.segundoApellido, direccion, cp, nif});
            const qint64 idPadron = m_con.LastInsertId();
            m_con.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, 1)"),
                       {idPadron});
            ++m_r.donantes;

            // An account only on a branch of sucu.dbf, with its digits whole.
            const QString banco = reci.Texto("BANCO");
            const QString sucursal = reci.Texto("SUCURSAL");
            const QString dc = reci.Texto("DC");
            const QString cuenta = reci.Texto("CUENTA");
            bool banca = false;
            if (!banco.isEmpty() || !cuenta.isEmpty()) {
                const qint64 idSucursal = m_sucursales.value(banco + sucursal, 0);
                if (idSucursal == 0 || !Digitos(dc, 2) || !Digitos(cuenta, 10)) {
                    Incidencia(reci, n, QStringLiteral("datos bancarios incorrectos: sus donativos serán por caja"));
                } else {
                    m_con.Exec(QStringLiteral("INSERT INTO Cuenta (CodSucursal, NumCuenta, DC) VALUES (?, ?, ?)"),
                               {idSucursal, cuenta, dc});
                    m_con.Exec(QStringLiteral("INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (CodPersonaDonativo, "
                                              "CodTipoDonativo, CodCuenta) VALUES (?, ?, ?)"),
                               {idPadron, m_tipo, m_con.LastInsertId()});
                    banca = true;
                }
            }
            m_donantes.insert(codigo.toLongLong(), {idPadron, banca});
        }
        Avance(1, reci, n);
    }

    void Donativos(Tabla& lineas)
    {
        qint64 n = 0;
        Avance(1, lineas, 0);
        while (lineas.lector->Siguiente()) {
            ++n;
            if (n % 256 == 0)
                Avance(1, lineas, n);
            if (lineas.lector->Borrado())
                continue;
            const QVariant codigo = lineas.Valor("CODIGO");
            const QVariant importe = lineas.Valor("IMPORTE");
            const QString descripcion = lineas.Texto("DESCRIP");
            QStringList faltas = lineas.lector->Incidencias();
            const auto donante = m_donantes.constFind(codigo.toLongLong());
            if (codigo.isNull() || donante == m_donantes.cend())
                faltas << QStringLiteral("sin donante importado con CODIGO %1").arg(codigo.toString());
            const double pesetas = importe.toDouble();
            if (importe.isNull() || pesetas < 0 || pesetas != std::floor(pesetas))
                faltas << QStringLiteral("IMPORTE '%1' no es un importe en pesetas").arg(importe.toString());
            if (descripcion.size() > 100)
                faltas << QStringLiteral("DESCRIP no cabe en 100 caracteres");
            if (!faltas.isEmpty()) {
                Incidencia(lineas, n, QStringLiteral("no importado: ") + faltas.join(QStringLiteral("; ")));
                continue;
            }
            const double euros = std::round(pesetas / kPesetasPorEuro * 100.0) / 100.0;
            m_con.Exec(QStringLiteral("INSERT INTO Donativo (CodPersonaDonativo, CodInstitucion, CodTipoDonativo, "
                                      "Descripcion, Importe, ImporteEur, PagoBanco) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                       {donante->first, m_op.idInstitucion, m_tipo, descripcion, pesetas, euros, donante->second});
            ++m_r.donativos;
        }
        Avance(1, lineas, n);
    }

    qint64 Buscar(const QString& sql, const QList<db::Value>& valores)
    {
        db::Recordset rs = m_con.Query(sql, valores);
        return rs.isEOF() ? 0 : rs.value(0).toInt64();
    }

    db::Connection& m_con;
    const OpcionesDonativosKaldex& m_op;
    ResultadoDonativosKaldex& m_r;
    const std::function<void(int, qint64, qint64)>& m_progreso;
    QHash<QString, qint64> m_sucursales;
    QHash<qint64, QPair<qint64, bool>> m_donantes; // Kaldex code -> person, pays by bank
    qint64 m_tipo = 0;
};

} // namespace

ResultadoDonativosKaldex ImportarDonativosKaldex(db::Connection& conLocal, const OpcionesDonativosKaldex& opciones,
                                                 const std::function<void(int, qint64, qint64)>& progreso)
{
    ResultadoDonativosKaldex resultado;
    resultado.incidencias = TablasKaldexSinImportar(opciones.carpeta);
    QString fallo;
    try {
        Transaccion transaccion(conLocal);
        Importador(conLocal, opciones, resultado, progreso).Importar();
        transaccion.Confirmar();
        resultado.importado = true;
        return resultado;
    } catch (const LectorDbf::ErrorDbf& error) {
        fallo = error.texto();
    } catch (const vb::VbError& error) {
        fallo = error.description();
    } catch (const std::exception& error) {
        fallo = QString::fromLocal8Bit(error.what());
    }
    const QStringList incidencias = resultado.incidencias;
    resultado = ResultadoDonativosKaldex{};
    resultado.incidencias = incidencias;
    resultado.incidencias << QStringLiteral("No se ha importado ningún donativo: %1").arg(fallo);
    return resultado;
}
