#include "BaseInformesPrueba.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/pvapi/cCPassword.h"

#include <QDir>
#include <QFile>

void BaseInformesPrueba::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_appPath.emplace("DUZEDIV_APP_PATH", QDir(m_dir.path()).absolutePath().toUtf8());
    const QString ruta = base();
    db::CreateDatabase(ruta, PVAPI::cCPassword::PASSWORD_INFORMES());
    m_con.Open(db::ConnectionString::forFile(ruta, PVAPI::cCPassword::PASSWORD_INFORMES()));
    m_con.Execute(QStringLiteral("CREATE TABLE Personas (IDPersonas COUNTER PRIMARY KEY, Orden INT, "
                                 "Nombre NVARCHAR(40), Apellido NVARCHAR(40), Parroquia NVARCHAR(60), "
                                 "Fecha NVARCHAR(8), Importe FLOAT, Notas MEMO, Activo BIT, [año] NVARCHAR(4))"));
    m_con.Execute(QStringLiteral("CREATE TABLE Hijos (IDHijos COUNTER PRIMARY KEY, CodPersonas INT, Orden INT, "
                                 "Nombre NVARCHAR(40), Tipo NVARCHAR(20))"));
}

void BaseInformesPrueba::TearDown()
{
    m_con.Close();
    m_appPath.reset();
}

QString BaseInformesPrueba::base() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("Informes.mdb"));
}

QString BaseInformesPrueba::clave() const
{
    return QStringLiteral("\n") + PVAPI::cCPassword::PASSWORD_INFORMES();
}

void BaseInformesPrueba::persona(int orden, const QString& nombre, const QString& apellido, const QString& parroquia,
                                 const db::Value& fecha, const db::Value& importe, const db::Value& notas,
                                 const QString& anio)
{
    m_con.Exec(QStringLiteral("INSERT INTO Personas (Orden, Nombre, Apellido, Parroquia, Fecha, Importe, Notas, [año]) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
               {orden, nombre, apellido, parroquia, fecha, importe, notas, anio});
}

void BaseInformesPrueba::hijo(int codPersona, int orden, const QString& nombre, const QString& tipo)
{
    m_con.Exec(QStringLiteral("INSERT INTO Hijos (CodPersonas, Orden, Nombre, Tipo) VALUES (?, ?, ?, ?)"),
               {codPersona, orden, nombre, tipo});
}

QString BaseInformesPrueba::plantilla(const QString& nombre, const QString& xml) const
{
    const QString ruta = QDir(m_dir.path()).filePath(nombre);
    QFile f(ruta);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(xml.toUtf8());
    return ruta;
}

report::ModeloPaginas BaseInformesPrueba::informe(const QString& xml, const QStringList& formulas,
                                                  const QStringList& orden, const QMarginsF& margenesTwips)
{
    report::PeticionInforme p;
    p.plantilla = plantilla(QStringLiteral("prueba.rpt"), xml);
    p.datos = base();
    p.clave = clave();
    p.formulas = formulas;
    p.orden = orden;
    p.margenesTwips = margenesTwips;
    p.titulo = QStringLiteral("Prueba");
    p.fecha = QDate(2024, 2, 29);
    return report::GenerarInforme(p);
}

QList<QStringList> BaseInformesPrueba::textos(const report::ModeloPaginas& modelo)
{
    QList<QStringList> paginas;
    for (const report::Pagina& p : modelo.paginas)
        paginas << p.Textos();
    return paginas;
}

QString BaseInformesPrueba::Xml(const QString& cuerpo, const QString& datos)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<plantilla version=\"1\" letra=\"sans\" puntos=\"10\">\n"
                          "  <pagina tamano=\"A4\" superior=\"20\" izquierdo=\"20\" derecho=\"20\" inferior=\"20\"/>\n"
                          "  %1\n%2\n</plantilla>\n")
        .arg(datos, cuerpo);
}
