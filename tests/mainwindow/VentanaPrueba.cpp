#include "mainwindow/VentanaPrueba.h"

#include "mainwindow/Controles.h"
#include "navigation/ArbolNodos.h"

#include "platform/settings/Settings.h"
#include "platform/ui/ErrorReporting.h"

void VentanaPrueba::SetUp()
{
    info.Usuario = QStringLiteral("Administrador");
    info.idioma = 3082;
    info.VodidazazDLL = info.GestionParroquialDLL = info.MensajeriaDLL = info.ContabilidadDLL = info.BancosDLL = true;
    Abrir();
    ui::SetErrorReporter([this](const QString& p, const QString& m, const QString& proyecto) {
        informes << (p + QLatin1Char('|') + m + QLatin1Char('|') + proyecto);
    });
}

void VentanaPrueba::TearDown()
{
    ventana.reset();
}

void VentanaPrueba::Abrir()
{
    den.conLocal = carpeta.abrir(BaseDatosPrograma::Duzediv);
    den.conInformes = carpeta.abrir(BaseDatosPrograma::Informes);
    den.conContabilidad = carpeta.abrir(BaseDatosPrograma::Contabilidad);
}

frmPrincipal& VentanaPrueba::Ventana(long edicion)
{
    ventana.reset();
    if (!den.conLocal.isOpen())
        Abrir();
    ContextoPrincipal ctx;
    ctx.gobjInfoConfig = &info;
    ctx.den = &den;
    ctx.appPath = carpeta.path();
    ctx.appTitle = QStringLiteral("Norvia Parvanta 2000");
    ctx.helpPath = carpeta.path() + QStringLiteral("/Duzediv.html");
    ctx.edicion = edicion;
    ctx.liberarObjetos = [this] { ++liberaciones; };
    ctx.accionesRegistro = acciones;
    ctx.servicioMantenimiento = mantenimiento;
    ventana = std::make_unique<frmPrincipal>(ctx);
    return *ventana;
}

frmPrincipal& VentanaPrueba::Cargada(long edicion)
{
    Ventana(edicion).Cargar();
    return *ventana;
}

AjustesUsuario VentanaPrueba::Ajustes()
{
    return AjustesUsuario {QStringLiteral("Norvia Parvanta 2000"), QStringLiteral("Administrador"), 3082};
}

QString VentanaPrueba::Leer(const QString& seccionUsuario, const QString& clave, const QString& defecto) const
{
    return Ajustes().Leer(Ajustes().Seccion(seccionUsuario), clave, defecto);
}

QStringList VentanaPrueba::Captions() const
{
    QStringList captions;
    for (int i = 1; i <= Arbol().Count(); ++i)
        captions << ArbolNodos::Texto(Arbol().Nodo(i));
    return captions;
}

ArbolNodos& VentanaPrueba::Arbol() const
{
    return Control<ArbolNodos>(*ventana, "tvTreeView");
}
