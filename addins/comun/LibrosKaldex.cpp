#include "comun/LibrosKaldex.h"

#include "comun/LectorDbf.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/os/Paths.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include <limits>

namespace {

// One sacrament: its table and how its fields reach the parish database.
struct Sacramento {
    const char* tabla;
    const char* libros;     // book table
    const char* claveLibro; // its key
    const char* partidas;   // entry table
    bool solicitud;         // the entry table has InstitucionSolicitud
    QStringList campos;     // fields of the mapping
    QStringList requeridos; // fields without which the table is refused
};

const std::array<Sacramento, 4>& Sacramentos()
{
    static const QStringList comunes = {"LIBRO", "FOLIO", "NUMERO", "FECHA", "NOTAS", "OBSERVA"};
    static const std::array<Sacramento, 4> tabla = {{
        {"Baut.dbf", "Libro_Bautismo", "IDLibroBautismo", "Bautismo", true,
         comunes + QStringList{"NOMBRE", "PADRE", "MADRE", "PADRINO", "MADRINA", "MINISTRO"},
         {"LIBRO", "NUMERO", "NOMBRE"}},
        {"Conf.dbf", "Libro_Confirmacion", "IDLibroConfirmacion", "Confirmacion", true,
         comunes + QStringList{"NOMBRE", "PADRE", "MADRE", "PADRINO", "MINISTRO"}, {"LIBRO", "NUMERO", "NOMBRE"}},
        {"Matr.dbf", "Libro_Matrimonio", "IDLibroMatrimonio", "Matrimonio", true,
         comunes + QStringList{"NOVIO", "NOVIA", "PADRINO", "MADRINA", "CELEBRANTE"},
         {"LIBRO", "NUMERO", "NOVIO", "NOVIA"}},
        {"Defu.dbf", "Libro_Defuncion", "IDLibroDefuncion", "Defuncion", false,
         comunes + QStringList{"NOMBRE", "CONSORTE", "PADRE", "MADRE", "PARROCO"}, {"LIBRO", "NUMERO", "NOMBRE"}},
    }};
    return tabla;
}

// Rolls the sacrament back unless it was committed.
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

// The values of one record, read through the mapping. A value that cannot
// be taken as it is makes the record an incidence.
class Registro {
public:
    Registro(LectorDbf& lector, const QHash<QString, int>& indices, const QString& donde)
        : m_lector(lector), m_indices(indices), m_donde(donde)
    {
    }

    QString Texto(const char* campo, int ancho)
    {
        const int i = m_indices.value(QString::fromLatin1(campo), -1);
        if (i < 0)
            return {};
        const QVariant valor = m_lector.Valor(i);
        QString texto = valor.typeId() == QMetaType::Double ? QString::number(valor.toDouble(), 'f', 0)
                                                            : valor.toString();
        texto = texto.trimmed();
        if (texto.size() > ancho) {
            m_faltas << QStringLiteral("%1: '%2' no cabe en %3 caracteres").arg(QString::fromLatin1(campo), texto)
                            .arg(ancho);
            return {};
        }
        return texto;
    }
    db::Value Entero(const char* campo)
    {
        const int i = m_indices.value(QString::fromLatin1(campo), -1);
        const QVariant valor = i < 0 ? QVariant() : m_lector.Valor(i);
        if (valor.isNull())
            return 0;
        const double numero = valor.toDouble();
        if (numero != qint64(numero) || numero < 0 || numero > 2147483647.0) {
            m_faltas << QStringLiteral("%1: '%2' no es un número entero").arg(QString::fromLatin1(campo)).arg(numero);
            return 0;
        }
        return qint64(numero);
    }
    QString Fecha(const char* campo, const QString& siglo)
    {
        const int i = m_indices.value(QString::fromLatin1(campo), -1);
        if (i < 0)
            return {};
        const bool tipoFecha = m_lector.Campos()[i].tipo == 'D';
        const QString texto = m_lector.Valor(i).toString().trimmed();
        if (texto.isEmpty() || tipoFecha)
            return texto;
        const QString fecha = FechaKaldex(texto, siglo);
        if (fecha.isEmpty())
            m_faltas << QStringLiteral("%1: '%2' no es una fecha").arg(QString::fromLatin1(campo), texto);
        return fecha;
    }
    // What could not be read or taken; empty when the record is whole.
    QStringList Faltas() const { return m_lector.Incidencias() + m_faltas; }
    QString Donde() const { return m_donde; }

private:
    LectorDbf& m_lector;
    const QHash<QString, int>& m_indices;
    QString m_donde;
    QStringList m_faltas;
};

class ImportadorSacramento {
public:
    ImportadorSacramento(db::Connection& con, const OpcionesLibrosKaldex& opciones, int s, QStringList& incidencias)
        : m_con(con), m_op(opciones), m_s(s), m_def(Sacramentos()[s]), m_incidencias(incidencias)
    {
    }

