#include "ArranqueFixture.h"

#include "actions/cIActionMenus.h"

#include "platform/addins/HostComplementos.h"
#include "platform/locks/LockSession.h"
#include "platform/settings/Settings.h"
#include "platform/ui/Ui.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>

namespace bibliotecas {

QStringList Todas()
{
    return {Vodidazaz, GestionParroquial, Mensajeria, Contabilidad, Bancos};
}

} // namespace bibliotecas

ArranqueTest::ArranqueTest()
{
    app.principal = &ventana;
    InstalarComplementos(bibliotecas::Todas());
}

ArranqueTest::~ArranqueTest()
{
    modMain.reset();
    PVAPI::LockSession::CloseAll();
}

testsupport::ScriptedUi& ArranqueTest::pantalla()
{
    return testsupport::scriptedUi();
}

void ArranqueTest::InstalarComplementos(const QStringList& nombres)
{
    const QDir origen(QStringLiteral(DUZ_ADDINS_DIR));
    const QDir destino(carpeta.file(QStringLiteral("addins")));
    for (const QString& nombre : nombres) {
        const QString archivo = addins::HostComplementos::ArchivoBiblioteca(nombre);
        ASSERT_TRUE(QFile::exists(origen.filePath(archivo))) << "Falta el complemento compilado " << archivo.toStdString();
        QFile::remove(destino.filePath(archivo));
        ASSERT_TRUE(QFile::copy(origen.filePath(archivo), destino.filePath(archivo)));
    }
}

void ArranqueTest::QuitarComplemento(const QString& nombre)
{
    QFile::remove(carpeta.file(QStringLiteral("addins/") + addins::HostComplementos::ArchivoBiblioteca(nombre)));
}

void ArranqueTest::QuitarArchivo(const QString& nombre)
{
    ASSERT_TRUE(QFile::remove(carpeta.file(nombre))) << nombre.toStdString();
}

ServiciosArranque ArranqueTest::Servicios()
{
    ServiciosArranque servicios = ServiciosArranque::Predeterminados();
    servicios.terminarPrograma = [this](int codigo) { terminaciones.append(codigo); };
    servicios.ejecutarDialogo = [this](QDialog& dialogo) { return dialogos(dialogo); };
    servicios.carpetaInstanciaUnica = carpetaInstancia.path();
    servicios.establecerDirectorioActual = [this](const QString& c) { directoriosActuales.append(c); };
    if (accionesReales) {
        servicios.crearAccionesSetup = [](App& contexto) -> std::unique_ptr<IAccionesSetup> {
            return std::make_unique<cIActionMenus>(contexto);
        };
    } else {
        servicios.crearAccionesSetup = [this](App&) -> std::unique_ptr<IAccionesSetup> {
            return std::make_unique<AccionesSetupDoble>(setup);
        };
    }
    return servicios;
}

ModMain::Resultado ArranqueTest::Arrancar()
{
    modMain = std::make_unique<ModMain>(app, Servicios());
    return modMain->Main();
}

void ArranqueTest::EjecutarEnDuzediv(const QString& sql, const QList<db::Value>& parametros)
{
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    con.Exec(sql, parametros);
    con.Close();
}

db::Value ArranqueTest::ValorDuzediv(const QString& sql)
{
    db::Connection con = carpeta.abrir(BaseDatosPrograma::Duzediv);
    const db::Value valor = con.Execute(sql).value(0);
    con.Close();
    return valor;
}

QString ArranqueTest::Ajuste(const QString& seccion, const QString& clave)
{
    return settings::GetSetting(ui::AppTitle(), seccion, clave);
}

void ArranqueTest::GuardarAjuste(const QString& seccion, const QString& clave, const QString& valor)
{
    settings::SaveSetting(ui::AppTitle(), seccion, clave, valor);
}

QString ArranqueTest::SeccionUsuario(const QString& seccion)
{
    return QStringLiteral("Administrador\\3082\\") + seccion;
}
