#include "navigation/CargaModeloNodos.h"

#include "navigation/BusquedaNodos.h"
#include "navigation/ClavesNodo.h"
#include "core/IntentarPaso.h"
#include "navigation/RutaNodos.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Transaction.h"
#include "platform/vb/Vb.h"

#include <optional>

namespace {

const QString kExpandido = QStringLiteral("Expandido");
// What a missing expansion key reads as, to tell it from a stored value.
const QString kSinExpansion = QStringLiteral("1000");
// What a missing width key reads as.
const QString kSinAncho = QStringLiteral("-1");
constexpr qint32 kNRegMaxPredeterminado = 24;

qint32 Entero(const db::Value& valor)
{
    return vb::CLng(valor.toDouble());
}

qint16 Corto(const db::Value& valor)
{
    return vb::CInt(valor.toDouble());
}

// Rows per page from the root setting; one that is not a positive number
// would make an empty page, so the default stands in.
qint32 NRegMaxDeTexto(const QString& texto)
{
    try {
        const qint32 valor = vb::CLng(vb::CDblEs(texto));
        return valor >= 1 ? valor : kNRegMaxPredeterminado;
    } catch (...) {
        return kNRegMaxPredeterminado;
    }
}

} // namespace

CargaModeloNodos::CargaModeloNodos(db::Connection& conLocal, AjustesUsuario ajustes, bool consolidacionVisible,
                                   std::function<void()> puntoControl)
    : m_con(conLocal)
    , m_ajustes(std::move(ajustes))
    , m_consolidacionVisible(consolidacionVisible)
    , m_puntoControl(std::move(puntoControl))
{
}

QString CargaModeloNodos::ConsultaEmpresasSinGrupo()
{
    return QStringLiteral("SELECT Empresa.Abreviatura, Empresa.Nombre, Empresa.AñoEjercicio, "
                          "Empresa.EjercicioCerrado, IDEmpresa "
                          "FROM Empresa LEFT JOIN Grupo ON Empresa.CodGrupo = Grupo.IDGrupo "
                          "ORDER BY Empresa.AñoEjercicio, Empresa.Abreviatura, Empresa.Nombre");
}

void CargaModeloNodos::Cargar(ColeccionNodos& gcolNodo, ColeccionRegistros& gcolRegistroDB)
{
    PasarExpansion();
    LeerNodos(gcolNodo);
    PonerRutas(gcolNodo);
    if (!m_consolidacionVisible)
        QuitarConsolidacion(gcolNodo);
    CrearRegistros(gcolRegistroDB);
}

void CargaModeloNodos::PuntoControl()
{
    if (m_puntoControl)
        m_puntoControl();
}

QString CargaModeloNodos::SeccionNodo(const RutaNodos& rutas, qint32 idNodo) const
{
    return m_ajustes.SeccionNodo(rutas.Captions(idNodo));
}

// The saved value is read as "1" (expanded) or anything else (collapsed) and
// bound into the statement, never pasted into it.
void CargaModeloNodos::PasarExpansion()
{
    db::Recordset filas;
    RutaNodos rutas;
    IntentarPaso([&] {
        filas = m_con.Execute(QStringLiteral("SELECT * FROM Nodo"));
        rutas = RutaNodos(filas);
    });
    PuntoControl();
    if (!filas.isOpen())
        return;

    // One transaction keeps the many small updates from syncing one by one.
    std::optional<db::Transaction> transaccion;
    IntentarPaso([&] { transaccion.emplace(m_con); });
    for (; !filas.isEOF(); filas.MoveNext()) {
        IntentarPaso([&] {
            const qint32 id = Entero(filas.value(QStringLiteral("IDNodo")));
            const QString seccion = SeccionNodo(rutas, id);
            if (m_ajustes.Leer(seccion, kExpandido, kSinExpansion) == kSinExpansion)
                m_ajustes.Guardar(seccion, kExpandido, QStringLiteral("0"));
            const bool expandido = m_ajustes.Leer(seccion, kExpandido) == QLatin1String("1");
            m_con.Exec(QStringLiteral("UPDATE Nodo SET Expandido = ? WHERE IDNodo = ?"), {expandido, id});
        });
    }
    if (transaccion)
        IntentarPaso([&] { transaccion->Commit(); });
}

void CargaModeloNodos::LeerNodos(ColeccionNodos& gcolNodo)
{
    db::Recordset filas;
    IntentarPaso([&] { filas = m_con.Execute(QStringLiteral("SELECT * FROM Nodo ORDER BY Nivel, CodPadre, Orden")); });
    PuntoControl();
    if (!filas.isOpen())
        return;
    for (; !filas.isEOF(); filas.MoveNext()) {
        db::Recordset campos;
        IntentarPaso([&] {
            campos = m_con.Query(QStringLiteral("SELECT * FROM Campo WHERE CodNodo = ? ORDER BY Orden"),
                                 {filas.value(QStringLiteral("IDNodo"))});
        });
        PuntoControl();
        std::shared_ptr<cNodo> nodo = LeerNodo(filas);
        if (campos.isOpen())
            LeerCampos(*nodo, campos);
        IntentarPaso([&] { gcolNodo.Add(nodo, ClaveColeccion(nodo->IDNodo())); });
    }
}

