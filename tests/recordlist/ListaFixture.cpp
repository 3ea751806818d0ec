#include "ListaFixture.h"

#include "core/AjustesUsuario.h"
#include "navigation/CargaModeloNodos.h"
#include "navigation/ClavesNodo.h"

void ListaFixture::SetUp()
{
    carpeta = std::make_unique<TempProgramFolder>();
    conLocal = carpeta->abrir(BaseDatosPrograma::Duzediv);
    conContabilidad = carpeta->abrir(BaseDatosPrograma::Contabilidad);
    gobjInfoConfig.Usuario = QStringLiteral("Administrador");
    gobjInfoConfig.idioma = 3082;
    const AjustesUsuario ajustes{QStringLiteral("Norvia Parvanta 2000"), gobjInfoConfig.Usuario, gobjInfoConfig.idioma};
    CargaModeloNodos(conLocal, ajustes, estado.consolidacionVisible).Cargar(gcolNodo, gcolRegistroDB);
    gintNRegMax = 24;
    estado.gobjInfoConfig = &gobjInfoConfig;
    estado.den = &den;
    estado.appTitle = QStringLiteral("Norvia Parvanta 2000");

    for (const char* nombre : {"mnuArchivoNuevo", "mnuArchivoPropiedades", "mnuArchivoEliminar", "mnuSecundarioImprimir",
                               "mnuEstructuraPropiedades"}) {
        const QString comando = QString::fromLatin1(nombre);
        comandos.Registrar(comando, [this, comando] { ejecutados << comando; });
    }
    lista = std::make_unique<cListaPrincipal>(estado, ventana, comandos);
}

void ListaFixture::Clic(int id)
{
    const NodoArbol nodo{ClaveArbol(id), Nodo(id)->Nombre()};
    lista->tvTreeView_MouseDown(1, 0, 0, 0);
    ventana.seleccionado = nodo;
    lista->tvTreeView_NodeClick(nodo);
}

void ListaFixture::Banco(const QString& codigo, const QString& nombre)
{
    conLocal.Exec(QStringLiteral("INSERT INTO Banco (Codigo, Nombre) VALUES (?, ?)"), {codigo, nombre});
}

int ListaFixture::IdDe(const QString& nombre) const
{
    for (const auto& nodo : gcolNodo)
        if (nodo->Nombre() == nombre)
            return nodo->IDNodo();
    ADD_FAILURE() << "No hay nodo " << nombre.toStdString();
    return 0;
}

std::shared_ptr<cNodo> ListaFixture::Nodo(int id) const
{
    return gcolNodo.Item(ClaveColeccion(id));
}

cPropiedadesNodo& ListaFixture::Registro(int id) const
{
    return *gcolRegistroDB.Item(Nodo(id)->Path());
}

QStringList ListaFixture::Celdas(int fila) const
{
    QStringList celdas;
    for (int c = 0; c < ventana.lista.ColumnCount(); ++c)
        celdas << ventana.lista.CellText(fila, c);
    return celdas;
}
