#include "DosInstituciones.h"

#include "platform/locks/LockSession.h"

#include <QCryptographicHash>
#include <QFile>
#include <sqlite3.h>

namespace {

// Each table the removal can touch, with an expression that keys its rows.
const std::pair<const char*, const char*> kTablas[] = {
    {"Institucion", "IDInstitucion"},
    {"Institucion_Encargado", "IDEncargado"},
    {"Institucion_Padron", "IDInstitucion_Padron"},
    {"Padron", "IDPadron"},
    {"Padron_TipoPersona", "CodPadron & '-' & CodTipoPersona"},
    {"Padron_Nacimiento", "CodPadron"},
    {"Padron_Bautismo", "CodPadron"},
    {"Padron_Comunion", "CodPadron"},
    {"Padron_Confirmacion", "CodPadron"},
    {"Padron_Matrimonio", "CodPadron"},
    {"Padron_Defuncion", "CodPadron"},
    {"Padron_NotasPersonales", "CodPadron"},
    {"Actividad", "IDActividad"},
    {"Grupo", "IDGrupo"},
    {"Actividad_Grupo", "IDActividad_Grupo"},
    {"Padron_Actividad", "IDActividadesPadron"},
    {"Libro_Bautismo", "IDLibroBautismo"},
    {"Libro_Confirmacion", "IDLibroConfirmacion"},
    {"Libro_Matrimonio", "IDLibroMatrimonio"},
    {"Libro_Defuncion", "IDLibroDefuncion"},
    {"Bautismo", "IDBautismo"},
    {"Bautismo_Hijo", "CodBautismo"},
    {"Bautismo_Padres", "IDPadres"},
    {"Bautismo_Madres", "IDMadres"},
    {"Bautismo_Matrimonio", "IDMatrimonio"},
    {"Confirmacion", "IDConfirmacion"},
    {"Confirmacion_Datos", "CodConfirmacion"},
    {"Confirmacion_Bautismo", "CodConfirmacion"},
    {"Matrimonio", "IDMatrimonio"},
    {"Matrimonio_Novios", "IDNovios"},
    {"Matrimonio_Novias", "IDNovias"},
    {"Matrimonio_Novios_RegCivil", "CodNovios"},
    {"Matrimonio_Novias_RegCivil", "CodNovias"},
    {"Matrimonio_Novios_Bautismo", "CodNovios"},
    {"Matrimonio_Novias_Bautismo", "CodNovias"},
    {"Matrimonio_Compromiso", "CodMatrimonio"},
    {"Matrimonio_Expediente", "CodMatrimonio"},
    {"Defuncion", "IDDifunto"},
    {"Defuncion_Datos", "CodDifunto"},
    {"Donativo", "IDDonativo"},
    {"Recibo", "IDRecibo"},
    {"Remesa", "IDRemesa"},
    {"Presentador", "IDPresentador"},
    {"Presentador_Institucion", "IDPresentadorInstitucion"},
    {"Banco", "IDBanco"},
    {"Sucursal", "IDSucursal"},
    {"Cuenta", "IDCuenta"},
    {"Institucion_TipoDonativo_Cuenta", "IDITC"},
    {"PersonaDonativo_TipoDonativo_Cuenta", "IDPTC"},
    {"Contab_Enlace_Bancos", "CodInstitucion & '-' & CodBanco & '-' & CodSubcuenta"},
    {"Contab_Enlace_Institucion", "CodInstitucion & '-' & CodEmpresa"},
    {"Contab_Enlace_Padron", "CodPadron & '-' & CodInstitucion"},
};

} // namespace