std::shared_ptr<cNodo> CargaModeloNodos::LeerNodo(const db::Recordset& fila)
{
    auto nodo = std::make_shared<cNodo>();
    auto campo = [&](const char* nombre) { return fila.value(QString::fromUtf8(nombre)); };
    IntentarPaso([&] { nodo->SetCodImagen(Entero(campo("CodImagen"))); });
    IntentarPaso([&] { nodo->SetCodPadre(Entero(campo("CodPadre"))); });
    IntentarPaso([&] { nodo->SetIDNodo(Entero(campo("IDNodo"))); });
    IntentarPaso([&] {
        const qint32 nivel = Entero(campo("Nivel"));
        if (nivel < 0 || nivel > 255)
            vb::ThrowOverflow();
        nodo->SetNivel(quint8(nivel));
    });
    IntentarPaso([&] { nodo->SetNombre(campo("Nombre").toString()); });
    IntentarPaso([&] { nodo->SetDescripcion(campo("Descripcion").toString()); });
    IntentarPaso([&] { nodo->SetExpandido(campo("Expandido").toString()); });
    IntentarPaso([&] {
        const qint16 id = Corto(campo("IDNodo"));
        nodo->SetPadreDeNivel2(ComprobarPadreDeNivel2(m_con, id, m_ajustes.aplicacion));
    });
    IntentarPaso([&] {
        const db::Value sql = campo("SQLSelect");
        if (!sql.isNull())
            nodo->SetSQLSelect(sql.toString().trimmed());
    });
    return nodo;
}

void CargaModeloNodos::LeerCampos(cNodo& nodo, db::Recordset& campos)
{
    const QString seccion = m_ajustes.SeccionGrids();
    for (; !campos.isEOF(); campos.MoveNext()) {
        auto columna = std::make_shared<cCampo>();
        auto campo = [&](const char* nombre) { return campos.value(QString::fromUtf8(nombre)); };
        IntentarPaso([&] { columna->SetIDCampo(Corto(campo("IDCampo"))); });
        IntentarPaso([&] { columna->SetIDNodo(Corto(campo("CodNodo"))); });
        IntentarPaso([&] { columna->SetNombre(campo("Nombre").toString()); });
        IntentarPaso([&] { columna->SetOrden(Corto(campo("Orden"))); });
        IntentarPaso([&] {
            const QString clave = QString::number(columna->IDCampo());
            if (m_ajustes.Leer(seccion, clave, kSinAncho) == kSinAncho)
                m_ajustes.Guardar(seccion, clave, campo("Ancho").toString());
            columna->SetAncho(vb::CInt(vb::CDblEs(m_ajustes.Leer(seccion, clave))));
        });
        IntentarPaso([&] { columna->SetDescripcion(campo("Descripcion").toString()); });
        IntentarPaso([&] { nodo.colCampo().Add(columna, ClaveColeccion(columna->IDCampo())); });
    }
}

void CargaModeloNodos::PonerRutas(ColeccionNodos& gcolNodo)
{
    std::optional<RutaNodos> rutas;
    IntentarPaso([&] { rutas = RutaNodos::Leer(m_con); });
    PuntoControl();
    if (!rutas)
        return;
    for (const auto& nodo : gcolNodo) {
        // Only a node with a list has a section of its own.
        if (nodo->colCampo().Count() > 0)
            nodo->SetPath(SeccionNodo(*rutas, nodo->IDNodo()));
        PuntoControl();
    }
}

void CargaModeloNodos::QuitarConsolidacion(ColeccionNodos& gcolNodo)
{
    IntentarPaso([&] { gcolNodo.Remove(BuscarNodo(gcolNodo, QStringLiteral("Grupos"))); });
    const qint32 empresas = BuscarNodo(gcolNodo, QStringLiteral("Empresas"));
    IntentarPaso([&] {
        gcolNodo.Item(empresas)->colCampo().Remove(BuscarCampo(gcolNodo, empresas, QStringLiteral("Grupo")));
    });
    IntentarPaso([&] { gcolNodo.Item(empresas)->SetSQLSelect(ConsultaEmpresasSinGrupo()); });
}

void CargaModeloNodos::CrearRegistros(ColeccionRegistros& gcolRegistroDB)
{
    db::Recordset filas;
    RutaNodos rutas;
    IntentarPaso([&] { filas = m_con.Execute(QStringLiteral("SELECT * FROM Nodo")); });
    PuntoControl();
    IntentarPaso([&] { rutas = RutaNodos(filas); });
    PuntoControl();
    if (!filas.isOpen())
        return;
    const qint32 nRegMax = NRegMaxDeTexto(m_ajustes.Leer(QStringLiteral("PRINCIPAL"), QStringLiteral("NRegMax"),
                                                         QString::number(kNRegMaxPredeterminado)));
    for (; !filas.isEOF(); filas.MoveNext()) {
        IntentarPaso([&] {
            const QString seccion = SeccionNodo(rutas, Entero(filas.value(QStringLiteral("IDNodo"))));
            // Two nodes with one caption chain share a section: the first keeps it.
            if (gcolRegistroDB.Contiene(seccion))
                return;
            auto registro = std::make_shared<cPropiedadesNodo>();
            registro->SetPath(seccion);
            registro->SetNRegMax(nRegMax);
            gcolRegistroDB.Add(registro, seccion);
        });
    }
}
