#include "comun/TrasvaseVersionAnterior.h"

#include "comun/BaseVersionAnterior.h"
#include "comun/ProgresoImportacion.h"
#include "comun/RegistroTrasvase.h"
#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/DbErrors.h"
#include "platform/db/Fields.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/os/Paths.h"
#include "platform/pvapi/cInstitucion.h"
#include "platform/ui/HourglassGuard.h"
#include "platform/ui/Ui.h"
#include "platform/ui/UiConstants.h"
#include "platform/vb/VbError.h"
#include "platform/widgets/DialogoRegistroEjecutor.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <functional>
#include <memory>

namespace addins::trasvase_version_anterior {

namespace {

using Mapa = QHash<qint64, qint64>;

const char* const kNoSePuede = "¡No se puede importar la base de datos de Norvia Parvanta 2000 v1!";

// Collections 1 to 9, in the order of the check's steps.
const char* const kTablasColeccion[9] = {"Institucion_TipoDonativo_Cuenta", "Banco", "Sucursal", "Cuenta",
                                         "Presentador", "Padron", "Donativo", "Recibo", "Remesa"};
enum Coleccion { EnlacesInstitucion, Bancos, Sucursales, Cuentas, Presentadores, Donantes, Donativos, Recibos,
                 Remesas };

// A refusal of the old file, told to the user as the folder holding no
// usable database.
struct Rechazo {
    QString texto;
};

// ---------------------------------------------------------------------------
// The selections of the collections. Only selections this module made are
// read back, so a collection filled by anything else is never taken for one.

QSet<const void*>& SeleccionesVivas()
{
    static QSet<const void*> vivas;
    return vivas;
}

std::shared_ptr<void> NuevaSeleccion(SeleccionTrasvase seleccion)
{
    auto* objeto = new SeleccionTrasvase(std::move(seleccion));
    SeleccionesVivas().insert(objeto);
    return std::shared_ptr<void>(objeto, [](void* p) {
        SeleccionesVivas().remove(p);
        delete static_cast<SeleccionTrasvase*>(p);
    });
}

const SeleccionTrasvase* Seleccion(const ColeccionTrasvase* coleccion, const QString& tabla)
{
    if (!coleccion)
        return nullptr;
    for (const std::shared_ptr<void>& elemento : *coleccion) {
        if (elemento && SeleccionesVivas().contains(elemento.get())) {
            const auto* seleccion = static_cast<const SeleccionTrasvase*>(elemento.get());
            if (seleccion->tabla == tabla)
                return seleccion;
        }
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// The old file

int Mensaje(const QString& texto, int estilo)
{
    ui::Beep();
    return widgets::DialogoRegistroEjecutor::Mensaje(texto, estilo);
}

QString Descripcion(const std::exception& error)
{
    if (const auto* vb = dynamic_cast<const vb::VbError*>(&error))
        return vb->description();
    return QString::fromLocal8Bit(error.what());
}

QStringList Columnas(db::Connection& con, const QString& tabla)
{
    db::Recordset rs = con.Execute(QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" WHERE 1 = 0"));
    QStringList columnas;
    const db::Fields campos = rs.Fields();
    for (int i = 0; i < campos.Count(); ++i)
        columnas << campos[i].Name();
    return columnas;
}

// The tables the transfer reads and the columns it relies on; any other
// column is copied when both databases have it.
QList<QPair<QString, QStringList>> TablasRequeridas()
{
    return {
        {"Informacion", {"Version"}},
        {"Institucion", {"IDInstitucion", "Nombre"}},
        {"Banco", {"IDBanco", "Codigo"}},
        {"Sucursal", {"IDSucursal", "CodBanco", "Codigo"}},
        {"Cuenta", {"IDCuenta", "CodSucursal", "NumCuenta", "DC"}},
        {"Presentador", {"IDPresentador", "CodSucursal"}},
        {"Presentador_Institucion", {"IDPresentadorInstitucion", "CodPresentador", "CodInstitucion"}},
        {"Padron", {"IDPadron"}},
        {"Padron_TipoPersona", {"CodPadron", "CodTipoPersona"}},
        {"Tipo_Donativo", {"IDTipo_Donativo", "Descripcion"}},
        {"Donativo", {"IDDonativo", "CodPersonaDonativo", "CodInstitucion", "CodTipoDonativo"}},
        {"Recibo", {"IDRecibo", "CodDonativo", "CodRemesa"}},
        {"Remesa", {"IDRemesa", "CodPresentador"}},
        {"Institucion_TipoDonativo_Cuenta", {"IDITC", "CodInstitucion", "CodTipoDonativo", "CodCuenta"}},
        {"PersonaDonativo_TipoDonativo_Cuenta", {"IDPTC", "CodPersonaDonativo", "CodTipoDonativo", "CodCuenta"}},
    };
}

QString Version(db::Connection& con)
{
    db::Recordset rs = con.Execute(QStringLiteral("SELECT Version FROM Informacion"));
    return rs.isEOF() ? QString() : rs.value(0).toString().trimmed();
}

// Compares dotted version numbers ("2.1.2" < "2.2.0"); a missing part is 0.
int CompararVersiones(const QString& a, const QString& b)
{
    const QStringList pa = a.split(QLatin1Char('.'));
    const QStringList pb = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < qMax(pa.size(), pb.size()); ++i) {
        const int x = i < pa.size() ? pa[i].trimmed().toInt() : 0;
        const int y = i < pb.size() ? pb[i].trimmed().toInt() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

QString ArchivoAbierto(db::Connection& conLocal)
{
    QString fuente = conLocal.Property(QStringLiteral("Data Source"));
    if (QFileInfo(fuente).isRelative())
        fuente = os::JoinPath(os::AppPath(), fuente);
    try {
        fuente = db::ExistingDatabaseFile(fuente);
    } catch (const vb::VbError&) {
        // Compared as named.
    }
    return QFileInfo(fuente).canonicalFilePath();
}

QString Integridad(db::Connection& con)
{
    // The layer runs Jet SQL only; the engine's own check needs its handle.
    return db::IntegrityProblem(con.handle());
}

// The previous version's database, open read-only and checked: sound, not
// the database the program has open, of this program's layout at a version
// not newer than the parish database's, with every table the transfer reads.
struct BaseAnterior {
    db::Connection con;
    QString ruta;
    QString version;
    bool municipios = false; // it has the towns and provinces to match

    void Abrir(db::Connection& conLocal, const QString& carpeta)
    {
        const BaseVersionAnterior base = ExaminarBaseVersionAnterior(carpeta);
        if (base.tipo != TipoBaseAnterior::Propia)
            throw Rechazo{base.Explicacion()};
        ruta = base.ruta;
        if (QFileInfo(ruta).canonicalFilePath() == ArchivoAbierto(conLocal))
            throw Rechazo{QStringLiteral("La base de datos '%1' es la que el programa tiene abierta: no se puede "
                                         "trasvasar sobre sí misma.")
                              .arg(ruta)};
        con.setProperty(QStringLiteral("Data Source"), ruta);
        con.setProperty(QStringLiteral("Jet OLEDB:Database Password"),
                        conLocal.Property(QStringLiteral("Jet OLEDB:Database Password")));
        QString dano;
        try {
            con.Open({}, true);
            dano = Integridad(con);
        } catch (const vb::VbError& error) {
            throw Rechazo{QStringLiteral("No se ha podido abrir la base de datos '%1': %2").arg(ruta,
                                                                                              error.description())};
        }
        if (!dano.isEmpty())
            throw Rechazo{QStringLiteral("La base de datos '%1' está dañada: %2").arg(ruta, dano)};

        QStringList faltan;
        for (const auto& [tabla, requeridas] : TablasRequeridas()) {
            QStringList columnas;
            try {
                columnas = Columnas(con, tabla);
            } catch (const vb::VbError&) {
                faltan << tabla;
                continue;
            }
            QStringList sin;
            for (const QString& columna : requeridas) {
                if (!columnas.contains(columna, Qt::CaseInsensitive))
                    sin << columna;
            }
            if (!sin.isEmpty())
                faltan << QStringLiteral("%1 (%2)").arg(tabla, sin.join(QStringLiteral(", ")));
        }
        if (!faltan.isEmpty())
            throw Rechazo{QStringLiteral("A la base de datos '%1' le faltan tablas o columnas de Norvia Parvanta "
                                         "2000: %2.")
                              .arg(ruta, faltan.join(QStringLiteral(", ")))};
        version = Version(con);
        const QString actual = Version(conLocal);
        if (version.isEmpty())
            throw Rechazo{QStringLiteral("La base de datos '%1' no indica su versión.").arg(ruta)};
        if (CompararVersiones(version, actual) > 0)
            throw Rechazo{QStringLiteral("La base de datos '%1' es de la versión %2, posterior a la de la base de "
                                         "datos actual (%3).")
                              .arg(ruta, version, actual)};
        try {
            municipios = Columnas(con, QStringLiteral("Municipio")).contains(QStringLiteral("CodProvincia"),
                                                                              Qt::CaseInsensitive) &&
                         Columnas(con, QStringLiteral("Provincia")).contains(QStringLiteral("Nombre"),
                                                                             Qt::CaseInsensitive);
        } catch (const vb::VbError&) {
            municipios = false;
        }
    }
};

bool Digitos(const QString& texto, int largo)
{
    static const QRegularExpression digitos(QStringLiteral("^\\d+$"));
    return texto.size() == largo && digitos.match(texto).hasMatch();
}

qint64 Id(const db::Recordset& rs, const char* campo)
{
    const db::Value valor = rs.value(QString::fromLatin1(campo));
    return valor.isNull() ? 0 : valor.toInt64();
}

QString Texto(const db::Recordset& rs, const char* campo)
{
    return rs.value(QString::fromLatin1(campo)).toString().trimmed();
}

// Reads an old table whole and hands each row over, reporting the progress
// at its start, every 256 rows and at its end.
void RecorrerTabla(db::Connection& con, ProgresoImportacion& progreso, int paso, const QString& sql,
                   const std::function<void(const db::Recordset&)>& porFila)
{
    db::Recordset rs = con.Execute(sql);
    const qint64 total = rs.RecordCount();
    qint64 n = 0;
    progreso.Avanzar(paso, 0, total);
    for (; !rs.isEOF(); rs.MoveNext()) {
        porFila(rs);
        if (++n % 256 == 0)
            progreso.Avanzar(paso, n, total);
    }
    progreso.Avanzar(paso, n, total);
}

// ---------------------------------------------------------------------------
// The check

class Comprobacion {
public:
    Comprobacion(BaseAnterior& base, ProgresoImportacion& progreso)
        : b(base), p(progreso), m_columnasInstitucion(Columnas(base.con, QStringLiteral("Institucion")))
    {
    }

    void Ejecutar(const ColeccionInstituciones& anteriores)
    {
        Instituciones(anteriores);
        BancosYSucursales();
        CuentasBancarias();
        PresentadoresYSusInstituciones();
        DonantesYSusCuentas();
        DonativosYRecibos();
    }

    void Guardar(const ColeccionesTrasvase& c) const
    {
        for (int i = 0; i < 9; ++i) {
            if (c.tablas[i])
                *c.tablas[i] = {NuevaSeleccion({QString::fromLatin1(kTablasColeccion[i]), sel[i], {}})};
        }
        if (c.instituciones)
            *c.instituciones = instituciones;
        if (c.once)
            *c.once = {NuevaSeleccion({QString(), {}, b.ruta}), NuevaSeleccion({QStringLiteral("Tipo_Donativo"), tipos, {}}),
                       NuevaSeleccion({QStringLiteral("PersonaDonativo_TipoDonativo_Cuenta"), enlacesDonantes, {}}),
                       NuevaSeleccion({QStringLiteral("Presentador_Institucion"), presentadorInstitucion, {}})};
    }

    QStringList incidencias;

private:
    void Incidencia(const char* tabla, qint64 id, const QString& texto)
    {
        incidencias << QStringLiteral("%1 %2: %3").arg(QString::fromLatin1(tabla)).arg(id).arg(texto);
    }

    void Recorrer(int paso, const char* sql, const std::function<void(const db::Recordset&)>& porFila)
    {
        RecorrerTabla(b.con, p, paso, QString::fromLatin1(sql), porFila);
    }

    // Step 0: the institutions, for the wizard to complete (values typed in
    // an earlier run of the wizard are kept), and their bank links.
    void Instituciones(const ColeccionInstituciones& anteriores)
    {
        QHash<qint32, std::shared_ptr<PVAPI::cInstitucion>> previas;
        for (const auto& institucion : anteriores) {
            if (institucion)
                previas.insert(institucion->IDInstitucion, institucion);
        }
        Recorrer(0, "SELECT * FROM Institucion ORDER BY IDInstitucion", [&](const db::Recordset& rs) {
            auto institucion = std::make_shared<PVAPI::cInstitucion>();
            institucion->IDInstitucion = qint32(Id(rs, "IDInstitucion"));
            institucion->Nombre = Texto(rs, "Nombre");
            const QStringList columnas = {"Parroco", "EncargadoArchivo", "Diocesis", "Vicaria"};
            QString* valores[4] = {&institucion->Parroco, &institucion->EncargadoArchivo, &institucion->Diocesis,
                                   &institucion->Vicaria};
            const auto previa = previas.value(institucion->IDInstitucion);
            const QString* escritos[4] = {};
            if (previa) {
                escritos[0] = &previa->Parroco;
                escritos[1] = &previa->EncargadoArchivo;
                escritos[2] = &previa->Diocesis;
                escritos[3] = &previa->Vicaria;
                institucion->RegimenFiscal = previa->RegimenFiscal;
            }
            for (int i = 0; i < 4; ++i) {
                if (escritos[i] && !escritos[i]->isEmpty())
                    *valores[i] = *escritos[i];
                else if (m_columnasInstitucion.contains(columnas[i], Qt::CaseInsensitive))
                    *valores[i] = rs.value(columnas[i]).toString().trimmed();
            }
            m_instituciones.insert(institucion->IDInstitucion);
            instituciones.append(institucion);
        });
        Recorrer(0, "SELECT IDTipo_Donativo FROM Tipo_Donativo", [&](const db::Recordset& rs) {
            tipos.insert(Id(rs, "IDTipo_Donativo"));
        });
        Recorrer(0, "SELECT * FROM Institucion_TipoDonativo_Cuenta ORDER BY IDITC", [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDITC");
            if (!m_instituciones.contains(Id(rs, "CodInstitucion")))
                Incidencia("Institucion_TipoDonativo_Cuenta", id,
                           QStringLiteral("la institución %1 no existe").arg(Id(rs, "CodInstitucion")));
            else if (!tipos.contains(Id(rs, "CodTipoDonativo")))
                Incidencia("Institucion_TipoDonativo_Cuenta", id,
                           QStringLiteral("el tipo de donativo %1 no existe").arg(Id(rs, "CodTipoDonativo")));
            else
                m_enlacesInstitucion.insert(id, Id(rs, "CodCuenta"));
        });
    }

    // Steps 1 and 2: banks with a code of four digits, branches of those
    // banks with a code of four digits.
    void BancosYSucursales()
    {
        Recorrer(1, "SELECT IDBanco, Codigo FROM Banco ORDER BY IDBanco", [&](const db::Recordset& rs) {
            if (Digitos(Texto(rs, "Codigo"), 4))
                sel[Bancos].insert(Id(rs, "IDBanco"));
            else
                Incidencia("Banco", Id(rs, "IDBanco"),
                           QStringLiteral("el código '%1' no tiene cuatro cifras").arg(Texto(rs, "Codigo")));
        });
        Recorrer(2, "SELECT IDSucursal, CodBanco, Codigo FROM Sucursal ORDER BY IDSucursal",
                 [&](const db::Recordset& rs) {
                     const qint64 id = Id(rs, "IDSucursal");
                     if (!sel[Bancos].contains(Id(rs, "CodBanco")))
                         Incidencia("Sucursal", id,
                                    QStringLiteral("el banco %1 no existe o no se trasvasa").arg(Id(rs, "CodBanco")));
                     else if (!Digitos(Texto(rs, "Codigo"), 4))
                         Incidencia("Sucursal", id,
                                    QStringLiteral("el código '%1' no tiene cuatro cifras").arg(Texto(rs, "Codigo")));
                     else
                         sel[Sucursales].insert(id);
                 });
    }

    // Step 3: accounts on a branch transferred, with their digits whole;
    // the institutions' links to accounts left out lose their link.
    void CuentasBancarias()
    {
        Recorrer(3, "SELECT IDCuenta, CodSucursal, NumCuenta, DC FROM Cuenta ORDER BY IDCuenta",
                 [&](const db::Recordset& rs) {
                     const qint64 id = Id(rs, "IDCuenta");
                     if (!sel[Sucursales].contains(Id(rs, "CodSucursal")))
                         Incidencia("Cuenta", id,
                                    QStringLiteral("la sucursal %1 no existe o no se trasvasa")
                                        .arg(Id(rs, "CodSucursal")));
                     else if (!Digitos(Texto(rs, "NumCuenta"), 10) || !Digitos(Texto(rs, "DC"), 2))
                         Incidencia("Cuenta", id,
                                    QStringLiteral("el número de cuenta '%1-%2' no es válido")
                                        .arg(Texto(rs, "DC"), Texto(rs, "NumCuenta")));
                     else
                         sel[Cuentas].insert(id);
                 });
        for (auto it = m_enlacesInstitucion.cbegin(); it != m_enlacesInstitucion.cend(); ++it) {
            if (sel[Cuentas].contains(it.value()))
                sel[EnlacesInstitucion].insert(it.key());
            else
                Incidencia("Institucion_TipoDonativo_Cuenta", it.key(),
                           QStringLiteral("la cuenta %1 no existe o no se trasvasa").arg(it.value()));
        }
    }

    // Step 4: presenters on no branch or a branch transferred, and their
    // institutions.
    void PresentadoresYSusInstituciones()
    {
        Recorrer(4, "SELECT IDPresentador, CodSucursal FROM Presentador ORDER BY IDPresentador",
                 [&](const db::Recordset& rs) {
                     const qint64 sucursal = Id(rs, "CodSucursal");
                     if (sucursal == 0 || sel[Sucursales].contains(sucursal))
                         sel[Presentadores].insert(Id(rs, "IDPresentador"));
                     else
                         Incidencia("Presentador", Id(rs, "IDPresentador"),
                                    QStringLiteral("la sucursal %1 no existe o no se trasvasa").arg(sucursal));
                 });
        Recorrer(4, "SELECT * FROM Presentador_Institucion ORDER BY IDPresentadorInstitucion",
                 [&](const db::Recordset& rs) {
                     if (sel[Presentadores].contains(Id(rs, "CodPresentador")) &&
                         m_instituciones.contains(Id(rs, "CodInstitucion")))
                         presentadorInstitucion.insert(Id(rs, "IDPresentadorInstitucion"));
                     else
                         Incidencia("Presentador_Institucion", Id(rs, "IDPresentadorInstitucion"),
                                    QStringLiteral("el presentador %1 o la institución %2 no se trasvasan")
                                        .arg(Id(rs, "CodPresentador"))
                                        .arg(Id(rs, "CodInstitucion")));
                 });
    }

    // Step 5: the persons of the donor type and their bank links.
    void DonantesYSusCuentas()
    {
        Recorrer(5,
                 "SELECT IDPadron FROM Padron WHERE IDPadron IN (SELECT CodPadron FROM Padron_TipoPersona WHERE "
                 "CodTipoPersona = 1) ORDER BY IDPadron",
                 [&](const db::Recordset& rs) { sel[Donantes].insert(Id(rs, "IDPadron")); });
        Recorrer(5, "SELECT * FROM PersonaDonativo_TipoDonativo_Cuenta ORDER BY IDPTC", [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDPTC");
            if (!sel[Donantes].contains(Id(rs, "CodPersonaDonativo")))
                Incidencia("PersonaDonativo_TipoDonativo_Cuenta", id,
                           QStringLiteral("el donante %1 no existe").arg(Id(rs, "CodPersonaDonativo")));
            else if (!tipos.contains(Id(rs, "CodTipoDonativo")))
                Incidencia("PersonaDonativo_TipoDonativo_Cuenta", id,
                           QStringLiteral("el tipo de donativo %1 no existe").arg(Id(rs, "CodTipoDonativo")));
            else if (!sel[Cuentas].contains(Id(rs, "CodCuenta")))
                Incidencia("PersonaDonativo_TipoDonativo_Cuenta", id,
                           QStringLiteral("la cuenta %1 no existe o no se trasvasa").arg(Id(rs, "CodCuenta")));
            else
                enlacesDonantes.insert(id);
        });
    }

    // Steps 6 to 8: donations of a donor, institution and type that exist;
    // their receipts; remittances of a presenter transferred, and the
    // receipts of a remittance left out with it.
    void DonativosYRecibos()
    {
        Recorrer(6,
                 "SELECT IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo FROM Donativo ORDER BY "
                 "IDDonativo",
                 [&](const db::Recordset& rs) {
                     const qint64 id = Id(rs, "IDDonativo");
                     if (!sel[Donantes].contains(Id(rs, "CodPersonaDonativo")))
                         Incidencia("Donativo", id,
                                    QStringLiteral("el donante %1 no existe").arg(Id(rs, "CodPersonaDonativo")));
                     else if (!m_instituciones.contains(Id(rs, "CodInstitucion")))
                         Incidencia("Donativo", id,
                                    QStringLiteral("la institución %1 no existe").arg(Id(rs, "CodInstitucion")));
                     else if (!tipos.contains(Id(rs, "CodTipoDonativo")))
                         Incidencia("Donativo", id,
                                    QStringLiteral("el tipo de donativo %1 no existe").arg(Id(rs, "CodTipoDonativo")));
                     else
                         sel[Donativos].insert(id);
                 });
        QHash<qint64, qint64> recibos; // receipt -> remittance (0 none)
        Recorrer(7, "SELECT IDRecibo, CodDonativo, CodRemesa FROM Recibo ORDER BY IDRecibo",
                 [&](const db::Recordset& rs) {
                     if (sel[Donativos].contains(Id(rs, "CodDonativo")))
                         recibos.insert(Id(rs, "IDRecibo"), Id(rs, "CodRemesa"));
                     else
                         Incidencia("Recibo", Id(rs, "IDRecibo"),
                                    QStringLiteral("el donativo %1 no existe o no se trasvasa")
                                        .arg(Id(rs, "CodDonativo")));
                 });
        Recorrer(8, "SELECT IDRemesa, CodPresentador FROM Remesa ORDER BY IDRemesa", [&](const db::Recordset& rs) {
            if (sel[Presentadores].contains(Id(rs, "CodPresentador")))
                sel[Remesas].insert(Id(rs, "IDRemesa"));
            else
                Incidencia("Remesa", Id(rs, "IDRemesa"),
                           QStringLiteral("el presentador %1 no existe o no se trasvasa").arg(Id(rs, "CodPresentador")));
        });
        QList<qint64> ids = recibos.keys();
        std::sort(ids.begin(), ids.end());
        for (const qint64 id : ids) {
            const qint64 remesa = recibos.value(id);
            if (remesa == 0 || sel[Remesas].contains(remesa))
                sel[Recibos].insert(id);
            else
                Incidencia("Recibo", id, QStringLiteral("la remesa %1 no existe o no se trasvasa").arg(remesa));
        }
    }

public:
    QSet<qint64> sel[9];
    QSet<qint64> tipos;
    QSet<qint64> enlacesDonantes;
    QSet<qint64> presentadorInstitucion;
    ColeccionInstituciones instituciones;

private:
    BaseAnterior& b;
    ProgresoImportacion& p;
    QSet<qint64> m_instituciones;
    QHash<qint64, qint64> m_enlacesInstitucion; // link -> account
    QStringList m_columnasInstitucion;
};

QString Comprobar(db::Connection& conLocal, const QString& carpeta, const QList<QLabel*>& etiquetas,
                  QProgressBar* barra, const ColeccionesTrasvase& colecciones)
{
    ProgresoImportacion progreso(barra, etiquetas);
    BaseAnterior base;
    QStringList incidencias;
    try {
        ui::HourglassGuard reloj;
        base.Abrir(conLocal, carpeta);
        Comprobacion comprobacion(base, progreso);
        comprobacion.Ejecutar(colecciones.instituciones ? *colecciones.instituciones : ColeccionInstituciones{});
        comprobacion.Guardar(colecciones);
        incidencias = comprobacion.incidencias;
    } catch (const Rechazo& rechazo) {
        progreso.Terminar();
        Mensaje(QString::fromUtf8(kNoSePuede) + QStringLiteral("\r\n\r\n") + rechazo.texto,
                ui::vbOKOnly + ui::vbExclamation);
        return QStringLiteral("ERRORBD");
    } catch (const std::exception& error) {
        progreso.Terminar();
        Mensaje(QStringLiteral("¡No se ha podido comprobar la base de datos de Norvia Parvanta 2000 v1!\r\n\r\n"
                               "Descripción: ") +
                    Descripcion(error),
                ui::vbOKOnly + ui::vbExclamation);
        return QStringLiteral("ERROR");
    }
    progreso.Terminar();
    if (incidencias.isEmpty())
        return {};

    // The summary goes last, marked with "*", so the wizard shows it however
    // long the list is.
    QStringList lineas{QStringLiteral("Comprobación de la base de datos de Norvia Parvanta 2000 v1"),
                       QStringLiteral("Fecha: ") +
                           QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                       QStringLiteral("Base de datos: %1 (versión %2)").arg(base.ruta, base.version), QString()};
    lineas << incidencias << QString()
           << QStringLiteral("* Incidencias: %1. Los datos que las tienen no se trasvasarán.").arg(incidencias.size());
    const RegistroTrasvase registro = GuardarRegistroTrasvase(QStringLiteral("NPV2000v1_Incidencias"), lineas);
    if (!registro.Guardado()) {
        Mensaje(QStringLiteral("¡No se ha podido comprobar la base de datos de Norvia Parvanta 2000 v1!\r\n\r\n"
                               "Descripción: ") +
                    registro.error,
                ui::vbOKOnly + ui::vbExclamation);
        return QStringLiteral("ERROR");
    }
    return registro.ruta;
}

// ---------------------------------------------------------------------------
// The transfer

// A row that breaks a rule of the parish database (a text too long for its
// column, a value of the wrong kind) is left out as an incidence; any other
// failure fails its part.
bool FalloDeFila(const vb::VbError& error)
{
    const long n = error.number();
    return n == db::err::FieldTooSmall || n == db::err::DuplicateKey || n == db::err::ConversionError ||
           n == db::err::InvalidUseOfNull || n == db::err::TypeMismatchInCriteria;
}

// Old ids and the new ids their rows got.
struct Claves {
    Mapa bancos, sucursales, presentadores, donantes, instituciones, donativos, remesas, tipos, municipios,
        provincias;
};

class Trasvase {
public:
    Trasvase(db::Connection& conLocal, BaseAnterior& base, ProgresoImportacion& progreso,
             const ColeccionesTrasvase& colecciones)
        : local(conLocal), b(base), p(progreso), c(colecciones)
    {
    }

    // Each part in its own transaction; the new ids of a part that fails are
    // forgotten with it.
    void Parte(int paso, const QString& nombre, const std::function<QString()>& cuerpo)
    {
        const Claves antes = k;
        try {
            db::Transaction transaccion(local);
            const QString hecho = cuerpo();
            transaccion.Commit();
            resumen << nombre + QStringLiteral(": ") + hecho;
            ++m_partesHechas;
        } catch (const std::exception& error) {
            k = antes;
            const QString motivo = Descripcion(error);
            resumen << nombre + QStringLiteral(": no se ha trasvasado ningún dato (") + motivo + QLatin1Char(')');
            fallos << nombre + QStringLiteral(": ") + motivo;
        }
        p.Avanzar(paso, 1, 1);
    }

    void Ejecutar()
    {
        Parte(1, QStringLiteral("Bancos y sucursales bancarias"), [&] { return BancosYSucursales(); });
        Parte(2, QStringLiteral("Presentadores"), [&] { return PresentadoresNuevos(); });
        Parte(3, QStringLiteral("Donantes y datos bancarios"), [&] { return DonantesNuevos(); });
        Parte(4, QStringLiteral("Instituciones, datos bancarios y donativos"), [&] { return InstitucionesNuevas(); });
        Parte(5, QStringLiteral("Recibos y remesas"), [&] { return RecibosYRemesas(); });
    }

    bool NadaHecho() const { return m_partesHechas == 0; }

    QStringList resumen;
    QStringList fallos;
    QStringList incidencias;

private:
    const QSet<qint64>& Ids(int coleccion) const
    {
        static const QSet<qint64> ninguno;
        const SeleccionTrasvase* s =
            Seleccion(c.tablas[coleccion], QString::fromLatin1(kTablasColeccion[coleccion]));
        return s ? s->ids : ninguno;
    }
    const QSet<qint64>& IdsOnce(const char* tabla) const
    {
        static const QSet<qint64> ninguno;
        const SeleccionTrasvase* s = Seleccion(c.once, QString::fromLatin1(tabla));
        return s ? s->ids : ninguno;
    }

    void Incidencia(const char* tabla, qint64 id, const QString& texto)
    {
        incidencias << QStringLiteral("%1 %2: %3").arg(QString::fromLatin1(tabla)).arg(id).arg(texto);
    }

    void Recorrer(int paso, const QString& sql, const std::function<void(const db::Recordset&)>& porFila)
    {
        RecorrerTabla(b.con, p, paso, sql, porFila);
    }

    // The links of a donor or an institution (`duenos`: old id -> new id) to
    // a donation type and a bank account, each remapped; answers how many
    // were copied. A link whose owner or account did not come over is an
    // incidence.
    int EnlacesCuenta(int paso, const char* tabla, const char* columnaId, const char* columnaDueno, const Mapa& duenos,
                      const QSet<qint64>& seleccion, const QString& sinDueno)
    {
        int copiados = 0;
        const QString nombre = QString::fromLatin1(tabla);
        const QString clave = QString::fromLatin1(columnaId);
        Recorrer(paso, QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(nombre, clave), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, columnaId);
            if (!seleccion.contains(id))
                return;
            const qint64 dueno = duenos.value(Id(rs, columnaDueno), 0);
            if (dueno == 0) {
                Incidencia(tabla, id, sinDueno);
                return;
            }
            Fila(tabla, id, [&] {
                const qint64 cuenta = CuentaNueva(Id(rs, "CodCuenta"));
                if (cuenta == 0)
                    throw vb::VbError(db::err::InvalidUseOfNull, QStringLiteral("su cuenta no se ha trasvasado"));
                Insertar(nombre, clave, rs,
                         {{QString::fromLatin1(columnaDueno), dueno},
                          {QStringLiteral("CodTipoDonativo"), Tipo(Id(rs, "CodTipoDonativo"))},
                          {QStringLiteral("CodCuenta"), cuenta}});
                ++copiados;
            });
        });
        return copiados;
    }

    // Runs one row's writes in a savepoint: a row the parish database
    // refuses is an incidence, and nothing of it stays.
    bool Fila(const char* tabla, qint64 id, const std::function<void()>& escribir)
    {
        db::Transaction fila(local);
        try {
            escribir();
        } catch (const vb::VbError& error) {
            if (!FalloDeFila(error))
                throw;
            fila.Rollback();
            Incidencia(tabla, id, QStringLiteral("no se ha trasvasado: ") + error.description());
            return false;
        }
        fila.Commit();
        return true;
    }

    // Inserts the row `rs` of an old table as a new row of the same table:
    // the columns both databases have but the key, with `cambios` replacing
    // or adding values. Answers the new key.
    qint64 Insertar(const QString& tabla, const QString& clave, const db::Recordset& rs,
                    const QList<QPair<QString, db::Value>>& cambios)
    {
        Plan& plan = m_planes[tabla];
        if (plan.sql.isEmpty()) {
            const QStringList locales = Columnas(local, tabla);
            const db::Fields campos = rs.Fields();
            QStringList nombres;
            for (int i = 0; i < campos.Count(); ++i) {
                const QString nombre = campos[i].Name();
                bool cambiado = false;
                for (const auto& cambio : cambios)
                    cambiado = cambiado || cambio.first.compare(nombre, Qt::CaseInsensitive) == 0;
                if (nombre.compare(clave, Qt::CaseInsensitive) == 0 || cambiado ||
                    !locales.contains(nombre, Qt::CaseInsensitive))
                    continue;
                nombres << nombre;
                plan.indices << i;
            }
            for (const auto& cambio : cambios)
                nombres << cambio.first;
            QStringList marcas;
            for (qsizetype i = 0; i < nombres.size(); ++i)
                marcas << QStringLiteral("?");
            plan.sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(tabla, nombres.join(QStringLiteral(", ")), marcas.join(QStringLiteral(", ")));
        }
        QList<db::Value> valores;
        valores.reserve(plan.indices.size() + cambios.size());
        for (const int i : std::as_const(plan.indices))
            valores << rs.value(i);
        for (const auto& cambio : cambios)
            valores << cambio.second;
        local.Exec(plan.sql, valores);
        return local.LastInsertId();
    }

    qint64 Buscar(const QString& sql, const QList<db::Value>& valores)
    {
        db::Recordset rs = local.Query(sql, valores);
        return rs.isEOF() ? 0 : rs.value(0).toInt64();
    }

    // The town of the parish database with the old town's name in a province
    // of the same name, made when there is none; 0 for none.
    qint64 Municipio(qint64 viejo)
    {
        if (viejo <= 0 || !b.municipios)
            return 0;
        if (const auto it = k.municipios.constFind(viejo); it != k.municipios.cend())
            return it.value();
        db::Recordset rs = b.con.Query(QStringLiteral("SELECT Municipio.Nombre, Provincia.Nombre FROM Municipio LEFT "
                                                      "JOIN Provincia ON Municipio.CodProvincia = "
                                                      "Provincia.IDProvincia WHERE IDMunicipio = ?"),
                                       {viejo});
        qint64 nuevo = 0;
        if (!rs.isEOF()) {
            const QString municipio = rs.value(0).toString().trimmed();
            const QString provincia = rs.value(1).toString().trimmed();
            nuevo = Buscar(QStringLiteral("SELECT IDMunicipio FROM Municipio INNER JOIN Provincia ON "
                                          "Municipio.CodProvincia = Provincia.IDProvincia WHERE Municipio.Nombre = ? "
                                          "AND Provincia.Nombre = ?"),
                           {municipio, provincia});
            if (nuevo == 0 && !municipio.isEmpty()) {
                qint64 idProvincia = 0;
                if (!provincia.isEmpty()) {
                    idProvincia = Buscar(QStringLiteral("SELECT IDProvincia FROM Provincia WHERE Nombre = ?"),
                                         {provincia});
                    if (idProvincia == 0) {
                        local.Exec(QStringLiteral("INSERT INTO Provincia (Nombre) VALUES (?)"), {provincia});
                        idProvincia = local.LastInsertId();
                    }
                }
                local.Exec(QStringLiteral("INSERT INTO Municipio (Nombre, CodProvincia) VALUES (?, ?)"),
                           {municipio, idProvincia});
                nuevo = local.LastInsertId();
            }
        }
        k.municipios.insert(viejo, nuevo);
        return nuevo;
    }

    // A donation type of the parish database with the old one's description,
    // made when there is none.
    qint64 Tipo(qint64 viejo)
    {
        if (const auto it = k.tipos.constFind(viejo); it != k.tipos.cend())
            return it.value();
        db::Recordset rs = b.con.Query(QStringLiteral("SELECT Descripcion FROM Tipo_Donativo WHERE IDTipo_Donativo = ?"),
                                       {viejo});
        const QString descripcion = rs.isEOF() ? QString() : rs.value(0).toString();
        qint64 nuevo =
            Buscar(QStringLiteral("SELECT IDTipo_Donativo FROM Tipo_Donativo WHERE Descripcion = ?"), {descripcion});
        if (nuevo == 0) {
            local.Exec(QStringLiteral("INSERT INTO Tipo_Donativo (Descripcion) VALUES (?)"), {descripcion});
            nuevo = local.LastInsertId();
        }
        k.tipos.insert(viejo, nuevo);
        return nuevo;
    }

    // A new copy of an old account on its branch's new id; 0 when the
    // account or its branch did not come over.
    qint64 CuentaNueva(qint64 vieja)
    {
        if (!Ids(Cuentas).contains(vieja))
            return 0;
        db::Recordset rs = b.con.Query(QStringLiteral("SELECT * FROM Cuenta WHERE IDCuenta = ?"), {vieja});
        if (rs.isEOF())
            return 0;
        const qint64 sucursal = k.sucursales.value(Id(rs, "CodSucursal"), 0);
        if (sucursal == 0)
            return 0;
        return Insertar(QStringLiteral("Cuenta"), QStringLiteral("IDCuenta"), rs,
                        {{QStringLiteral("CodSucursal"), sucursal}});
    }

    QString BancosYSucursales()
    {
        int bancos = 0;
        int sucursales = 0;
        Recorrer(1, QStringLiteral("SELECT * FROM Banco ORDER BY IDBanco"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDBanco");
            if (!Ids(Bancos).contains(id))
                return;
            // A bank is one per code: the parish database's own is kept.
            qint64 nuevo = Buscar(QStringLiteral("SELECT IDBanco FROM Banco WHERE Codigo = ?"), {Texto(rs, "Codigo")});
            if (nuevo == 0 && Fila("Banco", id, [&] {
                    nuevo = Insertar(QStringLiteral("Banco"), QStringLiteral("IDBanco"), rs, {});
                }))
                ++bancos;
            if (nuevo != 0)
                k.bancos.insert(id, nuevo);
        });
        Recorrer(1, QStringLiteral("SELECT * FROM Sucursal ORDER BY IDSucursal"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDSucursal");
            if (!Ids(Sucursales).contains(id))
                return;
            const qint64 banco = k.bancos.value(Id(rs, "CodBanco"), 0);
            if (banco == 0) {
                Incidencia("Sucursal", id, QStringLiteral("su banco no se ha trasvasado"));
                return;
            }
            qint64 nueva = Buscar(QStringLiteral("SELECT IDSucursal FROM Sucursal WHERE CodBanco = ? AND Codigo = ?"),
                                  {banco, Texto(rs, "Codigo")});
            if (nueva == 0 && Fila("Sucursal", id, [&] {
                    nueva = Insertar(QStringLiteral("Sucursal"), QStringLiteral("IDSucursal"), rs,
                                     {{QStringLiteral("CodBanco"), banco}});
                }))
                ++sucursales;
            if (nueva != 0)
                k.sucursales.insert(id, nueva);
        });
        return QStringLiteral("%1 bancos y %2 sucursales nuevos; %3 bancos y %4 sucursales ya estaban")
            .arg(bancos)
            .arg(sucursales)
            .arg(k.bancos.size() - bancos)
            .arg(k.sucursales.size() - sucursales);
    }

    QString PresentadoresNuevos()
    {
        Recorrer(2, QStringLiteral("SELECT * FROM Presentador ORDER BY IDPresentador"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDPresentador");
            if (!Ids(Presentadores).contains(id))
                return;
            const qint64 vieja = Id(rs, "CodSucursal");
            const qint64 sucursal = vieja == 0 ? 0 : k.sucursales.value(vieja, 0);
            if (vieja != 0 && sucursal == 0) {
                Incidencia("Presentador", id, QStringLiteral("su sucursal no se ha trasvasado"));
                return;
            }
            Fila("Presentador", id, [&] {
                k.presentadores.insert(id, Insertar(QStringLiteral("Presentador"), QStringLiteral("IDPresentador"), rs,
                                                    {{QStringLiteral("CodSucursal"), sucursal}}));
            });
        });
        return QStringLiteral("%1 presentadores").arg(k.presentadores.size());
    }

    QString DonantesNuevos()
    {
        Recorrer(3, QStringLiteral("SELECT * FROM Padron ORDER BY IDPadron"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDPadron");
            if (!Ids(Donantes).contains(id))
                return;
            Fila("Padron", id, [&] {
                // The census institution is not among the rows transferred.
                const qint64 nuevo = Insertar(QStringLiteral("Padron"), QStringLiteral("IDPadron"), rs,
                                              {{QStringLiteral("CodMunicipio"), Municipio(Id(rs, "CodMunicipio"))},
                                               {QStringLiteral("CodInstitucionEmpadronado"), 0}});
                local.Exec(QStringLiteral("INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (?, 1)"),
                           {nuevo});
                k.donantes.insert(id, nuevo);
            });
        });
        const int cuentas =
            EnlacesCuenta(3, "PersonaDonativo_TipoDonativo_Cuenta", "IDPTC", "CodPersonaDonativo", k.donantes,
                          IdsOnce("PersonaDonativo_TipoDonativo_Cuenta"), QStringLiteral("su donante no se ha trasvasado"));
        return QStringLiteral("%1 donantes, %2 cuentas bancarias").arg(k.donantes.size()).arg(cuentas);
    }

    QString InstitucionesNuevas()
    {
        QHash<qint64, std::shared_ptr<PVAPI::cInstitucion>> completadas;
        if (c.instituciones) {
            for (const auto& institucion : *c.instituciones) {
                if (institucion)
                    completadas.insert(institucion->IDInstitucion, institucion);
            }
        }
        Recorrer(4, QStringLiteral("SELECT * FROM Institucion ORDER BY IDInstitucion"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDInstitucion");
            const auto datos = completadas.value(qint32(id));
            if (!datos)
                return;
            Fila("Institucion", id, [&] {
                k.instituciones.insert(
                    id, Insertar(QStringLiteral("Institucion"), QStringLiteral("IDInstitucion"), rs,
                                 {{QStringLiteral("CodMunicipio"), Municipio(Id(rs, "CodMunicipio"))},
                                  {QStringLiteral("Parroco"), datos->Parroco},
                                  {QStringLiteral("EncargadoArchivo"), datos->EncargadoArchivo},
                                  {QStringLiteral("Diocesis"), datos->Diocesis},
                                  {QStringLiteral("Vicaria"), datos->Vicaria}}));
            });
        });
        const int cuentas =
            EnlacesCuenta(4, "Institucion_TipoDonativo_Cuenta", "IDITC", "CodInstitucion", k.instituciones,
                          Ids(EnlacesInstitucion), QStringLiteral("su institución no se ha trasvasado"));
        const QSet<qint64>& presentadores = IdsOnce("Presentador_Institucion");
        Recorrer(4, QStringLiteral("SELECT * FROM Presentador_Institucion ORDER BY IDPresentadorInstitucion"),
                 [&](const db::Recordset& rs) {
                     const qint64 id = Id(rs, "IDPresentadorInstitucion");
                     if (!presentadores.contains(id))
                         return;
                     const qint64 presentador = k.presentadores.value(Id(rs, "CodPresentador"), 0);
                     const qint64 institucion = k.instituciones.value(Id(rs, "CodInstitucion"), 0);
                     if (presentador == 0 || institucion == 0) {
                         Incidencia("Presentador_Institucion", id,
                                    QStringLiteral("su presentador o su institución no se han trasvasado"));
                         return;
                     }
                     Fila("Presentador_Institucion", id, [&] {
                         Insertar(QStringLiteral("Presentador_Institucion"), QStringLiteral("IDPresentadorInstitucion"),
                                  rs,
                                  {{QStringLiteral("CodPresentador"), presentador},
                                   {QStringLiteral("CodInstitucion"), institucion}});
                     });
                 });
        Recorrer(4, QStringLiteral("SELECT * FROM Donativo ORDER BY IDDonativo"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDDonativo");
            if (!Ids(Donativos).contains(id))
                return;
            const qint64 donante = k.donantes.value(Id(rs, "CodPersonaDonativo"), 0);
            const qint64 institucion = k.instituciones.value(Id(rs, "CodInstitucion"), 0);
            if (donante == 0 || institucion == 0) {
                Incidencia("Donativo", id, QStringLiteral("su donante o su institución no se han trasvasado"));
                return;
            }
            Fila("Donativo", id, [&] {
                k.donativos.insert(id, Insertar(QStringLiteral("Donativo"), QStringLiteral("IDDonativo"), rs,
                                                {{QStringLiteral("CodPersonaDonativo"), donante},
                                                 {QStringLiteral("CodInstitucion"), institucion},
                                                 {QStringLiteral("CodTipoDonativo"), Tipo(Id(rs, "CodTipoDonativo"))}}));
            });
        });
        return QStringLiteral("%1 instituciones, %2 cuentas bancarias, %3 donativos")
            .arg(k.instituciones.size())
            .arg(cuentas)
            .arg(k.donativos.size());
    }

    QString RecibosYRemesas()
    {
        Recorrer(5, QStringLiteral("SELECT * FROM Remesa ORDER BY IDRemesa"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDRemesa");
            if (!Ids(Remesas).contains(id))
                return;
            const qint64 presentador = k.presentadores.value(Id(rs, "CodPresentador"), 0);
            if (presentador == 0) {
                Incidencia("Remesa", id, QStringLiteral("su presentador no se ha trasvasado"));
                return;
            }
            Fila("Remesa", id, [&] {
                k.remesas.insert(id, Insertar(QStringLiteral("Remesa"), QStringLiteral("IDRemesa"), rs,
                                              {{QStringLiteral("CodPresentador"), presentador}}));
            });
        });
        int recibos = 0;
        Recorrer(5, QStringLiteral("SELECT * FROM Recibo ORDER BY IDRecibo"), [&](const db::Recordset& rs) {
            const qint64 id = Id(rs, "IDRecibo");
            if (!Ids(Recibos).contains(id))
                return;
            const qint64 donativo = k.donativos.value(Id(rs, "CodDonativo"), 0);
            const qint64 vieja = Id(rs, "CodRemesa");
            const qint64 remesa = vieja == 0 ? 0 : k.remesas.value(vieja, 0);
            if (donativo == 0 || (vieja != 0 && remesa == 0)) {
                Incidencia("Recibo", id, QStringLiteral("su donativo o su remesa no se han trasvasado"));
                return;
            }
            if (Fila("Recibo", id, [&] {
                    Insertar(QStringLiteral("Recibo"), QStringLiteral("IDRecibo"), rs,
                             {{QStringLiteral("CodDonativo"), donativo}, {QStringLiteral("CodRemesa"), remesa}});
                }))
                ++recibos;
        });
        return QStringLiteral("%1 remesas, %2 recibos").arg(k.remesas.size()).arg(recibos);
    }

    struct Plan {
        QString sql;
        QList<int> indices;
    };

    db::Connection& local;
    BaseAnterior& b;
    ProgresoImportacion& p;
    const ColeccionesTrasvase& c;
    Claves k;
    QHash<QString, Plan> m_planes;
    int m_partesHechas = 0;
};

QString RegimenFiscal(qint16 regimen)
{
    switch (regimen) {
    case 1:
        return QStringLiteral("Ley 30/1994");
    case 2:
        return QStringLiteral("rinde cuentas al protectorado o asociación de utilidad pública");
    default:
        return QStringLiteral("ninguno");
    }
}

QString Trasvasar(db::Connection& conLocal, const QString& carpeta, const QList<QLabel*>& etiquetas,
                  QProgressBar* barra, const ColeccionesTrasvase& colecciones)
{
    const QString titulo =
        QStringLiteral("¡No se ha podido trasvasar la base de datos de Norvia Parvanta 2000 v1!\r\n\r\n");
    ProgresoImportacion progreso(barra, etiquetas);
    BaseAnterior base;
    auto reloj = std::make_unique<ui::HourglassGuard>();
    try {
        progreso.Avanzar(0, 0, 1);
        base.Abrir(conLocal, carpeta);
        const SeleccionTrasvase* origen = Seleccion(colecciones.once, QString());
        if (!origen || QFileInfo(origen->ruta).canonicalFilePath() != QFileInfo(base.ruta).canonicalFilePath())
            throw Rechazo{QStringLiteral("La base de datos '%1' no es la que se ha comprobado; vuelva a empezar el "
                                         "asistente.")
                              .arg(base.ruta)};
        progreso.Avanzar(0, 1, 1);
    } catch (const Rechazo& rechazo) {
        reloj.reset();
        progreso.Terminar();
        Mensaje(titulo + rechazo.texto, ui::vbOKOnly + ui::vbExclamation);
        return QStringLiteral("ERROR");
    } catch (const std::exception& error) {
        reloj.reset();
        progreso.Terminar();
        Mensaje(titulo + QStringLiteral("Descripción: ") + Descripcion(error), ui::vbOKOnly + ui::vbExclamation);
        return QStringLiteral("ERROR");
    }

    Trasvase trasvase(conLocal, base, progreso, colecciones);
    trasvase.Ejecutar();
    reloj.reset();
    progreso.Terminar();

    QStringList lineas{QStringLiteral("Trasvase de la base de datos de Norvia Parvanta 2000 v1"),
                       QStringLiteral("Fecha: ") +
                           QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")),
                       QStringLiteral("Base de datos: %1 (versión %2)").arg(base.ruta, base.version), QString(),
                       QStringLiteral("Instituciones:")};
    if (colecciones.instituciones) {
        for (const auto& i : *colecciones.instituciones) {
            if (i)
                lineas << QStringLiteral("  %1: párroco %2; encargado del archivo %3; diócesis %4; vicaría %5; "
                                         "régimen fiscal de deducciones: %6")
                              .arg(i->Nombre, i->Parroco, i->EncargadoArchivo, i->Diocesis, i->Vicaria,
                                   RegimenFiscal(i->RegimenFiscal));
        }
    }
    lineas << QString() << trasvase.resumen << QString()
           << QStringLiteral("Incidencias: %1").arg(trasvase.incidencias.size()) << trasvase.incidencias;
    const RegistroTrasvase registro = GuardarRegistroTrasvase(QStringLiteral("NPV2000v1_Trasvase"), lineas);

    if (!trasvase.fallos.isEmpty() || !registro.Guardado()) {
        QString texto = trasvase.NadaHecho()
                            ? titulo
                            : QStringLiteral("¡Parte de la base de datos de Norvia Parvanta 2000 v1 no se ha podido "
                                             "trasvasar!\r\n\r\n");
        if (!trasvase.fallos.isEmpty())
            texto += trasvase.fallos.join(QStringLiteral("\r\n")) +
                     QStringLiteral("\r\n\r\nEsas partes se han deshecho enteras; lo que depende de ellas no se ha "
                                    "trasvasado.");
        if (!registro.Guardado())
            texto += QStringLiteral("\r\n\r\n¡No se ha podido guardar el registro del trasvase! ") + registro.error;
        Mensaje(texto, ui::vbOKOnly + ui::vbExclamation);
    }
    if (trasvase.NadaHecho() || !registro.Guardado())
        return QStringLiteral("ERROR");
    return registro.ruta;
}

} // namespace

QString ImportarVersionAnterior(db::Connection& conLocal, const QString& carpeta, int modo,
                                const QList<QLabel*>& etiquetas, QProgressBar* barra,
                                const ColeccionesTrasvase& colecciones)
{
    if (modo == 0)
        return Comprobar(conLocal, carpeta, etiquetas, barra, colecciones);
    if (modo == 1)
        return Trasvasar(conLocal, carpeta, etiquetas, barra, colecciones);
    Mensaje(QStringLiteral("¡No se puede importar la base de datos de Norvia Parvanta 2000 v1!\r\n\r\n"
                           "El modo %1 no es ni la comprobación (0) ni el trasvase (1).")
                .arg(modo),
            ui::vbOKOnly + ui::vbExclamation);
    return QStringLiteral("ERROR");
}

} // namespace addins::trasvase_version_anterior
