#pragma once

#include "addin_doubles/InstalarComplementos.h"
#include "support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace addinstest {

// A test with its own empty program folder (DUZEDIV_APP_PATH) and an
// "addins" folder in it where the test installs the add-ins it wants.
class CarpetaProgramaPrueba : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_carpeta.isValid());
        ASSERT_TRUE(QDir(m_carpeta.path()).mkdir(QStringLiteral("addins")));
        m_appPath.emplace("DUZEDIV_APP_PATH", m_carpeta.path().toUtf8());
    }
    void TearDown() override { m_appPath.reset(); }

    QString Carpeta() const { return m_carpeta.path(); }
    QString Addins(const QString& archivo = {}) const
    {
        return m_carpeta.filePath(QStringLiteral("addins/") + archivo);
    }

    void Instalar(const QStringList& bibliotecas)
    {
        ASSERT_TRUE(dobles::InstalarComplementos(Carpeta(), bibliotecas))
            << "the stand-in add-ins must be built (DUZ_TEST_BINARY_DIR/app/addins)";
    }
    // Puts any file in "addins" under the given name.
    void Copiar(const QString& origen, const QString& archivo)
    {
        ASSERT_TRUE(QFile::copy(origen, Addins(archivo))) << origen.toStdString();
    }

private:
    QTemporaryDir m_carpeta;
    std::optional<testsupport::ScopedEnv> m_appPath;
};

} // namespace addinstest
