#pragma once

#include "platform/locks/LockRequest.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>

namespace db {
class Connection;
}

namespace PVAPI {

class LockSession;

// Record and table locks shared by every workstation that uses one data
// folder. Declare the locks, take them all at once or none, release them.
// The object owns what it takes: destroying it releases its locks and its
// entry lock, on every path.
class cProcesarBloqueos {
public:
    // Results of lngEfectuarBloqueos. Anything but 0 is a refusal.
    enum Resultado : qint32 {
        BloqueoConcedido = 0,
        BloqueoOcupado = 1,               // another holder has a conflicting lock
        BloqueoRegistroInexistente = 2,   // a record checked for existence is gone
        BloqueoDeclaracionFallida = 3,    // a declaration raised an error
        BloqueoBaseOcupada = 4,           // the lock database stayed busy
    };

    // The arguments of DefinirBloqueo by their names, for the forms that use
    // several of them:
    //  - blnBloqueoTotalTabla: the whole table strTabla;
    //  - blnComprobarExisteRegistro: strRegistro is one record key, locked
    //    when strSQLExisteRegistro yields a row on conBD;
    //  - otherwise strRegistro is a SELECT on conBD whose rows are the keys
    //    (a row of several columns is one key made of all of them).
    // blnBloqueoParcialRegistro makes record locks shared: partial locks on a
    // record coexist; they conflict with a non-partial lock on the record and
    // with a lock on the whole table.
    struct Argumentos {
        QString strTabla{};
        db::Connection* conBD = nullptr;
        QString strRegistro{};
        bool blnBloqueoParcialRegistro = false;
        bool blnBloqueoTotalTabla = false;
        bool blnComprobarExisteRegistro = false;
        QString strSQLExisteRegistro{};
    };

    cProcesarBloqueos();
    ~cProcesarBloqueos();
    cProcesarBloqueos(const cProcesarBloqueos&) = delete;
    cProcesarBloqueos& operator=(const cProcesarBloqueos&) = delete;

    // The folder of the protected database ("/" or "\" at the end or not;
    // empty: the working folder). Throws vb::VbError.
    void Inicializar(const QString& strDirectorioTemporal);

    // Adds to the declared set. A declaration that raises an error (a failing
    // SELECT, missing arguments) also makes the next take refuse, so an
    // ignored error never turns into a take that protects less than asked.
    void DefinirBloqueo(const Argumentos& argumentos);
    // The records whose keys the SELECT strRegistro yields on conBD.
    void DefinirBloqueo(const QString& strTabla, db::Connection& conBD, const QString& strRegistro);
    // The whole table.
    void DefinirBloqueo(const QString& strTabla, bool blnBloqueoTotalTabla);

    // Takes every declared lock or none; 0 when granted (see Resultado). A
    // take uses up the declarations; a test-only call keeps them and writes
    // nothing. Throws vb::VbError for failures other than a busy database.
    qint32 lngEfectuarBloqueos(bool blnSoloComprobar = false);

    // Releases every lock and the entry lock of this object and forgets the
    // declarations.
    void LiberarBloqueos();

    // Keeps other workstations from starting the program until
    // LiberarBloqueos (or this object's end).
    void EstablecerBloqueoEntradaAplicacion();
    // True while another workstation holds an entry lock on the folder.
    bool blnComprobarBloqueoEntradaAplicacion();

    // The declarations not yet taken (for diagnostics and tests).
    const QList<LockRequest>& declarados() const { return m_declarados; }

private:
    LockSession& session();
    void declare(LockRequest request);
    void declareKeysOf(const QString& strTabla, db::Connection& conBD, const QString& sql, bool parcial);
    void declareCheckedRecord(const Argumentos& argumentos);
    void failDeclaration();
    void forgetDeclarations();

    std::shared_ptr<LockSession> m_session;
    std::optional<QString> m_carpeta;
    qint64 m_propietario = 0;
    QList<LockRequest> m_declarados;
    Resultado m_fallo = BloqueoConcedido;
    bool m_retiene = false;
};

} // namespace PVAPI
