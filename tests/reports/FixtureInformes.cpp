#include "reports/FixtureInformes.h"

#include "platform/db/Recordset.h"

FixtureInformes::FixtureInformes(long edicion) : m_edicion(edicion) {}

void FixtureInformes::SetUp()
{
    OpcionesCarpetaPrograma opciones;
    opciones.aplicacion = m_edicion;
    m_carpeta = std::make_unique<TempProgramFolder>(opciones);
    ASSERT_TRUE(m_carpeta->isValid());
    m_den.conLocal = m_carpeta->abrir(BaseDatosPrograma::Duzediv);
    m_den.conInformes = m_carpeta->abrir(BaseDatosPrograma::Informes);
    m_den.conContabilidad = m_carpeta->abrir(BaseDatosPrograma::Contabilidad);
    m_config.Usuario = QStringLiteral("Administrador");
    m_config.idioma = 3082;
    m_config.VodidazazDLL = true;
    m_config.GestionParroquialDLL = true;
    m_config.ContabilidadDLL = true;
    m_estado.gobjInfoConfig = &m_config;
    m_estado.den = &m_den;
    m_estado.appTitle = QStringLiteral("Norvia Parvanta 2000");
}

ContextoInformes FixtureInformes::Contexto()
{
    ContextoInformes ctx;
    ctx.estado = &m_estado;
    ctx.appPath = m_carpeta->path();
    ctx.edicion = m_edicion;
    ctx.crptInformes = [this]() -> PVAPI::IControlInforme& {
        return m_motor ? *m_motor : static_cast<PVAPI::IControlInforme&>(m_control);
    };
    return ctx;
}

void FixtureInformes::Informes(const QStringList& sentencias)
{
    for (const QString& s : sentencias)
        m_den.conInformes.Execute(s);
}

int FixtureInformes::Filas(const QString& tabla)
{
    return int(m_den.conInformes.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).value(0).toInt64());
}
