#include "FixtureImpresion.h"

#include "core/AjustesUsuario.h"
#include "platform/db/Recordset.h"
#include "platform/pvapi/cCRegistry.h"

void FixtureImpresion::SetUp()
{
    m_carpeta = std::make_unique<TempProgramFolder>();
    ASSERT_TRUE(m_carpeta->isValid());
    m_den.conLocal = m_carpeta->abrir(BaseDatosPrograma::Duzediv);
    m_den.conInformes = m_carpeta->abrir(BaseDatosPrograma::Informes);
    m_config.Usuario = QStringLiteral("Administrador");
    m_config.idioma = 3082;
    m_config.GestionParroquialDLL = true;
    m_control.alImprimir = [this] { m_habilitadaAlImprimir << m_habilitada; };
}

ContextoImpresion FixtureImpresion::Contexto()
{
    ContextoImpresion ctx;
    ctx.control = m_motor ? m_motor : &m_control;
    ctx.conLocal = &m_den.conLocal;
    ctx.conInformes = &m_den.conInformes;
    ctx.config = &m_config;
    ctx.duzediv = &m_duzediv;
    ctx.gestPar = &m_gestPar;
    ctx.appPath = m_carpeta->path();
    ctx.appTitle = QStringLiteral("Norvia Parvanta 2000");
    ctx.habilitar = [this](bool habilitada) {
        m_habilitar << habilitada;
        m_habilitada = habilitada;
    };
    return ctx;
}

void FixtureImpresion::Informes(const QStringList& sentencias)
{
    for (const QString& s : sentencias)
        m_den.conInformes.Execute(s);
}

void FixtureImpresion::Local(const QStringList& sentencias)
{
    for (const QString& s : sentencias)
        m_den.conLocal.Execute(s);
}

int FixtureImpresion::Filas(const QString& tabla)
{
    return int(m_den.conInformes.Execute(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).value(0).toInt64());
}

int FixtureImpresion::FilasDocumentos()
{
    int total = 0;
    for (const char* t : {"Documentos_Bautismo", "Documentos_Confirmacion", "Documentos_Matrimonio",
                          "Documentos_Matrimonio_Novios", "Documentos_Matrimonio_Novias",
                          "Documentos_Matrimonio_Otros", "Documentos_Defuncion", "Recibos"})
        total += Filas(QString::fromLatin1(t));
    return total;
}

void FixtureImpresion::GuardarMargen(const QString& clave, const QString& valor)
{
    const AjustesUsuario a{QStringLiteral("Norvia Parvanta 2000"), m_config.Usuario, m_config.idioma};
    a.Guardar(a.Seccion(PVAPI::cCRegistry::DOCUMENTOS()), clave, valor);
}

QString FixtureImpresion::LeerMargen(const QString& clave)
{
    const AjustesUsuario a{QStringLiteral("Norvia Parvanta 2000"), m_config.Usuario, m_config.idioma};
    return a.Leer(a.Seccion(PVAPI::cCRegistry::DOCUMENTOS()), clave);
}