    // Entries written; throws on a failure that must undo the sacrament.
    int Importar(LectorDbf& lector, const std::function<void(int, qint64, qint64)>& progreso)
    {
        QHash<QString, int> indices;
        for (int i = 0; i < lector.Campos().size(); ++i) {
            const QString nombre = lector.Campos()[i].nombre;
            if (m_def.campos.contains(nombre))
                indices.insert(nombre, i);
            else
                Incidencia(QStringLiteral("el campo %1 no se importa").arg(nombre));
        }
        QStringList faltan;
        for (const QString& requerido : m_def.requeridos) {
            if (!indices.contains(requerido))
                faltan << requerido;
        }
        if (!faltan.isEmpty())
            throw LectorDbf::ErrorDbf(QStringLiteral("faltan los campos %1").arg(faltan.join(QStringLiteral(", "))));

        int partidas = 0;
        qint64 leidos = 0;
        if (progreso)
            progreso(m_s, 0, lector.NumeroRegistros());
        while (lector.Siguiente()) {
            ++leidos;
            if (progreso && leidos % 256 == 0)
                progreso(m_s, leidos, lector.NumeroRegistros());
            if (lector.Borrado())
                continue;
            Registro registro(lector, indices, QStringLiteral("registro %1").arg(leidos));
            if (Escribir(registro))
                ++partidas;
        }
        for (auto libro = m_siguiente.cbegin(); libro != m_siguiente.cend(); ++libro) {
            m_con.Exec(QStringLiteral("UPDATE %1 SET NumeroSiguiente = ? WHERE %2 = ? AND NumeroSiguiente < ?")
                           .arg(QString::fromLatin1(m_def.libros), QString::fromLatin1(m_def.claveLibro)),
                       {libro.value(), libro.key(), libro.value()});
        }
        if (progreso)
            progreso(m_s, leidos, lector.NumeroRegistros());
        return partidas;
    }

private:
    void Incidencia(const QString& texto)
    {
        m_incidencias << QStringLiteral("%1: %2").arg(QString::fromLatin1(m_def.tabla), texto);
    }

    qint32 Libro(const QString& nombre)
    {
        if (const auto encontrado = m_libros.constFind(nombre); encontrado != m_libros.cend())
            return encontrado.value();
        const QString tabla = QString::fromLatin1(m_def.libros);
        db::Recordset rs = m_con.Query(QStringLiteral("SELECT %1 FROM %2 WHERE Nombre = ? AND CodInstitucion = ?")
                                           .arg(QString::fromLatin1(m_def.claveLibro), tabla),
                                       {nombre, m_op.idInstitucion});
        qint32 id = 0;
        if (!rs.isEOF()) {
            id = qint32(rs.value(0).toInt64());
        } else {
            m_con.Exec(QStringLiteral("INSERT INTO %1 (CodInstitucion, Nombre, Nuevo, Cerrado, FechaCreacion, "
                                      "NumeroSiguiente) VALUES (?, ?, False, False, '', 1)")
                           .arg(tabla),
                       {m_op.idInstitucion, nombre});
            id = qint32(m_con.LastInsertId());
        }
        m_libros.insert(nombre, id);
        return id;
    }