DosInstitucionesTest::DosInstitucionesTest()
    : conLocal(carpeta.abrir(BaseDatosPrograma::Duzediv))
    , conContabilidad(carpeta.abrir(BaseDatosPrograma::Contabilidad))
{
    Ejecutar({
        "INSERT INTO Institucion (IDInstitucion, Nombre, CommError) VALUES (1, 'Parroquia San Pedro', False)",
        "INSERT INTO Institucion (IDInstitucion, Nombre, CommError) VALUES (2, 'Parroquia Santa Ana', False)",
        "INSERT INTO Institucion_Encargado (IDEncargado, CodInstitucion, Nombre) VALUES (1, 1, 'D. Tomás Pérez')",
        "INSERT INTO Institucion_Encargado (IDEncargado, CodInstitucion, Nombre) VALUES (2, 2, 'D. Luis Gil')",
        "INSERT INTO Tipo_Donativo (IDTipo_Donativo, Descripcion) VALUES (1, 'Cuota')",
        // Persons and their types.
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (10, 'Ana', 'Gil', 0)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (11, 'Blas', 'Ruiz', 0)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (12, 'Carla', 'Sanz', 1)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (13, 'Dario', 'Mora', 1)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (14, 'Elena', 'Vidal', 0)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (15, 'Fermín', 'Soto', 0)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (16, 'Gema', 'Ortiz', 2)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (17, 'Hugo', 'León', 0)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (18, 'Inés', 'Prado', 2)",
        "INSERT INTO Padron (IDPadron, Nombre, PrimerApellido, CodInstitucionEmpadronado) VALUES (19, 'Juan', 'Rey', 0)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (10, 1)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (11, 1)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (12, 2)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (13, 2)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (13, 3)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (14, 3)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (15, 3)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (16, 2)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (17, 1)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (18, 1)",
        "INSERT INTO Padron_TipoPersona (CodPadron, CodTipoPersona) VALUES (18, 2)",
        "INSERT INTO Padron_Nacimiento (CodPadron, FechaNacimiento) VALUES (10, '19700101')",
        "INSERT INTO Padron_Nacimiento (CodPadron, FechaNacimiento) VALUES (12, '19800202')",
        "INSERT INTO Padron_Nacimiento (CodPadron, FechaNacimiento) VALUES (13, '19810303')",
        "INSERT INTO Padron_Nacimiento (CodPadron, FechaNacimiento) VALUES (16, '19820404')",
        "INSERT INTO Padron_Bautismo (CodPadron, Parroquia) VALUES (12, 'San Pedro')",
        "INSERT INTO Padron_Comunion (CodPadron, Parroquia) VALUES (12, 'San Pedro')",
        "INSERT INTO Padron_Confirmacion (CodPadron, Parroquia) VALUES (12, 'San Pedro')",
        "INSERT INTO Padron_Matrimonio (CodPadron, Parroquia) VALUES (12, 'San Pedro')",
        "INSERT INTO Padron_Defuncion (CodPadron, FechaDefuncion) VALUES (12, '20240101')",
        "INSERT INTO Padron_Comunion (CodPadron, Parroquia) VALUES (16, 'Santa Ana')",
        "INSERT INTO Padron_NotasPersonales (CodPadron, Notas) VALUES (12, 'Vive con su madre')",
        "INSERT INTO Padron_NotasPersonales (CodPadron, Notas) VALUES (15, 'Catequista')",
        "INSERT INTO Institucion_Padron (IDInstitucion_Padron, CodInstitucion, CodPadron) VALUES (1, 1, 12)",
        "INSERT INTO Institucion_Padron (IDInstitucion_Padron, CodInstitucion, CodPadron) VALUES (2, 2, 16)",
        // Activities, groups and memberships.
        "INSERT INTO Actividad (IDActividad, Nombre, CodInstitucion) VALUES (700, 'Catequesis', 1)",
        "INSERT INTO Actividad (IDActividad, Nombre, CodInstitucion) VALUES (701, 'Coro', 2)",
        "INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (710, 700, 'Primero')",
        "INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (711, 700, 'Segundo')",
        "INSERT INTO Grupo (IDGrupo, CodActividad, Nombre) VALUES (712, 701, 'Voces')",
        "INSERT INTO Actividad_Grupo (IDActividad_Grupo, CodActividad, CodGrupo) VALUES (1, 700, 710)",
        "INSERT INTO Actividad_Grupo (IDActividad_Grupo, CodActividad, CodGrupo) VALUES (2, 701, 712)",
        "INSERT INTO Padron_Actividad (IDActividadesPadron, CodPadron, CodGrupo, CodCargo) VALUES (1, 13, 710, 0)",
        "INSERT INTO Padron_Actividad (IDActividadesPadron, CodPadron, CodGrupo, CodCargo) VALUES (2, 14, 710, 0)",
        "INSERT INTO Padron_Actividad (IDActividadesPadron, CodPadron, CodGrupo, CodCargo) VALUES (3, 14, 712, 0)",
        "INSERT INTO Padron_Actividad (IDActividadesPadron, CodPadron, CodGrupo, CodCargo) VALUES (4, 15, 711, 0)",
        // Bank, accounts and their links.
        "INSERT INTO Banco (IDBanco, Codigo, Nombre) VALUES (1, '2100', 'Caja Rural')",
        "INSERT INTO Sucursal (IDSucursal, CodBanco, Codigo) VALUES (1, 1, '0001')",
        "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (100, 1, '0000000100', '11')",
        "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (101, 1, '0000000101', '12')",
        "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (102, 1, '0000000102', '13')",
        "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (103, 1, '0000000103', '14')",
        "INSERT INTO Cuenta (IDCuenta, CodSucursal, NumCuenta, DC) VALUES (104, 1, '0000000104', '15')",
        "INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
        "VALUES (1000, 1, 1, 103)",
        "INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
        "VALUES (1001, 1, 1, 104)",
        "INSERT INTO Institucion_TipoDonativo_Cuenta (IDITC, CodInstitucion, CodTipoDonativo, CodCuenta) "
        "VALUES (1002, 2, 1, 104)",
        "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
        "VALUES (1100, 10, 1, 100)",
        "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
        "VALUES (1101, 10, 1, 102)",
        "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
        "VALUES (1102, 17, 1, 102)",
        "INSERT INTO PersonaDonativo_TipoDonativo_Cuenta (IDPTC, CodPersonaDonativo, CodTipoDonativo, CodCuenta) "
        "VALUES (1103, 11, 1, 101)",
        // Presenter, donations, receipts, remittances.
        "INSERT INTO Presentador (IDPresentador, Nombre, PrimerApellido, CodSucursal) VALUES (400, 'Pilar', 'Díaz', 1)",
        "INSERT INTO Presentador_Institucion (IDPresentadorInstitucion, CodPresentador, CodInstitucion) "
        "VALUES (500, 400, 1)",
        "INSERT INTO Presentador_Institucion (IDPresentadorInstitucion, CodPresentador, CodInstitucion) "
        "VALUES (501, 400, 2)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (200, 10, 1, 1, 1000, 6.01, True)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (201, 10, 1, 1, 1000, 6.01, True)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (202, 11, 1, 1, 500, 3.01, False)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (203, 11, 2, 1, 2000, 12.02, True)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (204, 17, 2, 1, 3000, 18.03, True)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (205, 18, 1, 1, 100, 0.6, False)",
        "INSERT INTO Donativo (IDDonativo, CodPersonaDonativo, CodInstitucion, CodTipoDonativo, Importe, ImporteEur, "
        "PagoBanco) VALUES (206, 19, 1, 1, 100, 0.6, False)",
        "INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) "
        "VALUES (300, 400, '20240105', 3000, 18.03)",
        "INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) "
        "VALUES (301, 400, '20240205', 1000, 6.01)",
        "INSERT INTO Remesa (IDRemesa, CodPresentador, Fecha, ImporteTotal, ImporteTotalEur) "
        "VALUES (302, 400, '20240305', 999, 9.99)",
        "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Fecha, Importe, ImporteEur) "
        "VALUES (600, 200, 301, '20240205', 1000, 6.01)",
        "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Fecha, Importe, ImporteEur) "
        "VALUES (601, 201, 300, '20240105', 1000, 6.01)",
        "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Fecha, Importe, ImporteEur) "
        "VALUES (602, 202, 0, '20240110', 500, 3.01)",
        "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Fecha, Importe, ImporteEur) "
        "VALUES (603, 203, 300, '20240105', 2000, 12.02)",
        "INSERT INTO Recibo (IDRecibo, CodDonativo, CodRemesa, Fecha, Importe, ImporteEur) "
        "VALUES (604, 204, 302, '20240305', 3000, 18.03)",
        // Books and entries.
        "INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre, NumeroSiguiente) VALUES (800, 1, 'B-A', 3)",
        "INSERT INTO Libro_Bautismo (IDLibroBautismo, CodInstitucion, Nombre, NumeroSiguiente) VALUES (801, 2, 'B-B', 3)",
        "INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido) VALUES (950, 'Pedro', 'Martín')",
        "INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido) VALUES (951, 'Pablo', 'Cano')",
        "INSERT INTO Bautismo_Padres (IDPadres, Nombre, PrimerApellido) VALUES (952, 'Nadie', 'Usa')",
        "INSERT INTO Bautismo_Madres (IDMadres, Nombre, PrimerApellido) VALUES (960, 'Elena', 'Sanz')",
        "INSERT INTO Bautismo_Madres (IDMadres, Nombre, PrimerApellido) VALUES (961, 'Rosa', 'Gil')",
        "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, Numero, CodPadres, CodMadres) "
        "VALUES (900, 800, 0, 1, '1', 950, 960)",
        "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, Numero, CodPadres, CodMadres) "
        "VALUES (901, 801, 0, 1, '1', 950, 961)",
        "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, Numero, CodPadres, CodMadres) "
        "VALUES (902, 0, 1, 0, '', 951, 0)",
        "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, Numero, CodPadres, CodMadres) "
        "VALUES (903, 801, 1, 2, '2', 0, 961)",
        "INSERT INTO Bautismo (IDBautismo, CodLibro, InstitucionSolicitud, Folio, Numero, CodPadres, CodMadres) "
        "VALUES (904, 0, 2, 0, '', 0, 0)",
        "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (900, 'Lucía', 'Martín')",
        "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (901, 'Mario', 'Martín')",
        "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (902, 'Nora', 'Cano')",
        "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (903, 'Olga', 'Gil')",
        "INSERT INTO Bautismo_Hijo (CodBautismo, Nombre, PrimerApellido) VALUES (904, 'Paco', 'Luna')",
        "INSERT INTO Bautismo_Matrimonio (IDMatrimonio, Parroquia) VALUES (900, 'San Pedro')",
        "INSERT INTO Bautismo_Matrimonio (IDMatrimonio, Parroquia) VALUES (901, 'Santa Ana')",
        "INSERT INTO Libro_Confirmacion (IDLibroConfirmacion, CodInstitucion, Nombre) VALUES (820, 1, 'C-A')",
        "INSERT INTO Confirmacion (IDConfirmacion, CodLibro, InstitucionSolicitud, Nombre) VALUES (920, 820, 0, 'Raúl')",
        "INSERT INTO Confirmacion_Datos (CodConfirmacion, Ministro) VALUES (920, 'Obispo')",
        "INSERT INTO Confirmacion_Bautismo (CodConfirmacion, Parroquia) VALUES (920, 'San Pedro')",
        "INSERT INTO Libro_Matrimonio (IDLibroMatrimonio, CodInstitucion, Nombre) VALUES (830, 1, 'M-A')",
        "INSERT INTO Libro_Matrimonio (IDLibroMatrimonio, CodInstitucion, Nombre) VALUES (831, 2, 'M-B')",
        "INSERT INTO Matrimonio (IDMatrimonio, CodLibro, InstitucionSolicitud, CodNovios, CodNovias) "
        "VALUES (930, 830, 0, 940, 945)",
        "INSERT INTO Matrimonio (IDMatrimonio, CodLibro, InstitucionSolicitud, CodNovios, CodNovias) "
        "VALUES (931, 831, 0, 941, 946)",
        "INSERT INTO Matrimonio_Novios (IDNovios, Nombre) VALUES (940, 'Sergio')",
        "INSERT INTO Matrimonio_Novios (IDNovios, Nombre) VALUES (941, 'Tomás')",
        "INSERT INTO Matrimonio_Novias (IDNovias, Nombre) VALUES (945, 'Sara')",
        "INSERT INTO Matrimonio_Novias (IDNovias, Nombre) VALUES (946, 'Teresa')",
        "INSERT INTO Matrimonio_Novios_RegCivil (CodNovios, Pagina) VALUES (940, '1')",
        "INSERT INTO Matrimonio_Novios_RegCivil (CodNovios, Pagina) VALUES (941, '2')",
        "INSERT INTO Matrimonio_Novias_RegCivil (CodNovias, Pagina) VALUES (945, '3')",
        "INSERT INTO Matrimonio_Novios_Bautismo (CodNovios, Parroquia) VALUES (940, 'San Pedro')",
        "INSERT INTO Matrimonio_Novias_Bautismo (CodNovias, Parroquia) VALUES (945, 'San Pedro')",
        "INSERT INTO Matrimonio_Novias_Bautismo (CodNovias, Parroquia) VALUES (946, 'Santa Ana')",
        "INSERT INTO Matrimonio_Compromiso (CodMatrimonio, Celebrante) VALUES (930, 'D. Tomás')",
        "INSERT INTO Matrimonio_Compromiso (CodMatrimonio, Celebrante) VALUES (931, 'D. Luis')",
        "INSERT INTO Matrimonio_Expediente (CodMatrimonio, NombreTestigo1) VALUES (930, 'Ramón')",
        "INSERT INTO Libro_Defuncion (IDLibroDefuncion, CodInstitucion, Nombre) VALUES (840, 1, 'D-A')",
        "INSERT INTO Libro_Defuncion (IDLibroDefuncion, CodInstitucion, Nombre) VALUES (841, 2, 'D-B')",
        "INSERT INTO Defuncion (IDDifunto, CodLibro, Nombre) VALUES (970, 840, 'Víctor')",
        "INSERT INTO Defuncion (IDDifunto, CodLibro, Nombre) VALUES (971, 841, 'Xavier')",
        "INSERT INTO Defuncion_Datos (CodDifunto, FechaDefuncion) VALUES (970, '20230101')",
        "INSERT INTO Defuncion_Datos (CodDifunto, FechaDefuncion) VALUES (971, '20230202')",
        // Links to the accounting module.
        "INSERT INTO Contab_Enlace_Institucion (CodInstitucion, CodEmpresa) VALUES (1, 1)",
        "INSERT INTO Contab_Enlace_Institucion (CodInstitucion, CodEmpresa) VALUES (2, 2)",
        "INSERT INTO Contab_Enlace_Bancos (CodBanco, CodInstitucion, CodSubcuenta) VALUES (1, 1, 5)",
        "INSERT INTO Contab_Enlace_Bancos (CodBanco, CodInstitucion, CodSubcuenta) VALUES (1, 2, 6)",
        "INSERT INTO Contab_Enlace_Padron (CodPadron, CodInstitucion, CodSubcuenta) VALUES (10, 1, 7)",
        "INSERT INTO Contab_Enlace_Padron (CodPadron, CodInstitucion, CodSubcuenta) VALUES (11, 2, 8)",
    });
    conContabilidad.Execute(QStringLiteral(
        "INSERT INTO Empresa (IDEmpresa, Nombre, Abreviatura, AñoEjercicio) VALUES (1, 'Parroquia San Pedro 2024', "
        "'SP', 2024)"));
    conContabilidad.Execute(QStringLiteral(
        "INSERT INTO Empresa (IDEmpresa, Nombre, Abreviatura, AñoEjercicio) VALUES (2, 'Parroquia Santa Ana 2024', "
        "'SA', 2024)"));
}

