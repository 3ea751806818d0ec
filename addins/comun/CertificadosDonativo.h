#pragma once

namespace db {
class Connection;
}

namespace addins {

// The donation certificates of a year: every donor with receipts of that
// year not yet certified gets one certificate number, written on those
// receipts.
class CertificadosDonativo {
public:
    // The command: asks the year (the last one by default), generates the
    // certificates in one transaction and tells how many.
    static void Generar(db::Connection& con);

    // The work itself, inside one transaction; the number of certificates made.
    static int Generar(db::Connection& con, int anio);
};

} // namespace addins
