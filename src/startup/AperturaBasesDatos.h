#pragma once

#include "startup/frmMensaje.h"

#include <QString>
#include <array>

class App;

namespace db {
class Connection;
}

// The opening passes of the splash window over the three databases (parish,
// reports and, with the accounting add-in, accounting). Each pass opens, by
// its data-link file, every database not yet open; while some stay closed the
// user is told which and may re-link them in the connection dialog, and a
// new pass runs, until all are open or the user gives up.
class AperturaBasesDatos {
public:
    struct Resultado {
        bool ok = false;     // every database is open
        bool salir = false;  // the user chose to quit in the connection dialog
    };

    AperturaBasesDatos(App& app, frmMensaje::EjecutarDialogo ejecutarDialogo);
    virtual ~AperturaBasesDatos() = default;

    // Throws TerminacionInmediata when another workstation holds the entry
    // lock of the parish database's folder (after telling the user). A file
    // that is empty, damaged or no database of the program, or that lies in
    // a folder (or is a file) that may not be written, ends the loading (not
    // ok) after one message, with nothing on disk changed. A database whose
    // password is not the program's is told as such, never as missing: the
    // user re-links it in the connection dialog or gives up.
    Resultado Ejecutar();

    // The opening string: the connection string (the data link's, with its
    // data source resolved to the file), then the database password, quoted
    // when it needs to be.
    static QString CadenaApertura(const QString& cadenaConexion, const QString& password);

    static const QString kAvisoBloqueoEntrada;

protected:
    // Whether the opened connection reports its "Data Source" (exact name).
    virtual bool TieneOrigenDatos(const db::Connection& conexion) const;

private:
    enum class Apertura {
        Abierta,
        NoAbierta,  // not found: listed in the missing-databases message
        Rechazada,  // another password: told already, re-linked in the dialog
        FinCarga,   // the loading ends (not ok)
    };

    Apertura AbrirBase(int indice);
    // Tells that the file's password is not the program's and asks whether
    // to re-link it (true) or to leave (false).
    bool AvisarPasswordNoValido(int indice, const QString& archivo);
    // False, after telling the user, when the file or its folder may not be
    // written: the program writes its changes, journals and the locks shared
    // with other workstations there.
    bool ComprobarEscritura(int indice, const QString& archivo);
    // False, after telling the user, when the file is empty, damaged or no
    // database of the program: neither a password nor another link helps
    // then, and nothing on disk is touched.
    bool ComprobarArchivo(int indice, const QString& archivo);
    // True when the database refuses to open without a password; also the
    // entry-lock test of the parish database. `ruta` names a file that
    // AbrirBase has found.
    bool ComprobarPasswordBD(const QString& ruta);
    void ComprobarBloqueoEntrada(const QString& ruta);
    QString Password(int indice);
    db::Connection& Conexion(int indice);
    bool Interviene(int indice) const;

    App& m_app;
    frmMensaje::EjecutarDialogo m_ejecutarDialogo;
    std::array<bool, 3> m_abierta{};
};
