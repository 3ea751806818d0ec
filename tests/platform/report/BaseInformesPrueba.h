#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Value.h"
#include "platform/report/ModeloPaginas.h"
#include "platform/report/MotorInforme.h"
#include "support/ScopedEnv.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <optional>

// A program folder of its own with a small report database ("Informes.mdb",
// with the program's report password) holding two work tables a test fills:
//   Personas(IDPersonas, Orden, Nombre, Apellido, Parroquia, Fecha,
//            Importe, Notas, Activo, año)
//   Hijos(IDHijos, CodPersonas, Orden, Nombre, Tipo)
// Templates are written into the folder from the test's own XML.
class BaseInformesPrueba : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    QString carpeta() const { return m_dir.path(); }
    QString base() const;
    QString clave() const; // as the program gives it: a line feed and the password
    db::Connection& con() { return m_con; }

    void persona(int orden, const QString& nombre, const QString& apellido, const QString& parroquia = {},
                 const db::Value& fecha = {}, const db::Value& importe = {}, const db::Value& notas = {},
                 const QString& anio = {});
    void hijo(int codPersona, int orden, const QString& nombre, const QString& tipo = QStringLiteral("Hijo"));

    // Writes `xml` as a template of the folder and returns its path.
    QString plantilla(const QString& nombre, const QString& xml) const;

    // The pages of a print of `xml` (written as "prueba.rpt").
    report::ModeloPaginas informe(const QString& xml, const QStringList& formulas = {},
                                  const QStringList& orden = {}, const QMarginsF& margenesTwips = {});

    // The texts of every page in reading order, one list per page.
    static QList<QStringList> textos(const report::ModeloPaginas& modelo);

    // A template around some bands: A4, margins of 20 mm, one table.
    static QString Xml(const QString& cuerpo, const QString& datos = QStringLiteral("<datos tabla=\"Personas\"/>"));

private:
    QTemporaryDir m_dir;
    std::optional<testsupport::ScopedEnv> m_appPath;
    db::Connection m_con;
};
