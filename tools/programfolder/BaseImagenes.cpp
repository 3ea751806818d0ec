#include "BaseImagenes.h"

#include "BasesDatosPrograma.h"
#include "CatalogoIconos.h"

#include "platform/db/Connection.h"
#include "platform/db/DatabaseFiles.h"
#include "platform/db/Transaction.h"

void CrearBaseImagenes(const QString& ruta, const CatalogoIconos& catalogo)
{
    db::CreateDatabase(ruta);
    db::Connection con;
    con.Open(CadenaConexionVinculo(ruta));
    {
        db::Transaction transaccion(con);
        con.Execute(QStringLiteral("CREATE TABLE [Imagen] ([IDImagen] INT PRIMARY KEY, "
                                   "[TrvImagen] LONGBINARY, [LblImagen] LONGBINARY)"));
        for (int id : catalogo.ids()) {
            con.Exec(QStringLiteral("INSERT INTO Imagen (IDImagen, TrvImagen, LblImagen) VALUES (?, ?, ?)"),
                     {db::Value(id), db::Value(catalogo.png(id, kLadoImagenArbol)),
                      db::Value(catalogo.png(id, kLadoImagenTitulo))});
        }
        transaccion.Commit();
    }
    con.Close();
}

void CrearBaseImagenes(const QString& ruta)
{
    CrearBaseImagenes(ruta, CatalogoIconos::Incorporado());
}