    qint64 Insertar(const QString& sql, const QList<db::Value>& valores)
    {
        m_con.Exec(sql, valores);
        return m_con.LastInsertId();
    }

    // Writes one entry; false (with its incidences) when the record is not
    // whole.
    bool Escribir(Registro& r)
    {
        const QString libro = r.Texto("LIBRO", 50);
        const db::Value folio = r.Entero("FOLIO");
        const QString numero = r.Texto("NUMERO", 10);
        const QString fecha = r.Fecha("FECHA", m_op.siglo);
        const QString observaciones = r.Texto("OBSERVA", 255);
        const QString notas = r.Texto("NOTAS", std::numeric_limits<int>::max());
        const char* persona = m_s == 2 ? "NOVIO" : "NOMBRE";
        const NombreKaldex p = DividirNombreKaldex(r.Texto(persona, 200), m_op.ordenNombres);
        const NombreKaldex novia =
            m_s == 2 ? DividirNombreKaldex(r.Texto("NOVIA", 200), m_op.ordenNombres) : NombreKaldex{};
        // Texts of the side rows, read before anything is written.
        QString extra[5];
        const QList<QPair<const char*, int>> campos =
            m_s == 0 ? QList<QPair<const char*, int>>{{"PADRE", 200}, {"MADRE", 200}, {"PADRINO", 120},
                                                       {"MADRINA", 120}, {"MINISTRO", 120}}
            : m_s == 1 ? QList<QPair<const char*, int>>{{"PADRE", 120}, {"MADRE", 120}, {"PADRINO", 120},
                                                         {"MINISTRO", 120}}
            : m_s == 2 ? QList<QPair<const char*, int>>{{"PADRINO", 120}, {"MADRINA", 120}, {"CELEBRANTE", 120}}
                       : QList<QPair<const char*, int>>{{"CONSORTE", 120}, {"PADRE", 120}, {"MADRE", 120},
                                                         {"PARROCO", 60}};
        for (int i = 0; i < campos.size(); ++i)
            extra[i] = r.Texto(campos[i].first, campos[i].second);
        const NombreKaldex padre = m_s == 0 ? DividirNombreKaldex(extra[0], m_op.ordenNombres) : NombreKaldex{};
        const NombreKaldex madre = m_s == 0 ? DividirNombreKaldex(extra[1], m_op.ordenNombres) : NombreKaldex{};

        QStringList faltas = r.Faltas();
        for (const NombreKaldex& n : {p, novia, padre, madre}) {
            for (const QString& parte : {n.nombre, n.primerApellido, n.segundoApellido}) {
                if (parte.size() > 40)
                    faltas << QStringLiteral("'%1' no cabe en 40 caracteres").arg(parte);
            }
        }
        if (faltas.isEmpty() && libro.isEmpty())
            faltas << QStringLiteral("LIBRO: sin libro");
        if (faltas.isEmpty() && p.nombre.isEmpty() && p.primerApellido.isEmpty())
            faltas << QStringLiteral("%1: sin nombre").arg(QString::fromLatin1(persona));
        if (!faltas.isEmpty()) {
            for (const QString& falta : faltas)
                Incidencia(QStringLiteral("%1, no importado: %2").arg(r.Donde(), falta));
            return false;
        }

        const qint32 idLibro = Libro(libro);
        bool esNumero = false;
        const qint64 valorNumero = numero.toLongLong(&esNumero);
        if (esNumero && valorNumero + 1 > m_siguiente.value(idLibro, 0))
            m_siguiente.insert(idLibro, valorNumero + 1);

        const QString tabla = QString::fromLatin1(m_def.partidas);
        QString columnas = QStringLiteral("CodLibro, Folio, Numero, Anulada, NotasMarginales, Observaciones");
        QList<db::Value> valores = {idLibro, folio, numero, false, notas, observaciones};
        if (m_def.solicitud) {
            columnas += QStringLiteral(", InstitucionSolicitud");
            valores << 0;
        }
        auto anadir = [&](const char* columna, const db::Value& valor) {
            columnas += QStringLiteral(", ") + QString::fromLatin1(columna);
            valores << valor;
        };
        auto insertarPersona = [&](const char* tablaPersona, const NombreKaldex& n) {
            return Insertar(QStringLiteral("INSERT INTO %1 (Nombre, PrimerApellido, SegundoApellido) VALUES (?, ?, ?)")
                                .arg(QString::fromLatin1(tablaPersona)),
                            {n.nombre, n.primerApellido, n.segundoApellido});
        };
        switch (m_s) {
        case 0: {
            anadir("FechaBautismo", fecha);
            anadir("CodPadres", extra[0].isEmpty() ? 0 : insertarPersona("Bautismo_Padres", padre));
            anadir("CodMadres", extra[1].isEmpty() ? 0 : insertarPersona("Bautismo_Madres", madre));
            anadir("Padrino", extra[2]);
            anadir("Madrina", extra[3]);
            anadir("Ministro", extra[4]);
            break;
        }
        case 1:
            anadir("Nombre", p.nombre);
            anadir("PrimerApellido", p.primerApellido);
            anadir("SegundoApellido", p.segundoApellido);
            anadir("NombrePadre", extra[0]);
            anadir("NombreMadre", extra[1]);
            break;
        case 2:
            anadir("CodNovios", insertarPersona("Matrimonio_Novios", p));
            anadir("CodNovias", insertarPersona("Matrimonio_Novias", novia));
            break;
        default:
            anadir("Nombre", p.nombre);
            anadir("PrimerApellido", p.primerApellido);
            anadir("SegundoApellido", p.segundoApellido);
            anadir("Consorte", extra[0]);
            anadir("NombrePadre", extra[1]);
            anadir("NombreMadre", extra[2]);
            anadir("Parroco", extra[3]);
            break;
        }
        QString marcas = QStringLiteral("?");
        for (qsizetype i = 1; i < valores.size(); ++i)
            marcas += QStringLiteral(", ?");
        const qint64 id = Insertar(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabla, columnas, marcas), valores);

