#include "comun/TablasRegistro.h"
#include "comun/TablasRegistroLibros.h"
#include "platform/db/Connection.h"
#include "platform/pvapi/DialogoInstitucion.h"
#include "platform/pvapi/DialogoMunicipio.h"
#include "platform/pvapi/DialogoProvincia.h"
#include "schema/Estructura.h"
#include "support/TempDatabase.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <functional>

namespace addinstest {
namespace {

using widgets::CampoRegistro;
using widgets::DefinicionRegistro;
using widgets::TipoCampo;
using widgets::VinculoSeccion;

// Every record table of the stand-ins and of the component library, with the
// dependent records' tables reached through their owners.
QList<QPair<QString, std::shared_ptr<const DefinicionRegistro>>> Todas()
{
    auto todas = addins::TablasRegistro::Todas();
    todas.append({QStringLiteral("Institucion"), PVAPI::DialogoInstitucion::Definicion()});
    todas.append({QStringLiteral("Municipio"), PVAPI::DialogoMunicipio::Definicion()});
    todas.append({QStringLiteral("Provincia"), PVAPI::DialogoProvincia::Definicion()});
    return todas;
}

void Recorrer(const QString& nombre, const DefinicionRegistro& def,
              const std::function<void(const QString&, const DefinicionRegistro&)>& visitar)
{
    visitar(nombre, def);
    for (const auto& detalle : def.detalles)
        Recorrer(nombre + QStringLiteral(" > ") + detalle.titulo, *detalle.definicion, visitar);
}

// The Jet types a field of each kind may be stored in; a text's width must
// be its column's.
QString TipoIncompatible(const CampoRegistro& campo, const QString& tipo)
{
    static const QRegularExpression texto(QStringLiteral("^NVARCHAR\\((\\d+)\\)$"));
    const auto m = texto.match(tipo);
    switch (campo.tipo) {
    case TipoCampo::Texto:
        if (!m.hasMatch() || m.captured(1).toInt() != campo.ancho)
            return QStringLiteral("text of width %1").arg(campo.ancho);
        return {};
    case TipoCampo::Fecha: return m.hasMatch() && m.captured(1) == QLatin1String("8") ? QString() : QStringLiteral("date");
    case TipoCampo::Memo: return tipo == QLatin1String("TEXT") ? QString() : QStringLiteral("memo");
    case TipoCampo::SiNo: return tipo == QLatin1String("BIT") ? QString() : QStringLiteral("yes/no");
    case TipoCampo::Entero:
        if (tipo == QLatin1String("SMALLINT") && campo.maximo > 32767)
            return QStringLiteral("number beyond a SMALLINT");
        return QStringList{"INT", "SMALLINT", "BYTE"}.contains(tipo) ? QString() : QStringLiteral("number");
    case TipoCampo::Referencia: return tipo == QLatin1String("INT") ? QString() : QStringLiteral("reference");
    case TipoCampo::Importe:
        return QStringList{"CURRENCY", "FLOAT"}.contains(tipo) ? QString() : QStringLiteral("amount");
    }
    return QStringLiteral("unknown kind");
}

TEST(TablasRegistroTest, EveryTableColumnAndLinkIsInTheParishLayoutWithItsType)
{
    const EsquemaDef& esquema = EsquemaDuzediv();
    auto columna = [&esquema](const QString& tabla, const QString& col) -> const ColumnaDef* {
        const TablaDef* t = esquema.tabla(tabla);
        return t ? t->columna(col) : nullptr;
    };
    int campos = 0;
    for (const auto& [nombre, definicion] : Todas()) {
        Recorrer(nombre, *definicion, [&](const QString& donde, const DefinicionRegistro& def) {
            const std::string en = donde.toStdString();
            ASSERT_FALSE(def.secciones.isEmpty()) << en;
            for (int s = 0; s < def.secciones.size(); ++s) {
                const auto& sec = def.secciones[s];
                EXPECT_TRUE(columna(sec.tabla, sec.clave)) << en << ": " << sec.tabla.toStdString();
                EXPECT_LT(sec.padre, s == 0 ? 1 : s) << en << ": a section comes after its parent";
                if (sec.vinculo == VinculoSeccion::Referida) {
                    EXPECT_TRUE(columna(def.secciones[sec.padre].tabla, sec.columnaEnPadre)) << en;
                }
                for (const auto& [tabla, col] : sec.otrasReferencias)
                    EXPECT_TRUE(columna(tabla, col)) << en << ": " << tabla.toStdString();
                for (const QString& col : sec.columnasLeidas)
                    EXPECT_TRUE(columna(sec.tabla, col)) << en << ": " << col.toStdString();
            }
            for (const CampoRegistro& c : def.campos) {
                ++campos;
                const QString tabla = def.secciones.value(c.seccion).tabla;
                const std::string cual = en + ": " + tabla.toStdString() + "." + c.columna.toStdString();
                const ColumnaDef* col = columna(tabla, c.columna);
                ASSERT_TRUE(col) << cual;
                EXPECT_EQ(TipoIncompatible(c, col->tipo).toStdString(), "") << cual << " is " << col->tipo.toStdString();
                if (c.tipo == TipoCampo::Importe) {
                    EXPECT_TRUE(columna(tabla, c.columnaEuros)) << cual;
                }
                if (c.tipo == TipoCampo::Referencia) {
                    EXPECT_TRUE(columna(c.referencia.tabla, c.referencia.clave)) << cual;
                }
            }
            for (const auto& detalle : def.detalles) {
                const auto& hija = *detalle.definicion;
                EXPECT_TRUE(columna(hija.secciones[0].tabla, detalle.columnaPadre)) << en;
                for (const QString& col : detalle.columnas)
                    EXPECT_GE(hija.IndiceCampo(col), 0) << en << ": list column " << col.toStdString();
            }
        });
    }
    EXPECT_GT(campos, 150);
}

TEST(TablasRegistroTest, EveryListOfRowsOfferedReadsOnAParishDatabase)
{
    testsupport::TempDatabase base;
    CrearEstructuraDuzediv(base.con);
    for (const auto& [nombre, definicion] : Todas()) {
        Recorrer(nombre, *definicion, [&base](const QString& donde, const DefinicionRegistro& def) {
            for (const CampoRegistro& c : def.campos) {
                if (c.tipo != TipoCampo::Referencia)
                    continue;
                try {
                    db::Recordset rs = base.con.Execute(c.referencia.consulta);
                    EXPECT_EQ(rs.Fields().Count(), 2) << donde.toStdString() << ": " << c.columna.toStdString();
                } catch (const std::exception& e) {
                    ADD_FAILURE() << donde.toStdString() << ": " << c.columna.toStdString() << ": " << e.what();
                }
            }
        });
    }
    for (auto s : {addins::Sacramento::Bautismo, addins::Sacramento::Confirmacion, addins::Sacramento::Matrimonio})
        EXPECT_EQ(base.con.Execute(addins::TablasRegistroLibros::ConsultaSolicitudes(s)).Fields().Count(), 2);
}

} // namespace
} // namespace addinstest
