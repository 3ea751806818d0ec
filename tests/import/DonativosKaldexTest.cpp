#include "AsistenteFixture.h"
#include "EscritorDbf.h"

#include "comun/DonativosKaldex.h"
#include "platform/db/Recordset.h"
#include "support/FilasConsulta.h"

#include <QFile>

// The donations of the older program: banks and branches, donors with
// their accounts, donations; bad bank data turn donations into cash, and a
// damaged table leaves nothing of the module.

using ::testing::_;
using ::testing::Invoke;

namespace {

using testsupport::Filas;

void EscribirTablas(const QString& carpeta, bool lineasRotas = false)
{
    EscritorDbf sucu({{"BANCO", 'C', 4}, {"SUCURSAL", 'C', 4}, {"NOMBRE", 'C', 30}});
    sucu.Registro({"2100", "0001", "Caja de Ahorros"});
    sucu.Registro({"2100", "0002", "Caja de Ahorros"});
    sucu.Registro({"21X0", "0003", "Mal"});
    sucu.Guardar(carpeta, QStringLiteral("SUCU"));
    EscritorDbf reci({{"CODIGO", 'N', 6}, {"NOMBRE", 'C', 50}, {"NIF", 'C', 10}, {"BANCO", 'C', 4},
                      {"SUCURSAL", 'C', 4}, {"DC", 'C', 2}, {"CUENTA", 'C', 10}, {"TELEFONO", 'C', 9}});
    reci.Registro({"1", Cp850(QStringLiteral("Begoña Muñoz Sáez")), "12345678Z", "2100", "0002", "45",
                   "0123456789", "947000000"});
    reci.Registro({"2", Cp850(QStringLiteral("José Peña Ruiz")), "", "21X0", "0003", "11", "0000000001", ""});
    reci.Registro({"1", "Repetido Uno Dos", "", "", "", "", "", ""});
    reci.Guardar(carpeta, QStringLiteral("reci"));
    EscritorDbf lineas({{"CODIGO", 'N', 6}, {"IMPORTE", 'N', 8, 0}, {"DESCRIP", 'C', 20}});
    lineas.Registro({"1", "5000", Cp850(QStringLiteral("Cuota año"))});
    lineas.Registro({"2", "1000", ""});
    lineas.Registro({"7", "1000", ""});
    lineas.Registro({"1", "12.5", ""});
    QByteArray bytes = lineas.Dbf();
    if (lineasRotas)
        bytes.chop(5);
    QFile archivo(carpeta + QStringLiteral("/re_l.dbf"));
    if (archivo.open(QIODevice::WriteOnly))
        archivo.write(bytes);
}

} // namespace

TEST_F(AsistenteTest, LosDonativosSeImportanConSusDonantes)
{
    EscribirTablas(origen.path());
    OpcionesDonativosKaldex opciones;
    opciones.carpeta = origen.path();
    opciones.idInstitucion = idParroquiaSanJuan;
    const ResultadoDonativosKaldex r = ImportarDonativosKaldex(con, opciones);

    EXPECT_TRUE(r.importado);
    EXPECT_EQ(r.sucursales, 2);
    EXPECT_EQ(r.donantes, 2);
    EXPECT_EQ(r.donativos, 2);
    EXPECT_EQ(r.incidencias,
              (QStringList{
                  "reci.dbf: el campo TELEFONO no se importa",
                  "sucu.dbf: registro 3, banco con datos incorrectos ('21X0' '0003'): sus donativos serán por caja",
                  "reci.dbf: registro 2, datos bancarios incorrectos: sus donativos serán por caja",
                  "reci.dbf: registro 3, no importado: CODIGO 1 repetido",
                  "re_l.dbf: registro 3, no importado: sin donante importado con CODIGO 7",
                  "re_l.dbf: registro 4, no importado: IMPORTE '12.5' no es un importe en pesetas",
              }));
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT p.Nombre, p.PrimerApellido, p.SegundoApellido, p.DNI, "
                                        "t.CodTipoPersona FROM Padron p, Padron_TipoPersona t WHERE t.CodPadron = "
                                        "p.IDPadron ORDER BY p.IDPadron")),
              (QStringList{"Begoña|Muñoz|Sáez|12345678Z|1", "José|Peña|Ruiz||1"}));
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT b.Codigo, s.Codigo, c.DC, c.NumCuenta FROM Cuenta c, Sucursal s, "
                                        "Banco b, PersonaDonativo_TipoDonativo_Cuenta x WHERE c.CodSucursal = "
                                        "s.IDSucursal AND s.CodBanco = b.IDBanco AND x.CodCuenta = c.IDCuenta")),
              QStringList{"2100|0002|45|0123456789"});
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT p.Nombre, d.CodInstitucion, d.Descripcion, d.ImporteEur, "
                                        "d.PagoBanco, t.Descripcion FROM Donativo d, Padron p, Tipo_Donativo t "
                                        "WHERE p.IDPadron = d.CodPersonaDonativo AND t.IDTipo_Donativo = "
                                        "d.CodTipoDonativo ORDER BY d.IDDonativo")),
              (QStringList{QStringLiteral("Begoña|%1|Cuota año|30,05|Verdadero|Donativos de KALDEX").arg(idParroquiaSanJuan),
                           QStringLiteral("José|%1||6,01|Falso|Donativos de KALDEX").arg(idParroquiaSanJuan)}));
}

