#pragma once

#include <QString>
#include <functional>

namespace PVAPI {
struct cInfoConfiguracion;
}
namespace db {
class Connection;
}
class IEmpresaPrincipal;

// Data-link files and connection strings, and the per-user settings written
// at start-up. Holds no state of its own: callers make one when they need it.
class cConfiguracion {
public:
    // `conContabilidad` and `principal` are only used by LeeRegistro when the
    // accounting add-in is present; either may be null otherwise. Reaching
    // the main window loads it, so `principal` is asked for it only once a
    // selected company is there to be shown (and may answer null).
    cConfiguracion(const PVAPI::cInfoConfiguracion& infoConfig, QString appTitle, QString appPath,
                   db::Connection* conContabilidad = nullptr,
                   std::function<IEmpresaPrincipal*()> principal = {});

    // The connection string of a data-link file, without line break ("" when
    // the file is missing or holds none). The name is also looked up without
    // regard to case in its folder.
    static QString getConnectionString(const QString& udlFile);

    // The value of "Data Source" (the name in any letter case) in a
    // connection string ("" when there is none): a quoted value without its
    // quotes, so that a path holding ";" or quotes comes back whole; any
    // other value as it stands, up to the next ";" or the end.
    static QString ObtenerOrigenDatos(const QString& strCadena);
    // Folder of the data source with its final separator ("/" or "\"), or "".
    static QString ObtenerOrigenDatosDir(const QString& strOrigen);
    // File name of the data source (the data source itself without folder).
    static QString ObtenerOrigenDatosMDB(const QString& strOrigen);
    // The file a data source names, with "/" separators. Data links name
    // their database relative to the program folder ("Duzediv.mdb"), so a
    // copied or moved folder uses its own databases: a relative data source
    // is taken in `carpetaPrograma`, never in the working folder.
    static QString RutaOrigenDatos(const QString& origen, const QString& carpetaPrograma);

    // Writes the program folder and the default margins, page count and
    // window placement, overwriting what is there.
    void CreaNuevoRegistro() const;

    // Writes the program folder, re-creates the margin and list keys that are
    // empty and, with the accounting add-in, shows the selected company in
    // the main window.
    void LeeRegistro() const;

private:
    QString SeccionUsuario(const QString& seccion) const;
    void Guardar(const QString& seccion, const QString& clave, const QString& valor) const;
    void GuardarSiVacio(const QString& seccion, const QString& clave, const QString& valor) const;
    void MostrarEmpresaSeleccionada(const QString& id) const;

    const PVAPI::cInfoConfiguracion& m_infoConfig;
    QString m_appTitle;
    QString m_appPath;
    db::Connection* m_conContabilidad;
    std::function<IEmpresaPrincipal*()> m_principal;
};