        switch (m_s) {
        case 0:
            m_con.Exec(QStringLiteral("INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido, "
                                      "SegundoApellido) VALUES (?, ?, ?, ?)"),
                       {id, p.nombre, p.primerApellido, p.segundoApellido});
            break;
        case 1:
            m_con.Exec(QStringLiteral("INSERT INTO Confirmacion_Datos (CodConfirmacion, FechaConfirmacion, Ministro, "
                                      "Padrino) VALUES (?, ?, ?, ?)"),
                       {id, fecha, extra[3], extra[2]});
            break;
        case 2:
            m_con.Exec(QStringLiteral("INSERT INTO Matrimonio_Compromiso (CodMatrimonio, FechaMatrimonio, Padrino, "
                                      "Madrina, Celebrante) VALUES (?, ?, ?, ?, ?)"),
                       {id, fecha, extra[0], extra[1], extra[2]});
            break;
        default:
            m_con.Exec(QStringLiteral("INSERT INTO Defuncion_Datos (CodDifunto, FechaDefuncion) VALUES (?, ?)"),
                       {id, fecha});
            break;
        }
        return true;
    }

    db::Connection& m_con;
    const OpcionesLibrosKaldex& m_op;
    int m_s;
    const Sacramento& m_def;
    QStringList& m_incidencias;
    QHash<QString, qint32> m_libros;
    QHash<qint32, qint64> m_siguiente;
};

} // namespace