TEST_F(AsistenteTest, UnaTablaDeDonativosDanadaNoDejaNada)
{
    EscribirTablas(origen.path(), true);
    OpcionesDonativosKaldex opciones;
    opciones.carpeta = origen.path();
    opciones.idInstitucion = idParroquiaSanJuan;
    const ResultadoDonativosKaldex r = ImportarDonativosKaldex(con, opciones);

    EXPECT_FALSE(r.importado);
    EXPECT_EQ(r.incidencias.last(),
              QStringLiteral("No se ha importado ningún donativo: El archivo 're_l.dbf' está dañado o truncado: su "
                             "cabecera anuncia 4 registros y el tamaño del archivo no corresponde."));
    for (const char* tabla : {"Padron", "Banco", "Sucursal", "Donativo", "Tipo_Donativo"})
        EXPECT_EQ(con.Query(QStringLiteral("SELECT COUNT(*) FROM ") + QString::fromLatin1(tabla), {}).value(0).toInt64(),
                  0)
            << tabla;
}

// The donations go through the wizard to a donations add-in that imports
// them with the institution and the order of names chosen.
TEST_F(AsistenteTest, LosDonativosPasanPorElAsistenteHastaLaBase)
{
    EscribirTablas(origen.path());
    ResultadoDonativosKaldex resultado;
    EXPECT_CALL(vodidazaz, ImportarKaldex(_, _, _, _, _, _, _, _))
        .WillOnce(Invoke([&](db::Connection& conLocal, qint32& id, const QString& carpeta, QProgressBar*, QLabel*,
                             QLabel*, quint8& orden, PVAPI::cInfoConfiguracion&) {
            OpcionesDonativosKaldex opciones;
            opciones.carpeta = carpeta;
            opciones.idInstitucion = id;
            opciones.ordenNombres = orden;
            resultado = ImportarDonativosKaldex(conLocal, opciones);
        }));
    Abrir();
    PasarPagina0(0);
    Marcar(a->lstImportar[0], {QStringLiteral("Vodidazaz")});
    Siguiente();
    a->lstImportar[1].setSelected(a->lstImportar[1].IndiceDe(idOtraSanJuan), true);
    Siguiente();
    Siguiente();
    ASSERT_EQ(a->mintPaso, 3);
    Finalizar();

    EXPECT_TRUE(a->Descargado());
    EXPECT_TRUE(resultado.importado);
    EXPECT_EQ(Filas(con, QStringLiteral("SELECT p.Nombre, p.SegundoApellido, d.CodInstitucion FROM Donativo d, "
                                        "Padron p WHERE p.IDPadron = d.CodPersonaDonativo ORDER BY d.IDDonativo")),
              (QStringList{QStringLiteral("Begoña|Sáez|%1").arg(idOtraSanJuan),
                           QStringLiteral("José|Ruiz|%1").arg(idOtraSanJuan)}));
}