DosInstitucionesTest::~DosInstitucionesTest()
{
    PVAPI::LockSession::CloseAll();
}

void DosInstitucionesTest::Ejecutar(std::initializer_list<const char*> sentencias)
{
    for (const char* sentencia : sentencias)
        conLocal.Execute(QString::fromUtf8(sentencia));
}

qint64 DosInstitucionesTest::Contar(const QString& sql)
{
    return conLocal.Execute(sql).value(0).toInt64();
}

DosInstitucionesTest::Foto DosInstitucionesTest::Fotografiar()
{
    Foto foto;
    for (const auto& [tabla, clave] : kTablas) {
        FilasTabla& filas = foto[QString::fromUtf8(tabla)];
        db::Recordset rs = conLocal.Execute(QStringLiteral("SELECT %1, * FROM %2").arg(QString::fromUtf8(clave),
                                                                                        QString::fromUtf8(tabla)));
        for (; !rs.isEOF(); rs.MoveNext()) {
            QStringList valores;
            for (int i = 1; i < rs.Fields().Count(); ++i)
                valores << (rs.value(i).isNull() ? QStringLiteral("<null>") : rs.value(i).toString());
            filas.insert(rs.value(0).toString(), valores.join(QLatin1Char('|')));
        }
    }
    return foto;
}

QByteArray DosInstitucionesTest::Bytes() const
{
    QFile archivo(carpeta.file(QStringLiteral("Duzediv.mdb")));
    if (!archivo.open(QIODevice::ReadOnly))
        return {};
    return archivo.readAll();
}

QByteArray DosInstitucionesTest::Huella() const
{
    return QCryptographicHash::hash(Bytes(), QCryptographicHash::Sha256).toHex();
}

void DosInstitucionesTest::Sqlite(const char* sentencia)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(conLocal.handle(), sentencia, nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << sentencia << ": " << (error ? error : "");
    sqlite3_free(error);
}