NombreKaldex DividirNombreKaldex(const QString& completo, quint8 ordenNombres)
{
    static const QRegularExpression blancos(QStringLiteral("\\s+"));
    NombreKaldex partes;
    if (ordenNombres == 1) {
        const qsizetype coma = completo.indexOf(QLatin1Char(','));
        const QString apellidos = (coma < 0 ? completo : completo.left(coma)).simplified();
        partes.nombre = coma < 0 ? QString() : completo.mid(coma + 1).simplified();
        const qsizetype blanco = apellidos.indexOf(QLatin1Char(' '));
        partes.primerApellido = blanco < 0 ? apellidos : apellidos.left(blanco);
        partes.segundoApellido = blanco < 0 ? QString() : apellidos.mid(blanco + 1);
        return partes;
    }
    QStringList palabras = completo.simplified().split(blancos, Qt::SkipEmptyParts);
    if (palabras.size() >= 3)
        partes.segundoApellido = palabras.takeLast();
    if (palabras.size() >= 2)
        partes.primerApellido = palabras.takeLast();
    partes.nombre = palabras.join(QLatin1Char(' '));
    return partes;
}

QString FechaKaldex(const QString& texto, const QString& siglo)
{
    static const QRegularExpression forma(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{2})$"));
    const QRegularExpressionMatch partes = forma.match(texto.trimmed());
    if (!partes.hasMatch())
        return {};
    const QString anio2 = partes.captured(3);
    const int anio = (anio2 == QLatin1String("00") ? siglo : QStringLiteral("19")).toInt() * 100 + anio2.toInt();
    const QDate fecha(anio, partes.captured(2).toInt(), partes.captured(1).toInt());
    return fecha.isValid() ? fecha.toString(QStringLiteral("yyyyMMdd")) : QString();
}

QStringList TablasKaldexSinImportar(const QString& carpeta)
{
    static const QStringList conocidas = {"baut.dbf", "conf.dbf", "matr.dbf", "defu.dbf",
                                          "sucu.dbf", "reci.dbf", "re_l.dbf"};
    QStringList incidencias;
    // Name filters ignore letter case unless told otherwise.
    const QStringList archivos =
        QDir(os::NormalizeSeparators(carpeta)).entryList({QStringLiteral("*.dbf")}, QDir::Files, QDir::Name);
    for (const QString& archivo : archivos) {
        if (!conocidas.contains(archivo.toLower()))
            incidencias << archivo + QStringLiteral(": la tabla no se importa");
    }
    return incidencias;
}

ResultadoLibrosKaldex ImportarLibrosKaldex(db::Connection& conLocal, const OpcionesLibrosKaldex& opciones,
                                           const std::function<void(int, qint64, qint64)>& progreso)
{
    ResultadoLibrosKaldex resultado;
    QStringList carpetas;
    for (const QString& carpeta : opciones.carpetas) {
        if (!carpeta.isEmpty() && !carpetas.contains(carpeta)) {
            carpetas << carpeta;
            resultado.incidencias += TablasKaldexSinImportar(carpeta);
        }
    }
    for (int s = 0; s < 4; ++s) {
        if (opciones.carpetas[s].isEmpty())
            continue;
        const QString nombre = QString::fromLatin1(Sacramentos()[s].tabla);
        const QString ruta = os::FindFileCaseInsensitive(os::NormalizeSeparators(opciones.carpetas[s]), nombre);
        QStringList incidencias;
        try {
            if (ruta.isEmpty())
                throw LectorDbf::ErrorDbf(QStringLiteral("no se encuentra el archivo"));
            LectorDbf lector(ruta);
            Transaccion transaccion(conLocal);
            ImportadorSacramento importador(conLocal, opciones, s, incidencias);
            const int partidas = importador.Importar(lector, progreso);
            transaccion.Confirmar();
            resultado.partidas[s] = partidas;
            resultado.importado[s] = true;
            resultado.incidencias += incidencias;
        } catch (const LectorDbf::ErrorDbf& error) {
            resultado.incidencias += incidencias;
            resultado.incidencias << QStringLiteral("%1: no se ha importado ningún dato: %2").arg(nombre, error.texto());
        } catch (const std::exception& error) {
            resultado.incidencias += incidencias;
            resultado.incidencias << QStringLiteral("%1: no se ha importado ningún dato: %2")
                                         .arg(nombre, QString::fromLocal8Bit(error.what()));
        }
    }
    return resultado;
}
